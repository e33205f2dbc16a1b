#include "texpeek/ui/picture_area.h"

#include "texpeek/core/zoom.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace texpeek {

PictureArea::PictureArea(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setMouseTracking(true);
    fitToPicture();
}

void PictureArea::showImage(const QImage& view, std::int16_t cellSize)
{
    image_ = view;
    cellSize_ = cellSize;
    fitToPicture();
    update();
}

void PictureArea::clear()
{
    image_ = QImage();
    fitToPicture();
    update();
    emit hovered(std::nullopt);
}

void PictureArea::setFitToWindow(bool fit)
{
    fit_ = fit;
    fitToPicture();
    update();
}

void PictureArea::fitToPicture()
{
    // Fitted, the scroll area sizes the picture to its viewport.
    if (fit_)
        return;
    auto side = [this](std::int64_t cells) {
        return static_cast<int>(
            std::min<std::int64_t>(pictureExtent(cells, cellSize_), QWIDGETSIZE_MAX));
    };
    const int width = image_.isNull() ? 0 : side(image_.width());
    const int height = image_.isNull() ? 0 : side(image_.height());
    resize(std::max(width, 1), std::max(height, 1));
}

QRectF PictureArea::imageRect() const
{
    if (image_.isNull())
        return {};
    if (fit_) {
        const double scale = std::min(static_cast<double>(width()) / image_.width(),
                                      static_cast<double>(height()) / image_.height());
        return {0.0, 0.0, image_.width() * scale, image_.height() * scale};
    }
    const double origin = cellStart(1, cellSize_);
    return {origin, origin, cellStart(image_.width(), cellSize_),
            cellStart(image_.height(), cellSize_)};
}

std::optional<QPoint> PictureArea::imagePixelAt(QPoint position) const
{
    const QRectF rect = imageRect();
    if (rect.isEmpty() || !rect.contains(QPointF(position) + QPointF(0.5, 0.5)))
        return std::nullopt;
    const double x = (position.x() + 0.5 - rect.left()) * image_.width() / rect.width();
    const double y = (position.y() + 0.5 - rect.top()) * image_.height() / rect.height();
    const int column = std::clamp(static_cast<int>(std::floor(x)), 0, image_.width() - 1);
    const int row = std::clamp(static_cast<int>(std::floor(y)), 0, image_.height() - 1);
    return QPoint(column, row);
}

void PictureArea::paintEvent(QPaintEvent* event)
{
    if (image_.isNull())
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    if (image_.format() != QImage::Format_RGBX8888) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(imageRect(), image_);
        return;
    }
    // An image laid over the decoded cells carries their alpha in the byte
    // Qt ignores: drawn onto a surface with alpha, Qt copies that byte
    // through, and a compositor could show the picture translucent. Drawn
    // first onto an opaque buffer the size of the exposed part, it is
    // opaque; the cost follows the window, not the image.
    const QRect exposed = event->rect();
    QImage buffer(exposed.size() * devicePixelRatio(), QImage::Format_RGB32);
    buffer.setDevicePixelRatio(devicePixelRatio());
    buffer.fill(palette().color(backgroundRole()));
    {
        QPainter opaque(&buffer);
        opaque.setRenderHint(QPainter::SmoothPixmapTransform, false);
        opaque.translate(-exposed.topLeft());
        opaque.drawImage(imageRect(), image_);
    }
    painter.drawImage(exposed.topLeft(), buffer);
}

void PictureArea::mouseMoveEvent(QMouseEvent* event)
{
    emit hovered(imagePixelAt(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void PictureArea::leaveEvent(QEvent* event)
{
    emit hovered(std::nullopt);
    QWidget::leaveEvent(event);
}

} // namespace texpeek

#include "ui/picture_area.h"

#include "core/zoom.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace texpeek {

PictureArea::PictureArea(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
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
}

void PictureArea::fitToPicture()
{
    auto side = [this](std::int64_t cells) {
        return static_cast<int>(std::min<std::int64_t>(pictureExtent(cells, cellSize_),
                                                       QWIDGETSIZE_MAX));
    };
    const int width = image_.isNull() ? 0 : side(image_.width());
    const int height = image_.isNull() ? 0 : side(image_.height());
    resize(std::max(width, 1), std::max(height, 1));
}

void PictureArea::paintEvent(QPaintEvent* event)
{
    if (image_.isNull())
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const double origin = cellStart(1, cellSize_);
    const QRectF target(origin, origin, cellStart(image_.width(), cellSize_),
                        cellStart(image_.height(), cellSize_));
    painter.drawImage(target, image_);
}

} // namespace texpeek

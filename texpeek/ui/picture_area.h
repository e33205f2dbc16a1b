#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <optional>

namespace texpeek {

// The drawing surface: one screen pixel per cell of the view image, scaled to
// `cellSize` twips a cell with nearest-neighbour sampling and starting one
// cell in from the top-left corner. Its size follows the picture, so that the
// scroll area around it scrolls over a picture larger than the window. In
// the fit-to-window view it takes whatever size it is given and shows the
// whole image in it, sides in proportion.
class PictureArea final : public QWidget {
    Q_OBJECT

public:
    explicit PictureArea(QWidget* parent = nullptr);

    void showImage(const QImage& view, std::int16_t cellSize);
    void clear();
    void setFitToWindow(bool fit);
    bool fitsToWindow() const { return fit_; }

    const QImage& image() const { return image_; }
    std::int16_t cellSize() const { return cellSize_; }

    // The image pixel (column and row from 0) under a point of the area, if
    // the image covers that point.
    std::optional<QPoint> imagePixelAt(QPoint position) const;

signals:
    // The pixel under the mouse, or nothing once it leaves the image.
    void hovered(std::optional<QPoint> pixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void fitToPicture();
    QRectF imageRect() const;

    QImage image_;
    std::int16_t cellSize_ = 15;
    bool fit_ = false;
};

} // namespace texpeek

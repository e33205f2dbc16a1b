#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>

namespace texpeek {

// The drawing surface: one screen pixel per cell of the view image, scaled to
// `cellSize` twips a cell with nearest-neighbour sampling and starting one
// cell in from the top-left corner. Its size follows the picture, so that the
// scroll area around it scrolls over a picture larger than the window.
class PictureArea final : public QWidget {
    Q_OBJECT

public:
    explicit PictureArea(QWidget* parent = nullptr);

    void showImage(const QImage& view, std::int16_t cellSize);
    void clear();

    const QImage& image() const { return image_; }
    std::int16_t cellSize() const { return cellSize_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitToPicture();

    QImage image_;
    std::int16_t cellSize_ = 15;
};

} // namespace texpeek

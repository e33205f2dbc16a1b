#pragma once

#include "pivotel/core/sprite_frames.h"

#include <QGroupBox>
#include <QImage>
#include <QString>

#include <functional>

class QLabel;

namespace pivotel {

// One decoded frame as an image; a null image when it is too large to hold.
QImage frameImage(const DecodedFrame& frame);

// The frames side by side on a chequerboard, so that see-through pixels show
// as such; frames larger than a cell are scaled down to fit it.
QImage framesSheet(const SpriteFrames& frames);

// The frame "Preview": the pictures of the sprite last read and what is
// known about them.
class SpritePreview : public QGroupBox {
    Q_OBJECT

public:
    // At most this many frames are drawn; the rest are only counted.
    static constexpr int kShownFrames = 64;

    explicit SpritePreview(QWidget* parent = nullptr);

    void showFrames(const SpriteFrames& frames);
    // No picture, only a text saying why; `why` words it in the language
    // of the moment.
    void showNothing(std::function<QString()> why);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    std::function<QString()> info_;
    QLabel* lblPreview = nullptr;
    QLabel* lblPreviewInfo = nullptr;
};

} // namespace pivotel

#include "pivotel/core/anim/animation_files.h"
#include "pivotel/core/animation.h"
#include "pivotel/core/sprite_model.h"
#include "pivotel/pictures/picture_files.h"
#include "pivotel/tests/sprite_files.h"

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>
#include <zlib.h>

namespace pivotel {
namespace {

using namespace pivotel::testing;

// Two pictures of different sizes and origins, one timed at 0.25 s.
SpriteModel twoPictures(std::int32_t format)
{
    return *parseSprite(halfLifeSprite(
        format, {frameGroup({picture(2, 2, std::string("\x01\x01\x01\x01", 4), -1, 1),
                             picture(4, 1, std::string("\x02\x02\x02\xFF", 4), 0, 3)},
                            {0.25f, 0.05f})}));
}

TEST(Animation, PicturesAreLinedUpByTheirOrigins)
{
    const Animation animation = *animationOf(twoPictures(3));
    // x from -1 to 4, y (down) from -3 to 1.
    EXPECT_EQ(animation.width, 5);
    EXPECT_EQ(animation.height, 4);
    ASSERT_EQ(animation.frames.size(), 2u);
    EXPECT_EQ(animation.frames[0].delayMilliseconds, 250);
    EXPECT_EQ(animation.clearIndex, 255);
    // The first picture's top-left lands at (0, 2), the second's at (1, 0).
    EXPECT_EQ(animation.frames[0].indices[2 * 5 + 0], 1);
    EXPECT_EQ(animation.frames[0].indices[0], 255);
    EXPECT_EQ(animation.frames[1].indices[1], 2);
    EXPECT_EQ(animation.frames[1].rgba[4 * 4 + 3], 0); // index 255 is see-through
}

TEST(AnimationFiles, TheGifHoldsEveryFrameWithItsTimeAndPalette)
{
    const std::optional<std::string> gif = gifBytes(*animationOf(twoPictures(0)));
    ASSERT_TRUE(gif);
    QByteArray data = QByteArray::fromStdString(*gif);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    EXPECT_EQ(reader.imageCount(), 2);
    QImage first;
    ASSERT_TRUE(reader.read(&first));
    EXPECT_EQ(reader.nextImageDelay(), 250); // the frame just read: 0.25 s
    EXPECT_EQ(first.pixel(0, 2), qRgb(paletteRed(1), paletteGreen(1), paletteBlue(1)));
}

TEST(AnimationFiles, TheApngHasAFrameControlPerPictureAndTheFirstAsItsImage)
{
    const Animation animation = *animationOf(twoPictures(2));
    const std::optional<std::string> apng = apngBytes(animation);
    ASSERT_TRUE(apng);
    // Walk the chunks, checking each CRC.
    std::size_t at = 8;
    int frameControls = 0;
    std::string firstImage;
    while (at + 12 <= apng->size()) {
        auto u32 = [&](std::size_t p) {
            return (std::uint32_t(std::uint8_t((*apng)[p])) << 24) |
                   (std::uint32_t(std::uint8_t((*apng)[p + 1])) << 16) |
                   (std::uint32_t(std::uint8_t((*apng)[p + 2])) << 8) |
                   std::uint8_t((*apng)[p + 3]);
        };
        const std::uint32_t length = u32(at);
        const std::string type = apng->substr(at + 4, 4);
        const auto crc =
            crc32(0, reinterpret_cast<const Bytef*>(apng->data() + at + 4), length + 4);
        EXPECT_EQ(u32(at + 8 + length), crc) << type;
        frameControls += type == "fcTL";
        if (type == "IDAT")
            firstImage = apng->substr(at + 8, length);
        at += 12 + length;
    }
    EXPECT_EQ(at, apng->size());
    EXPECT_EQ(frameControls, 2);
    // Qt reads an APNG as its first frame: index-alpha's tint at each
    // index's coverage.
    const QImage image = QImage::fromData(QByteArray::fromStdString(*apng), "png");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(5, 4));
    EXPECT_EQ(qAlpha(image.pixel(0, 2)), 1);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
}

TEST(AnimationFiles, TheSheetHasEveryPictureInItsCell)
{
    const QImage sheet = spriteSheet(twoPictures(0));
    EXPECT_EQ(sheet.size(), QSize(8, 2));
    EXPECT_EQ(sheet.pixel(1, 1), qRgb(paletteRed(1), paletteGreen(1), paletteBlue(1)));
    EXPECT_EQ(sheet.pixel(7, 0), qRgb(paletteRed(255), paletteGreen(255), paletteBlue(255)));
    EXPECT_EQ(qAlpha(sheet.pixel(5, 1)), 0);
}

} // namespace
} // namespace pivotel

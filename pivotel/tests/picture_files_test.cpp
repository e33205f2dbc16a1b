#include "pivotel/pictures/picture_files.h"

#include "pivotel/core/sprite_model.h"
#include "pivotel/tests/sprite_files.h"

#include "common/testing/scratch_folder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>

#include <gtest/gtest.h>

namespace pivotel {
namespace {

using namespace pivotel::testing;

QString qPath(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

// Exports `bytes` into a fresh folder and makes a sprite of that folder.
std::string exportThenCreate(const std::string& bytes, const suite::testing::ScratchFolder& scratch)
{
    const std::optional<SpriteModel> sprite = parseSprite(bytes);
    EXPECT_TRUE(sprite);
    std::string error;
    EXPECT_TRUE(exportFrames(*sprite, qPath(scratch / "frames"), false, &error)) << error;
    const std::optional<SpriteModel> made =
        createFromFolder(qPath(scratch / "frames"), {}, {}, &error, nullptr);
    EXPECT_TRUE(made) << error;
    return made ? serializeSprite(*made) : std::string();
}

TEST(FramesFolder, ExportThenCreateGivesBackTheSameFile)
{
    const std::vector<std::string> sprites{
        // 256 colours, every index used, normal and additive.
        halfLifeSprite(0, {singleFrame(16, 16, rampIndices(256))}, 3),
        halfLifeSprite(1, {singleFrame(16, 16, rampIndices(256, 7)),
                           frameGroup({picture(4, 2, rampIndices(8), 3, 9),
                                       picture(2, 2, rampIndices(4, 100))},
                                      {0.05f, 0.3f})}),
        // Index-alpha: the indices are opacity, every level present.
        halfLifeSprite(2, {singleFrame(32, 8, rampIndices(256)),
                           singleFrame(3, 5, rampIndices(15, 240))}),
        // Alpha-test with index 255 in use, and a short palette.
        halfLifeSprite(3, {singleFrame(8, 2, rampIndices(16, 248))}),
        header(2, 1, 0, 1, 3, 1) + palette(12) + singleFrame(3, 1, std::string("\x00\x0B\x05", 3)),
        // Quake's version 1: no palette, no texture format.
        quakeSprite({singleFrame(4, 4, rampIndices(16, 250)),
                     frameGroup({picture(1, 1, "\x01"), picture(1, 1, "\xFF")}, {0.2f, 0.2f})}),
    };
    for (const std::string& bytes : sprites) {
        const suite::testing::ScratchFolder scratch;
        EXPECT_EQ(exportThenCreate(bytes, scratch), bytes);
    }
}

TEST(FramesFolder, ExportedPicturesCarryTheSpritesOwnPaletteAndFormat)
{
    const suite::testing::ScratchFolder scratch;
    const SpriteModel sprite =
        *parseSprite(halfLifeSprite(3, {singleFrame(4, 1, std::string("\x00\x01\x02\xFF", 4))}));
    ASSERT_TRUE(exportFrames(sprite, qPath(scratch / "out"), false, nullptr));
    const QImage image(qPath(scratch / "out" / "frame001.png"));
    ASSERT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(image.pixelIndex(2, 0), 2);
    EXPECT_EQ(image.color(2), qRgb(paletteRed(2), paletteGreen(2), paletteBlue(2)));
    EXPECT_EQ(qAlpha(image.color(255)), 0);
    QFile list(qPath(scratch / "out" / "sprite.txt"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QByteArray text = list.readAll();
    EXPECT_TRUE(text.contains("format alpha-test"));
    EXPECT_TRUE(text.contains("picture frame001.png origin -2 0 size 4 1"));

    // A second export into the same folder replaces nothing unless asked.
    std::string error;
    EXPECT_FALSE(exportFrames(sprite, qPath(scratch / "out"), false, &error));
    EXPECT_NE(error.find("already exists"), std::string::npos);
    EXPECT_TRUE(exportFrames(sprite, qPath(scratch / "out"), true, &error)) << error;
}

TEST(FramesFolder, AnEditedPictureIsIndexedAgainAndTheHeaderRefitted)
{
    const suite::testing::ScratchFolder scratch;
    const SpriteModel sprite = *parseSprite(halfLifeSprite(
        0, {singleFrame(2, 2, "\x01\x02\x03\x04"), singleFrame(2, 2, "\x01\x01\x01\x01")}));
    ASSERT_TRUE(exportFrames(sprite, qPath(scratch / "f"), false, nullptr));
    QImage wider(6, 2, QImage::Format_RGB32);
    wider.fill(qRgb(9, 8, 7));
    ASSERT_TRUE(wider.save(qPath(scratch / "f" / "frame002.png")));
    std::string error;
    const std::optional<SpriteModel> made =
        createFromFolder(qPath(scratch / "f"), {}, {}, &error, nullptr);
    ASSERT_TRUE(made) << error;
    EXPECT_EQ(made->maxWidth, 6);
    const SpritePicture& second = made->entries[1].pictures[0];
    EXPECT_EQ(made->palette[second.indices[0]], (Rgb{9, 8, 7}));
    const SpritePicture& first = made->entries[0].pictures[0];
    EXPECT_EQ(made->palette[first.indices[3]],
              (Rgb{paletteRed(4), paletteGreen(4), paletteBlue(4)}));
}

TEST(PictureFiles, EveryFrameOfAnAnimatedGifBecomesAFrame)
{
    const suite::testing::ScratchFolder scratch;
    // Qt writes no GIFs, so the two-frame GIF is spelled out: 2 x 1 pixels,
    // a global palette of red and blue, the first frame red-blue, the
    // second blue-red (LZW with code size 2).
    const unsigned char gif[] = {'G', 'I', 'F', '8', '9', 'a',  2,    0,    1,    0,    0x80,
                                 0,   0,   255, 0,   0,   0,    0,    255,  0x21, 0xF9, 4,
                                 0,   10,  0,   0,   0,   0x2C, 0,    0,    0,    0,    2,
                                 0,   1,   0,   0,   2,   2,    0x44, 0x0A, 0,    0x21, 0xF9,
                                 4,   0,   10,  0,   0,   0,    0x2C, 0,    0,    0,    0,
                                 2,   0,   1,   0,   0,   2,    2,    0x0C, 0x0A, 0,    0x3B};
    QFile file(qPath(scratch / "anim.gif"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(gif), sizeof gif);
    file.close();
    std::string error;
    const std::optional<std::vector<SourcePicture>> pictures =
        loadPictures(qPath(scratch / "anim.gif"), &error);
    ASSERT_TRUE(pictures) << error;
    ASSERT_EQ(pictures->size(), 2u);
    EXPECT_EQ((*pictures)[0].rgba[0], 255);
    EXPECT_EQ((*pictures)[1].rgba[2], 255);
}

TEST(PictureFiles, PicturesMakeASpriteAndBrokenOnesAreNamed)
{
    const suite::testing::ScratchFolder scratch;
    QImage one(3, 3, QImage::Format_ARGB32);
    one.fill(qRgba(0, 0, 0, 0));
    one.setPixel(1, 1, qRgba(250, 10, 10, 255));
    ASSERT_TRUE(one.save(qPath(scratch / "a.png")));
    ASSERT_TRUE(one.save(qPath(scratch / "b.bmp")));
    BuildOptions options;
    options.textureFormat = 3;
    std::string error;
    std::string explanation;
    const std::optional<SpriteModel> made =
        createFromPictures({qPath(scratch / "a.png"), qPath(scratch / "b.bmp")}, options, &error,
                           &explanation);
    ASSERT_TRUE(made) << error;
    EXPECT_EQ(made->entries.size(), 2u);
    EXPECT_EQ(made->entries[0].pictures[0].indices[0], 255);
    EXPECT_NE(explanation.find("index 255"), std::string::npos) << explanation;

    QFile broken(qPath(scratch / "c.png"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    EXPECT_FALSE(createFromPictures({qPath(scratch / "c.png")}, options, &error, nullptr));
    EXPECT_NE(error.find("c.png"), std::string::npos);
}

} // namespace
} // namespace pivotel

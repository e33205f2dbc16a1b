#include "pivotel/core/frames_text.h"
#include "pivotel/core/sprite_builder.h"
#include "pivotel/core/sprite_model.h"
#include "pivotel/core/tga.h"
#include "pivotel/tests/sprite_files.h"

#include <gtest/gtest.h>

#include <set>

namespace pivotel {
namespace {

SourcePicture solid(std::int32_t width, std::int32_t height, std::vector<Rgba> colours)
{
    SourcePicture picture;
    picture.name = "picture";
    picture.width = width;
    picture.height = height;
    for (std::size_t i = 0; i < std::size_t(width) * std::size_t(height); ++i) {
        const Rgba& c = colours[i % colours.size()];
        picture.rgba.insert(picture.rgba.end(), c.begin(), c.end());
    }
    return picture;
}

BuildOptions formatOf(std::int32_t format)
{
    BuildOptions options;
    options.textureFormat = format;
    return options;
}

TEST(PaletteRules, FewColoursAreKeptExactlyWithCentredOrigins)
{
    const std::vector<SourcePicture> pictures{solid(5, 3, {{10, 20, 30, 255}, {40, 50, 60, 255}}),
                                              solid(2, 4, {{40, 50, 60, 255}, {1, 2, 3, 255}})};
    std::string error;
    const std::optional<SpriteModel> sprite = buildSprite(pictures, formatOf(0), {}, &error);
    ASSERT_TRUE(sprite) << error;
    ASSERT_EQ(sprite->entries.size(), 2u);
    const SpritePicture& first = sprite->entries[0].pictures[0];
    EXPECT_EQ(first.originX, -2);
    EXPECT_EQ(first.originY, 1);
    EXPECT_EQ(sprite->maxWidth, 5);
    EXPECT_EQ(sprite->maxHeight, 4);
    EXPECT_EQ(sprite->palette.size(), 256u);
    // Each pixel's palette colour is its own colour.
    for (std::size_t p = 0; p < pictures.size(); ++p) {
        const SpritePicture& made = sprite->entries[p].pictures[0];
        for (std::size_t i = 0; i < made.indices.size(); ++i) {
            const Rgb& colour = sprite->palette[made.indices[i]];
            EXPECT_EQ(colour[0], pictures[p].rgba[i * 4]);
            EXPECT_EQ(colour[2], pictures[p].rgba[i * 4 + 2]);
        }
    }
}

TEST(PaletteRules, AlphaTestMakesTheLastEntryTheOnlyClearOne)
{
    const std::vector<SourcePicture> pictures{
        solid(4, 1, {{200, 0, 0, 255}, {9, 9, 9, 0}, {0, 200, 0, 200}, {5, 5, 5, 100}})};
    const std::optional<SpriteModel> sprite = buildSprite(pictures, formatOf(3), {}, nullptr);
    ASSERT_TRUE(sprite);
    const std::vector<std::uint8_t>& indices = sprite->entries[0].pictures[0].indices;
    EXPECT_EQ(indices, (std::vector<std::uint8_t>{0, 255, 1, 255}));
    EXPECT_EQ(sprite->palette[255], (Rgb{0, 0, 255}));
    EXPECT_EQ(sprite->palette[1], (Rgb{0, 200, 0}));
}

TEST(PaletteRules, AdditiveAndNormalTurnSeeThroughIntoBlack)
{
    const std::vector<SourcePicture> pictures{
        solid(2, 1, {{200, 100, 50, 255}, {200, 100, 50, 0}})};
    for (const std::int32_t format : {0, 1}) {
        const std::optional<SpriteModel> sprite =
            buildSprite(pictures, formatOf(format), {}, nullptr);
        ASSERT_TRUE(sprite);
        const std::vector<std::uint8_t>& indices = sprite->entries[0].pictures[0].indices;
        EXPECT_EQ(sprite->palette[indices[1]], (Rgb{0, 0, 0}));
        EXPECT_EQ(sprite->palette[indices[0]], (Rgb{200, 100, 50}));
    }
}

TEST(PaletteRules, IndexAlphaTurnsCoverageIntoIndicesUnderOneTint)
{
    // Alpha where the pictures have it...
    std::optional<SpriteModel> sprite =
        buildSprite({solid(3, 1, {{255, 128, 0, 0}, {255, 128, 0, 128}, {255, 128, 0, 255}})},
                    formatOf(2), {}, nullptr);
    ASSERT_TRUE(sprite);
    EXPECT_EQ(sprite->entries[0].pictures[0].indices, (std::vector<std::uint8_t>{0, 128, 255}));
    EXPECT_EQ(sprite->palette[255], (Rgb{255, 128, 0}));
    // ...brightness where they are opaque (a glow on black), and a tint given.
    BuildOptions options = formatOf(2);
    options.tint = Rgb{1, 2, 3};
    sprite =
        buildSprite({solid(2, 1, {{0, 0, 0, 255}, {255, 255, 255, 255}})}, options, {}, nullptr);
    ASSERT_TRUE(sprite);
    EXPECT_EQ(sprite->entries[0].pictures[0].indices, (std::vector<std::uint8_t>{0, 255}));
    EXPECT_EQ(sprite->palette[255], (Rgb{1, 2, 3}));
}

TEST(PaletteRules, TooManyColoursWithoutAQuantiserAreRefusedNotDropped)
{
    std::vector<Rgba> many;
    for (int i = 0; i < 300; ++i)
        many.push_back({std::uint8_t(i), std::uint8_t(i / 2), 7, 255});
    std::string error;
    EXPECT_FALSE(buildSprite({solid(30, 10, many)}, formatOf(0), {}, &error));
    EXPECT_NE(error.find("more than 256 colours"), std::string::npos);
    // Alpha-test has one colour less to give.
    many.resize(256);
    EXPECT_TRUE(buildSprite({solid(16, 16, many)}, formatOf(0), {}, &error));
    EXPECT_FALSE(buildSprite({solid(16, 16, many)}, formatOf(3), {}, &error));
}

TEST(Limits, FrameSizeAndCountAreRefusedWithTheLimitNamed)
{
    std::string error;
    EXPECT_FALSE(
        buildSprite({solid(kMaxFrameSide + 1, 1, {{0, 0, 0, 255}})}, formatOf(0), {}, &error));
    EXPECT_NE(error.find("frame size limit is 512 x 512"), std::string::npos) << error;
    EXPECT_TRUE(buildSprite({solid(kMaxFrameSide, 2, {{0, 0, 0, 255}})}, formatOf(0), {}, &error));
    const std::vector<SourcePicture> crowd(kMaxFrames + 1, solid(1, 1, {{0, 0, 0, 255}}));
    EXPECT_FALSE(buildSprite(crowd, formatOf(0), {}, &error));
    EXPECT_NE(error.find("limit is 1000 frames"), std::string::npos) << error;
    SpriteModel noPalette = *buildSprite({solid(1, 1, {{0, 0, 0, 255}})}, formatOf(0), {}, &error);
    noPalette.palette.clear();
    EXPECT_NE(limitProblem(noPalette).find("palette"), std::string::npos);
}

TEST(FolderBuild, OriginEditsGroupsAndOverridesReachTheFile)
{
    const std::string bytes =
        testing::halfLifeSprite(3,
                                {testing::singleFrame(2, 2, testing::rampIndices(4)),
                                 testing::singleFrame(2, 2, std::string("\x00\x01\x02\xFF", 4))});
    const SpriteModel original = *parseSprite(bytes);
    FramesText text = framesTextOf(original);
    std::vector<SourcePicture> pictures;
    for (const FlatPicture& flat : flatten(original)) {
        SourcePicture picture = solid(2, 2, {{0, 0, 0, 255}});
        picture.indices = flat.picture->indices;
        for (int i = 0; i < 256; ++i)
            picture.palette.push_back({testing::paletteRed(i), testing::paletteGreen(i),
                                       testing::paletteBlue(i), std::uint8_t(i == 255 ? 0 : 255)});
        pictures.push_back(picture);
    }
    std::string error;
    std::optional<SpriteModel> same = buildFromFolder(text, pictures, {}, {}, {}, &error);
    ASSERT_TRUE(same) << error;
    EXPECT_EQ(serializeSprite(*same), bytes);

    text.frames[1].originX = 17;
    text.frames[1].originY = -3;
    text.frames[0].group = text.frames[1].group = 5;
    text.frames[1].intervalBits = floatBits(0.5f);
    FolderOverrides overrides;
    overrides.type = 0;
    const std::optional<SpriteModel> edited =
        buildFromFolder(text, pictures, {}, overrides, {}, &error);
    ASSERT_TRUE(edited) << error;
    EXPECT_EQ(edited->type, 0);
    ASSERT_EQ(edited->entries.size(), 1u);
    EXPECT_TRUE(edited->entries[0].group);
    EXPECT_EQ(edited->entries[0].pictures[1].originX, 17);
    EXPECT_EQ(edited->entries[0].pictures[1].originY, -3);
    EXPECT_EQ(bitsFloat(edited->entries[0].intervalBits[1]), 0.5f);
    const std::optional<SpriteModel> reread = parseSprite(serializeSprite(*edited));
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->entries[0].pictures[1].originX, 17);
}

TEST(Tga, ReadsPackedAndPlainPicturesTheRightWayUp)
{
    // A 2 x 2 true-colour picture stored bottom row first, packed: one run
    // of two blue pixels, then two raw pixels (red, green).
    std::string bytes(18, '\0');
    bytes[2] = 10;
    bytes[12] = 2;
    bytes[14] = 2;
    bytes[16] = 24;
    bytes += std::string("\x81\xFF\x00\x00", 4);
    bytes += std::string("\x01\x00\x00\xFF\x00\xFF\x00", 7);
    std::string error;
    const std::optional<SourcePicture> picture = decodeTga(bytes, &error);
    ASSERT_TRUE(picture) << error;
    // Top row: red, green; bottom row: blue, blue.
    EXPECT_EQ(picture->rgba, (std::vector<std::uint8_t>{255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255,
                                                        255, 0, 0, 255, 255}));
    EXPECT_FALSE(decodeTga(bytes.substr(0, bytes.size() - 1), &error));
    // A colour map of 8-bit entries that the true-colour picture does not
    // use is passed over, not read as colours.
    std::string withMap = bytes;
    withMap[1] = 1;
    withMap[5] = 2;
    withMap[7] = 8;
    withMap.insert(18, "\x11\x22", 2);
    const std::optional<SourcePicture> mapped = decodeTga(withMap, &error);
    ASSERT_TRUE(mapped) << error;
    EXPECT_EQ(mapped->rgba, picture->rgba);
    bytes[14] = '\xFF'; // far more rows than the file holds
    bytes[15] = '\x7F';
    EXPECT_FALSE(decodeTga(bytes, &error));
}

} // namespace
} // namespace pivotel

#include "pivotel/core/frames_text.h"
#include "pivotel/core/sprite_builder.h"
#include "pivotel/core/sprite_model.h"
#include "pivotel/tests/sprite_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pivotel {
namespace {

using namespace pivotel::testing;

TEST(SpriteModel, EveryKindOfSpriteComesBackByteForByte)
{
    const std::string withGroup =
        halfLifeSprite(1, {singleFrame(4, 2, rampIndices(8)),
                           frameGroup({picture(2, 2, rampIndices(4, 9), -1, 1),
                                       picture(3, 1, rampIndices(3, 40), 5, -7)},
                                      {0.1f, 0.35f}),
                           singleFrame(1, 1, "\xFF")});
    const std::string quake = quakeSprite({singleFrame(2, 3, rampIndices(6, 250))}, 3);
    std::string shortPalette =
        header(2, 0, 3, 1) + palette(16) + singleFrame(2, 2, "\x01\x02\x0F\xFF");
    std::string trailing = halfLifeSprite(0, {singleFrame(1, 1, "\x05")}) + "extra";
    for (const std::string& bytes : {withGroup, quake, shortPalette, trailing}) {
        std::string error;
        const std::optional<SpriteModel> sprite = parseSprite(bytes, &error);
        ASSERT_TRUE(sprite) << error;
        EXPECT_EQ(serializeSprite(*sprite), bytes);
    }
    const SpriteModel grouped = *parseSprite(withGroup);
    ASSERT_EQ(grouped.entries.size(), 3u);
    EXPECT_TRUE(grouped.entries[1].group);
    EXPECT_EQ(bitsFloat(grouped.entries[1].intervalBits[1]), 0.35f);
    EXPECT_EQ(flatten(grouped).size(), 4u);
    EXPECT_EQ(grouped.entries[1].pictures[1].originX, 5);
}

TEST(SpriteModel, RefusesWhatDoesNotHoldTogetherWithoutReadingPastTheEnd)
{
    const std::string whole = halfLifeSprite(0, {singleFrame(4, 4, rampIndices(16))});
    std::string error;
    for (std::size_t length = 0; length < whole.size(); ++length)
        EXPECT_FALSE(parseSprite(std::string_view(whole).substr(0, length), &error)) << length;
    EXPECT_FALSE(parseSprite("IDSQ" + whole.substr(4), &error));
    EXPECT_NE(error.find("not a sprite"), std::string::npos);
    // A group that claims far more pictures than the file holds.
    EXPECT_FALSE(parseSprite(
        header(2, 0, 0, 1) + palette() + int32Bytes(1) + int32Bytes(0x7FFFFFFF), &error));
}

TEST(FramesText, KeepsEveryHeaderValueAndIntervalExactly)
{
    SpriteModel sprite = *parseSprite(
        halfLifeSprite(2,
                       {frameGroup({picture(2, 2, rampIndices(4)), picture(2, 2, rampIndices(4))},
                                   {0.1f, std::numeric_limits<float>::quiet_NaN()}),
                        singleFrame(3, 3, rampIndices(9))},
                       4));
    sprite.boundingRadiusBits = 0x00000003; // a subnormal
    sprite.beamLengthBits = 0x7FC00123; // a NaN whose bits a decimal would lose
    sprite.syncType = 1;
    sprite.entries[0].intervalBits[0] = floatBits(1.0f / 3.0f);
    const FramesText text = framesTextOf(sprite);
    std::string error;
    const std::optional<FramesText> back = parseFramesText(writeFramesText(text), &error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->header.type, 4);
    EXPECT_EQ(back->header.textureFormat, 2);
    EXPECT_EQ(back->header.boundingRadiusBits, sprite.boundingRadiusBits);
    EXPECT_EQ(back->header.beamLengthBits, 0x7FC00123u);
    EXPECT_EQ(back->header.syncType, 1);
    ASSERT_EQ(back->frames.size(), 3u);
    EXPECT_EQ(back->frames[0].intervalBits, floatBits(1.0f / 3.0f));
    EXPECT_EQ(back->frames[1].intervalBits, sprite.entries[0].intervalBits[1]);
    EXPECT_EQ(back->frames[0].group, back->frames[1].group);
    EXPECT_FALSE(back->frames[2].group);
    EXPECT_EQ(back->frames[2].file, "frame003.png");
}

TEST(FramesText, RefusesOtherTextsAndPicturesOutsideTheFolder)
{
    std::string error;
    EXPECT_FALSE(parseFramesText("hello\n", &error));
    EXPECT_FALSE(parseFramesText("pivotel-frames 1\npicture ../x.png\n", &error));
    EXPECT_FALSE(parseFramesText("pivotel-frames 1\npicture a.png origin 1\n", &error));
    EXPECT_EQ(error.substr(0, 7), "line 2:");
    EXPECT_FALSE(parseFramesText("pivotel-frames 1\nversion 2\n", &error));
    const std::optional<FramesText> typed =
        parseFramesText("pivotel-frames 1\r\nformat alpha-test\r\ntype fixed\r\npicture a.png\r\n");
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->header.textureFormat, 3);
    EXPECT_EQ(typed->header.type, 3);
}

} // namespace
} // namespace pivotel

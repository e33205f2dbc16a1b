#include "pivotel/core/sprite_frames.h"

#include "pivotel/tests/sprite_files.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace pivotel {
namespace {

using namespace pivotel::testing;

constexpr std::size_t kHeaderAndPalette = 40 + 2 + 256 * 3;

// The RGBA of one pixel of a frame.
std::array<int, 4> pixel(const DecodedFrame& frame, int x, int y)
{
    const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.width) +
                            static_cast<std::size_t>(x)) *
                           4;
    return {frame.rgba[at], frame.rgba[at + 1], frame.rgba[at + 2], frame.rgba[at + 3]};
}

std::array<int, 4> paletteColour(int index, int alpha)
{
    return {paletteRed(index), paletteGreen(index), paletteBlue(index), alpha};
}

// Every frame's indices lie in the file and its pixels match its size.
void expectFramesWithin(const SpriteFrames& decoded, std::size_t fileLength)
{
    for (const DecodedFrame& frame : decoded.frames) {
        const std::size_t pixels =
            static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
        EXPECT_LE(frame.pixelOffset + pixels, fileLength);
        EXPECT_EQ(frame.rgba.size(), pixels * 4);
    }
}

TEST(SpriteFrames, ASingleFrameIsDecodedRowByRowThroughThePalette)
{
    const std::string bytes = halfLifeSprite(0, {singleFrame(4, 2, rampIndices(8, 10))});
    const SpriteFrames decoded = decodeFrames(bytes);
    EXPECT_TRUE(decoded.problem.empty()) << decoded.problem;
    EXPECT_EQ(decoded.version, 2);
    EXPECT_TRUE(decoded.paletteInFile);
    EXPECT_EQ(decoded.declaredEntries, 1);
    ASSERT_EQ(decoded.frames.size(), 1u);

    const DecodedFrame& frame = decoded.frames[0];
    EXPECT_EQ(frame.width, 4);
    EXPECT_EQ(frame.height, 2);
    EXPECT_EQ(frame.originX, -2);
    EXPECT_EQ(frame.originY, 1);
    EXPECT_FALSE(frame.inGroup);
    EXPECT_EQ(frame.pixelOffset, kHeaderAndPalette + 4 + 16);
    EXPECT_EQ(pixel(frame, 0, 0), paletteColour(10, 255));
    EXPECT_EQ(pixel(frame, 3, 0), paletteColour(13, 255));
    EXPECT_EQ(pixel(frame, 0, 1), paletteColour(14, 255));
    EXPECT_EQ(pixel(frame, 3, 1), paletteColour(17, 255));
    EXPECT_EQ(largestFrame(decoded), &frame);
}

TEST(SpriteFrames, EachTextureFormatColoursAndClearsAsTheGameDraws)
{
    const std::string indices("\x00\x01\x80\xFF", 4);
    struct Case {
        std::int32_t format;
        std::string name;
        std::array<std::array<int, 4>, 4> expected;
    };
    const std::array<int, 4> tint = paletteColour(255, 0);
    auto tinted = [&](int alpha) { return std::array<int, 4>{tint[0], tint[1], tint[2], alpha}; };
    const std::array<Case, 5> cases{{
        {0,
         "normal",
         {paletteColour(0, 255), paletteColour(1, 255), paletteColour(128, 255),
          paletteColour(255, 255)}},
        {1,
         "additive",
         {paletteColour(0, 255), paletteColour(1, 255), paletteColour(128, 255),
          paletteColour(255, 255)}},
        // The index is how much of the last palette colour covers the pixel.
        {2, "index-alpha", {tinted(0), tinted(1), tinted(128), tinted(255)}},
        {3,
         "alpha-test",
         {paletteColour(0, 255), paletteColour(1, 255), paletteColour(128, 255),
          paletteColour(255, 0)}},
        {9,
         "unknown (9), shown as normal",
         {paletteColour(0, 255), paletteColour(1, 255), paletteColour(128, 255),
          paletteColour(255, 255)}},
    }};
    for (const Case& one : cases) {
        SCOPED_TRACE(one.name);
        const SpriteFrames decoded =
            decodeFrames(halfLifeSprite(one.format, {singleFrame(2, 2, indices)}));
        ASSERT_EQ(decoded.frames.size(), 1u);
        EXPECT_EQ(textureFormatName(decoded), one.name);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(pixel(decoded.frames[0], i % 2, i / 2),
                      one.expected[static_cast<std::size_t>(i)])
                << i;
    }
}

TEST(SpriteFrames, GroupsAndSingleFramesAreDecodedInOrder)
{
    const std::string bytes = halfLifeSprite(3, {singleFrame(2, 2, rampIndices(4)),
                                                 frameGroup({picture(3, 1, rampIndices(3, 50)),
                                                             picture(5, 4, rampIndices(20, 60)),
                                                             picture(1, 1, rampIndices(1, 90))}),
                                                 singleFrame(1, 2, rampIndices(2, 100))});
    const SpriteFrames decoded = decodeFrames(bytes);
    EXPECT_TRUE(decoded.problem.empty()) << decoded.problem;
    EXPECT_EQ(decoded.declaredEntries, 3);
    ASSERT_EQ(decoded.frames.size(), 5u);

    const std::array<std::size_t, 5> entries{0, 1, 1, 1, 2};
    const std::array<int, 5> firstIndex{0, 50, 60, 90, 100};
    const std::array<std::pair<int, int>, 5> sizes{{{2, 2}, {3, 1}, {5, 4}, {1, 1}, {1, 2}}};
    for (std::size_t i = 0; i < decoded.frames.size(); ++i) {
        const DecodedFrame& frame = decoded.frames[i];
        EXPECT_EQ(frame.entry, entries[i]) << i;
        EXPECT_EQ(frame.inGroup, entries[i] == 1) << i;
        EXPECT_EQ(std::make_pair(frame.width, frame.height), sizes[i]) << i;
        EXPECT_EQ(static_cast<unsigned char>(bytes[frame.pixelOffset]), firstIndex[i]) << i;
        EXPECT_EQ(pixel(frame, 0, 0), paletteColour(firstIndex[i], 255)) << i;
    }
    EXPECT_EQ(largestFrame(decoded), &decoded.frames[2]);
    expectFramesWithin(decoded, bytes.size());
}

TEST(SpriteFrames, QuakeSpritesHaveNoPaletteAndAreShownInGreys)
{
    const SpriteFrames decoded = decodeFrames(quakeSprite(
        {singleFrame(2, 1, std::string("\x40\xFF", 2)), frameGroup({picture(1, 1, "\x10")})}));
    EXPECT_TRUE(decoded.problem.empty()) << decoded.problem;
    EXPECT_EQ(decoded.version, 1);
    EXPECT_FALSE(decoded.paletteInFile);
    EXPECT_FALSE(decoded.textureFormat.has_value());
    EXPECT_NE(textureFormatName(decoded).find("none in file"), std::string::npos);
    ASSERT_EQ(decoded.frames.size(), 2u);
    EXPECT_EQ(pixel(decoded.frames[0], 0, 0), (std::array<int, 4>{0x40, 0x40, 0x40, 255}));
    // Quake leaves its last colour see-through.
    EXPECT_EQ(pixel(decoded.frames[0], 1, 0)[3], 0);
    EXPECT_EQ(pixel(decoded.frames[1], 0, 0), (std::array<int, 4>{0x10, 0x10, 0x10, 255}));
}

TEST(SpriteFrames, ACutFileKeepsTheWholeFramesBeforeTheCutAndSaysWhatIsMissing)
{
    const std::string whole = halfLifeSprite(
        0, {singleFrame(3, 3, rampIndices(9)),
            frameGroup({picture(2, 2, rampIndices(4, 9)), picture(4, 1, rampIndices(4, 13))})});
    const SpriteFrames full = decodeFrames(whole);
    ASSERT_TRUE(full.problem.empty()) << full.problem;
    ASSERT_EQ(full.frames.size(), 3u);
    for (std::size_t length = 9; length < whole.size(); ++length) {
        const SpriteFrames decoded = decodeFrames(std::string_view(whole).substr(0, length));
        SCOPED_TRACE(length);
        EXPECT_FALSE(decoded.problem.empty());
        expectFramesWithin(decoded, length);
        // What is shown of a cut file is exactly what the whole file shows.
        ASSERT_LE(decoded.frames.size(), full.frames.size());
        for (std::size_t i = 0; i < decoded.frames.size(); ++i) {
            EXPECT_EQ(decoded.frames[i].rgba, full.frames[i].rgba) << i;
            EXPECT_EQ(decoded.frames[i].pixelOffset, full.frames[i].pixelOffset) << i;
        }
        const DecodedFrame& first = full.frames[0];
        if (length >= first.pixelOffset + 9) {
            EXPECT_GE(decoded.frames.size(), 1u) << "a whole first frame is kept";
        }
    }
}

TEST(SpriteFrames, CountsAndSizesThatDoNotFitAreDamageNotReads)
{
    const std::string top = header(2, 2, 0, 1) + palette();
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"no frames", header(2, 2, 0, 0) + palette()},
        {"negative frame count", header(2, 2, 0, -5) + palette()},
        {"empty palette", header(2, 2, 0, 1) + palette(0) + singleFrame(1, 1, "x")},
        {"oversized palette",
         header(2, 2, 0, 1) + std::string("\x2C\x01", 2) + std::string(900, 'p')},
        {"negative width", top + singleFrame(-1, 4, "xxxx")},
        {"zero height", top + singleFrame(4, 0, "")},
        {"huge frame", top + singleFrame(0x7FFFFFFF, 0x7FFFFFFF, "xxxx")},
        {"unknown frame kind", top + int32Bytes(7) + picture(1, 1, "x")},
        {"empty group", top + int32Bytes(1) + int32Bytes(0)},
        {"group larger than the file",
         top + int32Bytes(1) + int32Bytes(0x40000000) + std::string(64, 'g')},
        {"version 2 header cut short", header(2, 2, 0, 1).substr(0, 30)},
    };
    for (const auto& one : cases) {
        SCOPED_TRACE(one.what);
        const SpriteFrames decoded = decodeFrames(one.bytes);
        EXPECT_FALSE(decoded.problem.empty());
        EXPECT_TRUE(decoded.frames.empty());
    }
}

TEST(SpriteFrames, OnlySpritesAreDecoded)
{
    std::string text = "plain text, long enough to have a ninth byte";
    EXPECT_NE(decodeFrames(text).problem.find("not a sprite"), std::string::npos);
    std::string versionThree = halfLifeSprite(0, {singleFrame(1, 1, "x")});
    versionThree[4] = 3;
    EXPECT_NE(decodeFrames(versionThree).problem.find("not a sprite"), std::string::npos);
    EXPECT_TRUE(decodeFrames(versionThree).frames.empty());
}

TEST(SpriteFrames, AShortPaletteLeavesTheColoursItDoesNotListBlack)
{
    const std::string bytes =
        header(2, 2, 0, 1) + palette(2) + singleFrame(3, 1, std::string("\x00\x01\x02", 3));
    const SpriteFrames decoded = decodeFrames(bytes);
    EXPECT_TRUE(decoded.problem.empty()) << decoded.problem;
    ASSERT_EQ(decoded.frames.size(), 1u);
    EXPECT_EQ(pixel(decoded.frames[0], 1, 0), paletteColour(1, 255));
    EXPECT_EQ(pixel(decoded.frames[0], 2, 0), (std::array<int, 4>{0, 0, 0, 255}));
}

} // namespace
} // namespace pivotel

#include "texpeek/core/bc3_alpha.h"
#include "texpeek/core/block_decoders.h"
#include "texpeek/core/dds_file.h"
#include "texpeek/tests/block_builders.h"
#include "texpeek/tests/dds_files.h"
#include "texpeek/tests/quiet_decoding.h"

#include <squish.h>

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <utility>

namespace texpeek {
namespace {

using namespace testing;

ImageGrid decodeFile(const std::string& bytes)
{
    SilentProgress quiet;
    return decodeFileSurface(parseDdsFile(bytes), 0, 0, quiet);
}

const unsigned char* bytesOf(const std::string& block)
{
    return reinterpret_cast<const unsigned char*>(block.data());
}

TEST(Bc1To3, FourAndThreeColourBlocksAndExplicitAndInterpolatedAlpha)
{
    BlockPixels out;
    // Red over blue: four colours, thirds between them; pixel i has index i % 4.
    decodeBc1(bytesOf(bc1Block(0xF800, 0x001F, 0xE4E4E4E4u)), out);
    EXPECT_EQ(out[0], rgba(255, 0, 0, 255));
    EXPECT_EQ(out[1], rgba(0, 0, 255, 255));
    EXPECT_EQ(out[2], rgba(170, 0, 85, 255));
    EXPECT_EQ(out[7], rgba(85, 0, 170, 255));
    // Blue under red: three colours and transparent black at index 3.
    decodeBc1(bytesOf(bc1Block(0x001F, 0xF800, 0xE4E4E4E4u)), out);
    EXPECT_EQ(out[0], rgba(0, 0, 255, 255));
    EXPECT_EQ(out[3], 0u);

    // BC2: four bits of alpha a pixel ahead of a colour block.
    std::string bc2 =
        std::string("\x80\xFF\x00\x00\x00\x00\x00\xF0", 8) + bc1Block(0x07E0, 0x07E0, 0);
    decodeBc2(bytesOf(bc2), out);
    EXPECT_EQ(out[0], rgba(0, 255, 0, 0));
    EXPECT_EQ(out[1], rgba(0, 255, 0, 0x88));
    EXPECT_EQ(out[2], rgba(0, 255, 0, 255));
    EXPECT_EQ(out[15], rgba(0, 255, 0, 255));

    // BC3: alpha endpoints 255 and 0 with indices 0 and 1 alternating.
    std::string bc3 =
        std::string("\xFF\x00\x08\x82\x20\x08\x82\x20", 8) + bc1Block(0xFFFF, 0xFFFF, 0);
    decodeBc3(bytesOf(bc3), out);
    EXPECT_EQ(out[0], rgba(255, 255, 255, 255));
    EXPECT_EQ(out[1], rgba(255, 255, 255, 0));
}

TEST(Bc1To3, WhatSquishCompressesDecodesBack)
{
    // Colours exact in R5G6B5 and alpha of 0 or 255 survive any compressor.
    std::vector<unsigned char> image;
    for (int i = 0; i < 64; ++i) {
        const bool left = (i % 8) < 4;
        image.insert(image.end(), {static_cast<unsigned char>(left ? 255 : 0), 0,
                                   static_cast<unsigned char>(left ? 0 : 255),
                                   static_cast<unsigned char>(i < 32 ? 255 : 0)});
    }
    for (auto [code, flags] :
         {std::pair{"DXT3", squish::kDxt3}, std::pair{"DXT5", squish::kDxt5}}) {
        SCOPED_TRACE(code);
        const ImageGrid grid =
            decodeFile(fourCCHeader(8, 8, code) + squishCompressed(image, 8, 8, flags));
        EXPECT_EQ(grid.cell(1, 1), rgba(255, 0, 0, 255));
        EXPECT_EQ(grid.cell(4, 8), rgba(0, 0, 255, 255));
        EXPECT_EQ(grid.cell(8, 1), rgba(255, 0, 0, 0));
    }
}

TEST(Bc1To3, Bc3DecodesEveryBlockExactlyAsSquishDoes)
{
    // BC3 goes through squish as BC2 with its alpha worked out here, by byte
    // shuffles where the processor has them and pixel by pixel where not;
    // the pixels must stay squish's own BC3 pixels, rounding included. Every
    // endpoint pair in both orders, each with varied indices, then random
    // blocks for the colour half.
    std::mt19937 random(77);
    std::array<unsigned char, 16> block{};
    auto expectSame = [&] {
        BlockPixels ours;
        BlockPixels squishs;
        decodeBc3(block.data(), ours);
        squish::Decompress(reinterpret_cast<squish::u8*>(squishs.data()), block.data(),
                           squish::kDxt5);
        std::array<std::uint8_t, 16> alpha;
        decodeBc3Alpha(block.data(), alpha);
        std::array<std::uint8_t, 16> portableAlpha;
        decodeBc3AlphaPortable(block.data(), portableAlpha);
        ASSERT_EQ(portableAlpha, alpha);
        for (std::size_t i = 0; i < 16; ++i) {
            ASSERT_EQ(ours[i], squishs[i])
                << "pixel " << i << " endpoints " << int(block[0]) << ", " << int(block[1]);
            ASSERT_EQ(alpha[i], squishs[i] >> 24);
        }
    };
    for (int a0 = 0; a0 < 256; ++a0) {
        for (int a1 = 0; a1 < 256; ++a1) {
            for (unsigned char& byte : block)
                byte = static_cast<unsigned char>(random());
            block[0] = static_cast<unsigned char>(a0);
            block[1] = static_cast<unsigned char>(a1);
            expectSame();
        }
    }
    // All eight indices in every pixel position, in both modes.
    for (auto [a0, a1] : {std::pair{200, 10}, std::pair{10, 200}}) {
        block[0] = static_cast<unsigned char>(a0);
        block[1] = static_cast<unsigned char>(a1);
        for (unsigned index = 0; index < 8; ++index) {
            std::uint64_t bits = 0;
            for (unsigned i = 0; i < 16; ++i)
                bits |= std::uint64_t{(index + i) % 8} << (3 * i);
            for (int i = 0; i < 6; ++i)
                block[2 + i] = static_cast<unsigned char>(bits >> (8 * i));
            expectSame();
        }
    }
}

TEST(Bc1To3, SidesThatAreNotMultiplesOfFourKeepTheirPixels)
{
    // 5 x 3: two blocks across, one down; red then blue.
    const std::string file =
        fourCCHeader(5, 3, "DXT1") + bc1Block(0xF800, 0xF800, 0) + bc1Block(0x001F, 0x001F, 0);
    const ImageGrid grid = decodeFile(file);
    ASSERT_EQ(grid.width(), 5);
    ASSERT_EQ(grid.height(), 3);
    EXPECT_EQ(grid.cell(3, 4), rgba(255, 0, 0, 255));
    EXPECT_EQ(grid.cell(1, 5), rgba(0, 0, 255, 255));
    EXPECT_EQ(grid.cell(3, 5), rgba(0, 0, 255, 255));
    // 1 x 1 BC7 still takes a whole block.
    EXPECT_EQ(decodeFile(dx10Header(1, 1, 98) + std::string(16, '\0')).cell(1, 1), 0u);
}

TEST(Bc4And5, UnsignedAndSignedChannels)
{
    std::array<std::uint8_t, 16> values;
    // Eight levels: pixels 0..3 have indices 0, 1, 2 and 7.
    decodeBc4Channel(bytesOf(std::string("\xC8\x64\x88\x0E\x00\x00\x00\x00", 8)), false, values);
    EXPECT_EQ(values[0], 200);
    EXPECT_EQ(values[1], 100);
    EXPECT_EQ(values[2], 186); // (6 * 200 + 100) / 7
    EXPECT_EQ(values[3], 114); // (200 + 6 * 100) / 7
    // Six levels and the extremes: pixels 0..2 have indices 2, 6 and 7.
    decodeBc4Channel(bytesOf(std::string("\x64\xC8\xF2\x01\x00\x00\x00\x00", 8)), false, values);
    EXPECT_EQ(values[0], 120);
    EXPECT_EQ(values[1], 0);
    EXPECT_EQ(values[2], 255);
    // Signed: 127 and -127 (-128 reads as -127); -1..1 shows as 0..255.
    decodeBc4Channel(bytesOf(std::string("\x7F\x80\x88\x0E\x00\x00\x00\x00", 8)), true, values);
    EXPECT_EQ(values[0], 255);
    EXPECT_EQ(values[1], 0);
    EXPECT_EQ(values[2], 219); // 635 / 7 = 90.7 of 127

    // BC5: red from the first half, green from the second; BC4 is grey.
    const std::string red("\xFF\xFF\x00\x00\x00\x00\x00\x00", 8);
    const std::string green("\x40\x40\x00\x00\x00\x00\x00\x00", 8);
    // BC5 is read as a normal map: Z rebuilt from x = 1, y = -0.5 is 0.
    EXPECT_EQ(decodeFile(fourCCHeader(4, 4, "ATI2") + red + green).cell(2, 2),
              rgba(255, 0x40, 128, 0));
    EXPECT_EQ(decodeFile(fourCCHeader(4, 4, "BC4U") + green).cell(4, 4), rgba(0x40, 0x40, 0x40, 0));
    const std::string minusOne("\x81\x81\x00\x00\x00\x00\x00\x00", 8);
    EXPECT_EQ(decodeFile(dx10Header(4, 4, 84) + minusOne + red).cell(1, 1), rgba(0, 126, 128, 0));
}

// A BC7 block built field by field in the order the format stores them.
struct Bc7Fields {
    int mode = 0;
    unsigned partition = 0;
    unsigned rotation = 0;
    unsigned indexSelection = 0;
    unsigned colour[3][2][3] = {}; // [subset][end][channel], without p-bits
    unsigned alpha[3][2] = {};
    unsigned pBits[3][2] = {}; // shared p-bits use [subset][0]
    unsigned primary[16] = {};
    unsigned secondary[16] = {};
};

struct Bc7Shape {
    int subsets, partitionBits, rotationBits, selectionBits, colourBits, alphaBits;
    bool endpointP, sharedP;
    int indexBits, secondaryBits;
};

constexpr Bc7Shape kShapes[8] = {
    {3, 4, 0, 0, 4, 0, true, false, 3, 0},  {2, 6, 0, 0, 6, 0, false, true, 3, 0},
    {3, 6, 0, 0, 5, 0, false, false, 2, 0}, {2, 6, 0, 0, 7, 0, true, false, 2, 0},
    {1, 0, 2, 1, 5, 6, false, false, 2, 3}, {1, 0, 2, 0, 7, 8, false, false, 2, 2},
    {1, 0, 0, 0, 7, 7, true, false, 4, 0},  {2, 6, 0, 0, 5, 5, true, false, 2, 0},
};

std::string bc7Block(const Bc7Fields& f, const std::vector<int>& anchors)
{
    const Bc7Shape& s = kShapes[f.mode];
    BitWriter w;
    w.put(1u << f.mode, f.mode + 1)
        .put(f.partition, s.partitionBits)
        .put(f.rotation, s.rotationBits);
    w.put(f.indexSelection, s.selectionBits);
    for (int c = 0; c < 3; ++c)
        for (int sub = 0; sub < s.subsets; ++sub)
            for (int e = 0; e < 2; ++e)
                w.put(f.colour[sub][e][c], s.colourBits);
    for (int sub = 0; s.alphaBits != 0 && sub < s.subsets; ++sub)
        for (int e = 0; e < 2; ++e)
            w.put(f.alpha[sub][e], s.alphaBits);
    for (int sub = 0; sub < s.subsets; ++sub) {
        if (s.sharedP)
            w.put(f.pBits[sub][0], 1);
        for (int e = 0; s.endpointP && e < 2; ++e)
            w.put(f.pBits[sub][e], 1);
    }
    auto isAnchorPixel = [&](int i) {
        return std::find(anchors.begin(), anchors.end(), i) != anchors.end();
    };
    for (int i = 0; i < 16; ++i)
        w.put(f.primary[i], s.indexBits - (isAnchorPixel(i) ? 1 : 0));
    for (int i = 0; s.secondaryBits != 0 && i < 16; ++i)
        w.put(f.secondary[i], s.secondaryBits - (i == 0 ? 1 : 0));
    EXPECT_EQ(w.position(), 128) << "mode " << f.mode;
    return w.block();
}

TEST(Bc7, EveryModeSplitsItsSubsetsAndWidensItsEndpoints)
{
    // Subset 0 runs from black to full red, subset 1 to full green, subset 2
    // to full blue; every pixel but the anchors takes the far end. Partition
    // 13 of two subsets puts the lower two rows in subset 1 (anchor 15);
    // partition 8 of three subsets the third row in 1 and the fourth in 2
    // (anchors 8 and 15).
    const int twoSubsets[16] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1};
    const int threeSubsets[16] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2};
    for (int mode = 0; mode < 8; ++mode) {
        SCOPED_TRACE(mode);
        const Bc7Shape& s = kShapes[mode];
        Bc7Fields f;
        f.mode = mode;
        std::vector<int> anchors{0};
        const int* subsetOfPixel = nullptr;
        if (s.subsets == 2) {
            f.partition = 13;
            anchors.push_back(15);
            subsetOfPixel = twoSubsets;
        } else if (s.subsets == 3) {
            f.partition = 8;
            anchors = {0, 8, 15};
            subsetOfPixel = threeSubsets;
        }
        const unsigned top = (1u << s.colourBits) - 1;
        for (int sub = 0; sub < s.subsets; ++sub) {
            f.colour[sub][1][sub] = top;
            f.alpha[sub][0] = f.alpha[sub][1] = (1u << s.alphaBits) - 1;
            f.pBits[sub][1] = 1;
        }
        // With a shared p-bit of 0 the far end is 1111110 widened: 253. The
        // near alpha end has p-bit 0 too: 11111110 (254) in mode 6, 111110
        // widened (251) in mode 7.
        const int far = s.sharedP ? 253 : 255;
        const int nearAlpha[8] = {255, 255, 255, 255, 255, 255, 254, 251};
        // The far end's p-bit of 1 also lands in its other channels: a 1
        // widened from 5, 8, 8 and 6 bits in modes 0, 3, 6 and 7.
        const int farOther[8] = {8, 0, 0, 1, 0, 0, 1, 4};
        for (int i = 0; i < 16; ++i) {
            const bool anchor = std::find(anchors.begin(), anchors.end(), i) != anchors.end();
            f.primary[i] = anchor ? 0 : (1u << s.indexBits) - 1;
            f.secondary[i] = anchor ? 0 : (1u << s.secondaryBits) - 1;
        }
        BlockPixels out;
        decodeBc7(bytesOf(bc7Block(f, anchors)), out);
        for (int i = 0; i < 16; ++i) {
            const bool anchor = std::find(anchors.begin(), anchors.end(), i) != anchors.end();
            const int sub = subsetOfPixel ? subsetOfPixel[i] : 0;
            int channels[3] = {0, 0, 0};
            if (!anchor) {
                channels[0] = channels[1] = channels[2] = farOther[mode];
                channels[sub] = far;
            }
            EXPECT_EQ(out[static_cast<std::size_t>(i)],
                      rgba(channels[0], channels[1], channels[2], anchor ? nearAlpha[mode] : 255))
                << "pixel " << i;
        }
    }
}

TEST(Bc7, InterpolationRotationAndIndexSelection)
{
    BlockPixels out;
    // Mode 6: red 64 with p-bit 1 (129) to 127 with p-bit 1 (255); index 8
    // weighs 34/64: (30 * 129 + 34 * 255 + 32) / 64 = 196.
    Bc7Fields six;
    six.mode = 6;
    six.colour[0][0][0] = 64;
    six.colour[0][1][0] = 127;
    six.pBits[0][1] = 1;
    six.alpha[0][0] = six.alpha[0][1] = 127;
    six.pBits[0][0] = 1;
    six.primary[1] = 8;
    decodeBc7(bytesOf(bc7Block(six, {0})), out);
    // Green and blue are 0 with both p-bits 1: 1 at either end.
    EXPECT_EQ(out[0], rgba(129, 1, 1, 255));
    EXPECT_EQ(out[1], rgba(196, 1, 1, 255));

    // Mode 5, rotation 1: red and alpha trade places after interpolation.
    Bc7Fields five;
    five.mode = 5;
    five.rotation = 1;
    five.colour[0][1][0] = 127; // red 0 .. 255
    five.alpha[0][0] = 0x40; // alpha 0x40 .. 0x40
    five.alpha[0][1] = 0x40;
    five.primary[1] = 3;
    decodeBc7(bytesOf(bc7Block(five, {0})), out);
    EXPECT_EQ(out[0], rgba(0x40, 0, 0, 0));
    EXPECT_EQ(out[1], rgba(0x40, 0, 0, 255));

    // Mode 4: with the selection bit set, colour takes the three-bit
    // indices and alpha the two-bit ones.
    Bc7Fields four;
    four.mode = 4;
    four.indexSelection = 1;
    four.colour[0][1][1] = 31; // green 0 .. 255
    four.alpha[0][1] = 63; // alpha 0 .. 255
    four.primary[1] = 3; // alpha full
    four.secondary[2] = 7; // green full
    decodeBc7(bytesOf(bc7Block(four, {0})), out);
    EXPECT_EQ(out[1], rgba(0, 0, 0, 255));
    EXPECT_EQ(out[2], rgba(0, 255, 0, 0));

    // A first byte of zero is no mode: the block is all zero.
    decodeBc7(bytesOf(std::string(16, '\0')), out);
    EXPECT_EQ(out[5], 0u);
}

TEST(Bc6h, EveryModeReadsItsFirstEndpoint)
{
    // The low bits of the first red endpoint start right after the mode bits
    // in every mode; with them 63, the deltas zero and every index 0, each
    // pixel's red is that endpoint unquantised for the mode's width:
    // ((63 << 15) + 0x4000) >> (bits - 1), then * 31 / 64.
    struct Case {
        unsigned mode;
        int modeBits;
        std::uint16_t red;
    };
    const Case cases[] = {
        {0, 2, 1968},  {1, 2, 15748}, {2, 5, 984},   {6, 5, 984},   {10, 5, 984},
        {14, 5, 3937}, {18, 5, 7874}, {22, 5, 7874}, {26, 5, 7874}, {30, 5, 31743},
        {3, 5, 1968},  {7, 5, 984},   {11, 5, 492},  {15, 5, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        BitWriter w;
        w.put(c.mode, c.modeBits);
        if (c.modeBits == 2)
            w.put(0, 3);
        w.put(63, 6);
        std::array<std::uint16_t, 48> out;
        decodeBc6h(bytesOf(w.block()), false, out);
        for (int i = 0; i < 16; ++i) {
            // Mode 30 does not move the second subset's endpoints by the
            // first's, so the pixels of subset 1 (partition 0: 0xCCCC) are 0.
            const bool secondSubset = c.mode == 30 && (0xCCCC >> i & 1) != 0;
            EXPECT_EQ(out[static_cast<std::size_t>(3 * i)], secondSubset ? 0 : c.red) << i;
            EXPECT_EQ(out[static_cast<std::size_t>(3 * i + 1)], 0);
        }
    }
}

TEST(Bc6h, InterpolationSignsDeltasAndReservedModes)
{
    std::array<std::uint16_t, 48> out;
    // Mode 3, unsigned: red 0 to 1023 (0xFFFF unquantised); index 8 weighs
    // 34/64: 34815, * 31 / 64 = 16863 (half 0x41DF, about 2.94).
    BitWriter three;
    three.put(3, 5).put(0, 30).put(1023, 10).put(0, 20);
    three.put(0, 3).put(8, 4).put(15, 4);
    decodeBc6h(bytesOf(three.block()), false, out);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[3], 0x41DF);
    EXPECT_EQ(out[6], 0x7BFF);
    EXPECT_NEAR(halfToFloat(out[3]), 2.9355f, 1e-3f);

    // Signed, mode 3: red -1 unquantises to -96 and shows as -(96 * 31 / 32).
    BitWriter negative;
    negative.put(3, 5).put(0x3FF, 10);
    decodeBc6h(bytesOf(negative.block()), true, out);
    EXPECT_EQ(out[0], 0x8000 | 93);

    // Mode 0 moves the other endpoints by signed deltas from the first: red
    // 100 and a delta of -1 give 99 at the far end.
    BitWriter deltas;
    deltas.put(0, 2).put(0, 3).put(100, 10).put(0, 20).put(0x1F, 5);
    while (deltas.position() < 82)
        deltas.put(0, 1);
    deltas.put(0, 2).put(7, 3);
    decodeBc6h(bytesOf(deltas.block()), false, out);
    EXPECT_EQ(out[0], ((((100 << 15) + 0x4000) >> 9) * 31) >> 6);
    EXPECT_EQ(out[3], ((((99 << 15) + 0x4000) >> 9) * 31) >> 6);

    // Mode 19 is reserved: black.
    BitWriter reserved;
    reserved.put(19, 5).put(0x3FF, 10);
    decodeBc6h(bytesOf(reserved.block()), false, out);
    EXPECT_EQ(out[0], 0);

    // Through a file with the tone curve chosen, brighter stays brighter.
    const DdsFile file = parseDdsFile(dx10Header(4, 4, 95) + three.block());
    Interpretation toned = defaultInterpretation(file);
    toned.curve.value = HdrCurve::ToneCurve;
    SilentProgress quiet;
    const ImageGrid grid = decodeFileSurface(file, 0, 0, quiet, nullptr, &toned);
    EXPECT_EQ(grid.red(1, 1), 0);
    EXPECT_GT(grid.red(1, 3), grid.red(1, 2));
    EXPECT_GT(grid.red(1, 2), 200);
    EXPECT_EQ(toneMapped(-1.0f), 0);
    EXPECT_EQ(toneMapped(1e30f), 255);
}

// Every pixel of the chosen surface, the same through both files.
void expectSamePixels(const std::string& file, const std::string& twin, std::uint32_t level)
{
    SilentProgress quiet;
    const ImageGrid got = decodeFileSurface(parseDdsFile(file), level, 0, quiet);
    const ImageGrid want = decodeFileSurface(parseDdsFile(twin), level, 0, quiet);
    ASSERT_EQ(got.width(), want.width());
    ASSERT_EQ(got.height(), want.height());
    for (int row = 1; row <= want.height(); ++row)
        for (int column = 1; column <= want.width(); ++column)
            ASSERT_EQ(got.cell(row, column), want.cell(row, column))
                << "row " << row << ", column " << column;
}

TEST(Dx10Blocks, Bc1To3UnormAndSrgbDecodeAsTheirFourCCTwins)
{
    // Two levels: an 8 x 8 picture squish compressed, then one hand-built
    // 4 x 4 block whose pixels are known. The extended header moves the data
    // 20 bytes on, and each level must still start where it should.
    struct Case {
        const char* code;
        int squishFlags;
        std::uint32_t unorm, srgb;
        std::string block;
        int column;
        std::uint32_t pixel;
    };
    const Case cases[] = {
        // Three colours: pixel 3 takes the transparent black of index 3.
        {"DXT1", squish::kDxt1, 71, 72, bc1Block(0x001F, 0xF800, 0xE4E4E4E4u), 4, 0u},
        {"DXT3", squish::kDxt3, 74, 75,
         std::string("\x80\xFF\x00\x00\x00\x00\x00\xF0", 8) + bc1Block(0x07E0, 0x07E0, 0), 2,
         rgba(0, 255, 0, 0x88)},
        {"DXT5", squish::kDxt5, 77, 78,
         std::string("\xFF\x00\x08\x82\x20\x08\x82\x20", 8) + bc1Block(0xFFFF, 0xFFFF, 0), 2,
         rgba(255, 255, 255, 0)},
    };
    for (const Case& c : cases) {
        const std::string data = squishCompressed(colourWheel(8, 8), 8, 8, c.squishFlags) + c.block;
        const std::string legacy = fourCCHeader(8, 8, c.code, 2) + data;
        for (std::uint32_t dxgi : {c.unorm, c.srgb}) {
            SCOPED_TRACE(::testing::Message() << c.code << " as DXGI " << dxgi);
            const std::string file = dx10Header(8, 8, dxgi, 1, 0, 3, 2) + data;
            ASSERT_EQ(parseDdsFile(file).layout.levels, 2u);
            expectSamePixels(file, legacy, 0);
            expectSamePixels(file, legacy, 1);
            SilentProgress quiet;
            EXPECT_EQ(decodeFileSurface(parseDdsFile(file), 1, 0, quiet).cell(1, c.column),
                      c.pixel);
        }
    }
}

TEST(Dx10Blocks, Bc7SrgbDecodesAsBc7Unorm)
{
    // BC7 has no FourCC of its own, so the sRGB form is held to the plain
    // one and to the block decoder's known values. Four blocks of different
    // modes make an 8 x 8 picture.
    Bc7Fields six;
    six.mode = 6;
    six.colour[0][0][0] = 64;
    six.colour[0][1][0] = 127;
    six.pBits[0][1] = 1;
    six.alpha[0][0] = six.alpha[0][1] = 127;
    six.pBits[0][0] = 1;
    six.primary[1] = 8;
    Bc7Fields five;
    five.mode = 5;
    five.rotation = 1;
    five.colour[0][1][0] = 127;
    five.alpha[0][0] = five.alpha[0][1] = 0x40;
    five.primary[1] = 3;
    Bc7Fields one;
    one.mode = 1;
    one.partition = 13;
    one.colour[1][1][1] = 63;
    for (int i = 1; i < 15; ++i)
        one.primary[i] = 7;
    const std::string data =
        bc7Block(six, {0}) + bc7Block(five, {0}) + bc7Block(one, {0, 15}) +
        std::string("\x20\x9A\x51\x0F\xC3\x77\x05\xE8\x3D\x61\xB2\x4E\x90\x1C\xA7\x38", 16);

    const std::string srgb = dx10Header(8, 8, 99) + data;
    expectSamePixels(srgb, dx10Header(8, 8, 98) + data, 0);
    const ImageGrid grid = decodeFile(srgb);
    EXPECT_EQ(grid.cell(1, 1), rgba(129, 1, 1, 255));
    EXPECT_EQ(grid.cell(1, 2), rgba(196, 1, 1, 255));
    EXPECT_EQ(grid.cell(1, 5), rgba(0x40, 0, 0, 0));
    EXPECT_EQ(grid.cell(1, 6), rgba(0x40, 0, 0, 255));
    // The third block is the lower left one; its lower rows are subset 1.
    EXPECT_EQ(grid.cell(8, 1), rgba(0, 253, 0, 255));
    EXPECT_EQ(grid.cell(5, 2), rgba(0, 0, 0, 255));
}

} // namespace
} // namespace texpeek

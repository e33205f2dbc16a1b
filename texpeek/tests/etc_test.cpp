#include "texpeek/core/dds_file.h"
#include "texpeek/core/etc_block.h"
#include "texpeek/tests/block_builders.h"
#include "texpeek/tests/quiet_decoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace texpeek {
namespace {

using namespace testing;

std::string bytes(std::initializer_list<unsigned> values)
{
    std::string out;
    for (const unsigned v : values)
        out += static_cast<char>(v);
    return out;
}

const unsigned char* raw(const std::string& block)
{
    return reinterpret_cast<const unsigned char*>(block.data());
}

// An EAC block: base, multiplier, table and 16 three-bit indices in pixel
// order down the columns (pixel (x, y) is index x * 4 + y).
std::string eacBlock(unsigned base, unsigned multiplier, unsigned table,
                     const std::vector<unsigned>& indices)
{
    std::uint64_t word =
        std::uint64_t{base} << 56 | std::uint64_t{multiplier} << 52 | std::uint64_t{table} << 48;
    for (std::size_t i = 0; i < 16; ++i)
        word |= std::uint64_t{indices[i]} << (45 - 3 * i);
    std::string out;
    for (int i = 7; i >= 0; --i)
        out += static_cast<char>((word >> (8 * i)) & 0xFF);
    return out;
}

TEST(Etc, IndividualDifferentialAndTModes)
{
    BlockPixels out;
    // Individual: sub-blocks side by side, colours AA5500 and 00FF33, tables
    // 0 (2, 8) and 7 (47, 183); pixel (1, 0) has index 3 (-8), the rest 0 (+2).
    const std::string individual = bytes({0xA0, 0x5F, 0x03, 0x1C, 0x00, 0x10, 0x00, 0x10});
    decodeEtcColour(raw(individual), EtcKind::Etc1, out);
    EXPECT_EQ(out[0], rgba(0xAA + 2, 0x55 + 2, 2, 255));
    EXPECT_EQ(out[1], rgba(0xAA - 8, 0x55 - 8, 0, 255));
    EXPECT_EQ(out[15], rgba(47, 255, 0x33 + 47, 255));

    // Differential, flipped: red 16 (+1), green 0, blue 31 (-1); the top
    // half from the first colour, the bottom from the second.
    const std::string differential = bytes({0x81, 0x00, 0xFF, 0x03, 0, 0, 0, 0});
    for (const EtcKind kind : {EtcKind::Etc1, EtcKind::Etc2}) {
        decodeEtcColour(raw(differential), kind, out);
        EXPECT_EQ(out[0], rgba(132 + 2, 2, 255, 255));
        EXPECT_EQ(out[15], rgba(140 + 2, 2, 247 + 2, 255));
    }

    // Red out of range in ETC2 is T mode: paint colours red, grey 3, black,
    // black; pixel (1, 0) has index 1.
    const std::string tMode = bytes({0xFB, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x10});
    decodeEtcColour(raw(tMode), EtcKind::Etc2, out);
    EXPECT_EQ(out[0], rgba(255, 0, 0, 255));
    EXPECT_EQ(out[1], rgba(3, 3, 3, 255));

    // Punch-through without the opaque bit: index 2 is transparent black,
    // index 0 takes no modifier.
    const std::string punch = bytes({0x81, 0x00, 0xF8, 0x01, 0x00, 0x01, 0x00, 0x00});
    decodeEtcColour(raw(punch), EtcKind::Etc2Punch, out);
    EXPECT_EQ(out[0], 0u);
    EXPECT_EQ(out[4], rgba(132, 0, 255, 255));
}

TEST(Etc, EacAlphaAndElevenBitChannels)
{
    std::vector<unsigned> indices(16, 4);
    indices[0] = 3;
    std::array<std::uint8_t, 16> values;
    // Base 100, multiplier 2, table 0: index 4 adds 2 * 2, index 3 takes 15 * 2.
    decodeEacAlpha(raw(eacBlock(100, 2, 0, indices)), values);
    EXPECT_EQ(values[0], 70);
    EXPECT_EQ(values[5], 104);

    // 11 bits: base * 8 + 4 + modifier * multiplier * 8, shown as 0..255.
    decodeEac11(raw(eacBlock(255, 15, 0, std::vector<unsigned>(16, 7))), false, values);
    EXPECT_EQ(values[3], 255);
    decodeEac11(raw(eacBlock(0, 1, 0, std::vector<unsigned>(16, 3))), false, values);
    EXPECT_EQ(values[3], 0);
    // Signed: -127 - 15 clamps at -1; 0 + 2 (multiplier 0 counts as 1/8) is
    // about 0, mid-grey.
    decodeEac11(raw(eacBlock(0x81, 1, 0, std::vector<unsigned>(16, 3))), true, values);
    EXPECT_EQ(values[0], 0);
    decodeEac11(raw(eacBlock(0, 0, 0, std::vector<unsigned>(16, 4))), true, values);
    EXPECT_EQ(values[0], 128);
}

TEST(Etc, FilesByFourCC)
{
    const std::string differential = bytes({0x81, 0x00, 0xFF, 0x03, 0, 0, 0, 0});
    // Without alpha, alpha stays 0.
    EXPECT_EQ(decodeWhole(fourCCHeader(4, 4, "ETC1") + differential).cell(1, 1),
              rgba(134, 2, 255, 0));
    EXPECT_EQ(decodeWhole(fourCCHeader(4, 4, "ETC2") + differential).cell(4, 4),
              rgba(142, 2, 249, 0));
    // RGBA: the EAC alpha block first.
    const std::string alpha = eacBlock(200, 0, 13, std::vector<unsigned>(16, 4)); // +0
    const ImageGrid rgbaGrid = decodeWhole(fourCCHeader(4, 4, "ETCA") + alpha + differential);
    EXPECT_EQ(rgbaGrid.cell(1, 1), rgba(134, 2, 255, 200));
    const DdsFile eac = parseDdsFile(fourCCHeader(4, 4, "EAC2"));
    ASSERT_NE(eac.pixelFormat(), nullptr);
    EXPECT_EQ(eac.pixelFormat()->name, "EAC RG11");
    EXPECT_TRUE(defaultInterpretation(eac).normalMap.applies);
    EXPECT_FALSE(eac.pixelFormat()->premultiplied);
}

} // namespace
} // namespace texpeek

#include "texpeek/core/dds_file.h"
#include "texpeek/tests/block_builders.h"
#include "texpeek/tests/dds_files.h"
#include "texpeek/tests/quiet_decoding.h"

#include <gtest/gtest.h>

#include <string>

namespace texpeek {
namespace {

using namespace testing;

// The legacy header that names a format by a number in its FourCC field.
std::string numberedHeader(std::int32_t width, std::int32_t height, std::uint32_t number)
{
    std::string bytes = fourCCHeader(width, height, "DXT1");
    putLe32(bytes, 84, number);
    return bytes;
}

const std::string kHalfHalf = le(0x3800, 2);
const std::string kHalfOne = le(0x3C00, 2);
const std::string kFloatOne = le(0x3F800000, 4);
const std::string kFloatTwo = le(0x40000000, 4);

TEST(ChannelFormats, OneAndTwoChannelFloatsLegacyAndDx10)
{
    struct Case {
        std::string header;
        std::string pixel;
        const char* name;
        std::uint32_t cell;
    };
    // Linear 0.5 encodes to 188, 1.0 is 255, 2.0 clips; no alpha channel.
    const Case cases[] = {
        {numberedHeader(1, 1, 111), kHalfHalf, "R16F", rgba(188, 0, 0, 0)},
        {numberedHeader(1, 1, 112), kHalfHalf + kHalfOne, "G16R16F", rgba(188, 255, 0, 0)},
        {numberedHeader(1, 1, 114), kFloatOne, "R32F", rgba(255, 0, 0, 0)},
        {numberedHeader(1, 1, 115), le(0, 4) + kFloatTwo, "G32R32F", rgba(0, 255, 0, 0)},
        {dx10Header(1, 1, 54), kHalfHalf, "R16_FLOAT", rgba(188, 0, 0, 0)},
        {dx10Header(1, 1, 34), kHalfOne + kHalfHalf, "R16G16_FLOAT", rgba(255, 188, 0, 0)},
        {dx10Header(1, 1, 41), kFloatTwo, "R32_FLOAT", rgba(255, 0, 0, 0)},
        {dx10Header(1, 1, 17), kFloatOne + kFloatOne, "R32G32_FLOAT", rgba(255, 255, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DdsFile file = parseDdsFile(c.header + c.pixel);
        ASSERT_NE(file.pixelFormat(), nullptr);
        EXPECT_EQ(file.pixelFormat()->name, c.name);
        EXPECT_FALSE(file.pixelFormat()->hasAlpha);
        EXPECT_TRUE(defaultInterpretation(file).exposureEv.applies);
        EXPECT_EQ(decodeWhole(c.header + c.pixel).cell(1, 1), c.cell);
    }
}

TEST(ChannelFormats, IntegerAndNormalisedLayoutsOfOneTwoAndFourChannels)
{
    struct Case {
        std::uint32_t dxgi;
        std::string pixel;
        std::uint32_t cell;
    };
    const Case cases[] = {
        {56, le(0x8000, 2), rgba(128, 0, 0, 0)}, // R16_UNORM
        {35, le(0xFFFF, 2) + le(0x0101, 2), rgba(255, 1, 0, 0)}, // R16G16_UNORM
        {62, "\xC8", rgba(200, 0, 0, 0)}, // R8_UINT: as UNORM of 8 bits
        {42, le(0xFFFFFFFFu, 4), rgba(255, 0, 0, 0)}, // R32_UINT
        {18, le(0, 4) + le(0x80000000u, 4), rgba(0, 128, 0, 0)}, // R32G32_UINT
        {30, "\x01\x02\x03\x04", rgba(1, 2, 3, 4)}, // R8G8B8A8_UINT
        {12, le(0xFFFF, 2) + le(0, 2) + le(0xFFFF, 2) + le(0x8000, 2),
         rgba(255, 0, 255, 128)}, // R16G16B16A16_UINT
        {3, le(0xFFFFFFFFu, 4) + le(0, 4) + le(0, 4) + le(0xFFFFFFFFu, 4),
         rgba(255, 0, 0, 255)}, // R32G32B32A32_UINT
        // Signed: -1, 0 and 1 show as 0, mid-grey and 255; the most negative
        // value stands for -1.
        {63, "\x81", rgba(0, 0, 0, 0)}, // R8_SNORM
        {64, "\x7F", rgba(255, 0, 0, 0)}, // R8_SINT
        {58, le(0x8000, 2), rgba(0, 0, 0, 0)}, // R16_SNORM
        {59, le(0, 2), rgba(128, 0, 0, 0)}, // R16_SINT
        {43, le(0x7FFFFFFF, 4), rgba(255, 0, 0, 0)}, // R32_SINT
        {31, std::string("\x7F\x00\x81\x7F", 4), rgba(255, 128, 0, 255)}, // R8G8B8A8_SNORM
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dxgi);
        EXPECT_EQ(decodeWhole(dx10Header(1, 1, c.dxgi) + c.pixel).cell(1, 1), c.cell);
    }
    // Two-channel signed layouts: signed data and a normal map to assume.
    const std::string bytes = dx10Header(1, 1, 51) + std::string("\x00\x00", 2);
    const Interpretation in = defaultInterpretation(parseDdsFile(bytes));
    EXPECT_TRUE(in.signedData.applies);
    EXPECT_TRUE(in.normalMap.applies);
    EXPECT_EQ(decodeWhole(bytes).cell(1, 1), rgba(128, 128, 0, 0));
    // The legacy signed layouts by number.
    EXPECT_EQ(decodeWhole(numberedHeader(1, 1, 60) + std::string("\x7F\x81", 2)).cell(1, 1),
              rgba(255, 0, 0, 0)); // V8U8
    EXPECT_EQ(parseDdsFile(numberedHeader(1, 1, 110)).pixelFormat()->name, "Q16W16V16U16");
}

TEST(ChannelFormats, EightBitPaletteFilesLookTheirColoursUp)
{
    std::string palette(1024, '\0');
    palette.replace(0, 4, "\x10\x20\x30\x40");
    palette.replace(255 * 4, 4, std::string("\xFF\x80\x00\xFF", 4));
    const std::string header = maskedHeader(3, 1, 8, 0x20, 0, 0, 0, 0);
    const std::string bytes = header + palette + std::string("\x00\xFF\x01", 3);
    const DdsFile file = parseDdsFile(bytes);
    ASSERT_NE(file.pixelFormat(), nullptr);
    EXPECT_EQ(file.pixelFormat()->name, "P8");
    EXPECT_TRUE(file.pixelFormat()->hasAlpha);
    const ImageGrid grid = decodeWhole(bytes);
    EXPECT_EQ(grid.cell(1, 1), rgba(0x10, 0x20, 0x30, 0x40));
    EXPECT_EQ(grid.cell(1, 2), rgba(0xFF, 0x80, 0x00, 0xFF));
    EXPECT_EQ(grid.cell(1, 3), 0u);
    // A file that ends inside its palette has no pixels to show.
    SilentProgress quiet;
    EXPECT_THROW(decodeFileSurface(parseDdsFile(header + palette.substr(0, 100)), 0, 0, quiet),
                 DdsError);
}

TEST(ChannelFormats, PackedThreeChannelFloats)
{
    // R11G11B10: 1.0 (exponent 15) in red, 0.5 (14) in green, 2.0 (16) in
    // blue; linear, so 0.5 shows as 188 and 2.0 clips.
    const std::uint32_t packed = 15u << 6 | (14u << 6) << 11 | (16u << 5) << 22;
    EXPECT_EQ(decodeWhole(dx10Header(1, 1, 26) + le(packed, 4)).cell(1, 1), rgba(255, 188, 255, 0));
    // RGB9E5: mantissas 256, 128, 0 with exponent 16 (2^-8 a step): 1.0, 0.5, 0.
    const std::uint32_t shared = 256u | 128u << 9 | 16u << 27;
    EXPECT_EQ(decodeWhole(dx10Header(1, 1, 67) + le(shared, 4)).cell(1, 1), rgba(255, 188, 0, 0));
    EXPECT_TRUE(defaultInterpretation(parseDdsFile(dx10Header(1, 1, 67))).exposureEv.applies);
    // Depth: D32_FLOAT and D16_UNORM in red.
    EXPECT_EQ(decodeWhole(dx10Header(1, 1, 40) + kFloatOne).cell(1, 1), rgba(255, 0, 0, 0));
    EXPECT_EQ(decodeWhole(dx10Header(1, 1, 55) + le(0xFFFF, 2)).cell(1, 1), rgba(255, 0, 0, 0));
}

TEST(ChannelFormats, AFormatStillNotDecodedNamesItself)
{
    EXPECT_EQ(std::get<std::string>(parseDdsFile(dx10Header(1, 1, 45)).format),
              "Formato DXGI 45 não suportado");
    EXPECT_EQ(std::get<std::string>(parseDdsFile(numberedHeader(1, 1, 117)).format),
              "Formato 117 não suportado");
}

} // namespace
} // namespace texpeek

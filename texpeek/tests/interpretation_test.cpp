#include "texpeek/core/dds_file.h"
#include "texpeek/core/interpretation.h"
#include "texpeek/tests/block_builders.h"
#include "texpeek/tests/dds_files.h"
#include "texpeek/tests/quiet_decoding.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace texpeek {
namespace {

using namespace testing;

// The first pixel of `bytes` under the default reading changed by `change`.
std::uint32_t firstCell(const std::string& bytes,
                        const std::function<void(Interpretation&)>& change = {})
{
    const DdsFile file = parseDdsFile(bytes);
    Interpretation reading = defaultInterpretation(file);
    if (change)
        change(reading);
    SilentProgress quiet;
    return decodeFileSurface(file, 0, 0, quiet, nullptr, &reading).cell(1, 1);
}

// A DX10 file whose extended header gives `alphaMode` in miscFlags2.
std::string withAlphaMode(std::uint32_t dxgi, std::uint32_t alphaMode, const std::string& pixels)
{
    std::string bytes = dx10Header(1, 1, dxgi) + pixels;
    putLe32(bytes, kHeaderSize + 16, alphaMode);
    return bytes;
}

// A BC2 block: every alpha nibble `alpha`, both end colours `colour`.
std::string bc2Block(unsigned alpha, std::uint16_t colour)
{
    return std::string(8, static_cast<char>(alpha * 17)) + bc1Block(colour, colour, 0);
}

TEST(Interpretation, PremultipliedAlphaComesFromTheFormatAndTheAlphaMode)
{
    struct Case {
        std::string bytes;
        AlphaMode mode;
        bool guessed;
    };
    const std::string opaqueBlack = le(0xFF000000u, 4);
    const Case cases[] = {
        {fourCCHeader(4, 4, "DXT2") + bc2Block(8, 0x8410), AlphaMode::Premultiplied, false},
        {fourCCHeader(4, 4, "DXT4") + std::string(16, '\0'), AlphaMode::Premultiplied, false},
        {fourCCHeader(4, 4, "DXT3") + bc2Block(8, 0x8410), AlphaMode::Straight, true},
        {fourCCHeader(4, 4, "DXT5") + std::string(16, '\0'), AlphaMode::Straight, true},
        {withAlphaMode(28, 0, opaqueBlack), AlphaMode::Straight, true},
        {withAlphaMode(28, 1, opaqueBlack), AlphaMode::Straight, false},
        {withAlphaMode(28, 2, opaqueBlack), AlphaMode::Premultiplied, false},
        {withAlphaMode(28, 3, opaqueBlack), AlphaMode::Data, false},
        {withAlphaMode(28, 4, opaqueBlack), AlphaMode::Data, false},
    };
    for (const Case& c : cases) {
        const Interpretation in = defaultInterpretation(parseDdsFile(c.bytes));
        EXPECT_TRUE(in.alpha.applies);
        EXPECT_EQ(in.alpha.value, c.mode);
        EXPECT_EQ(in.alpha.guessed, c.guessed);
    }
    EXPECT_FALSE(defaultInterpretation(parseDdsFile(dx10Header(1, 1, 88))).alpha.applies);

    // DXT2's grey 132, 130, 132 at alpha 136 is shown divided back; the same
    // block as DXT3 is shown as stored.
    const std::string block = bc2Block(8, 0x8410);
    const auto divided = [](unsigned c) { return (c * 255 + 68) / 136; };
    EXPECT_EQ(firstCell(fourCCHeader(4, 4, "DXT2") + block),
              rgba(divided(132), divided(130), divided(132), 136));
    EXPECT_EQ(firstCell(fourCCHeader(4, 4, "DXT3") + block), rgba(132, 130, 132, 136));
    EXPECT_EQ(firstCell(fourCCHeader(4, 4, "DXT2") + block,
                        [](Interpretation& in) { in.alpha.value = AlphaMode::Straight; }),
              rgba(132, 130, 132, 136));
    // Straight, premultiplied and data alike keep alpha for the alpha view;
    // a colour over alpha 0 is light without coverage and stays.
    EXPECT_EQ(firstCell(withAlphaMode(28, 2, le(rgba(40, 50, 60, 0), 4))), rgba(40, 50, 60, 0));
    EXPECT_EQ(firstCell(withAlphaMode(28, 3, le(rgba(40, 50, 60, 7), 4))), rgba(40, 50, 60, 7));
}

TEST(Interpretation, TenTenTenTwoMasksAreSwappedUnlessChosenAsWritten)
{
    // Masks that say red is in the low bits, and the low bits full.
    const std::string bytes =
        maskedHeader(1, 1, 32, 0x41, 0x3FF, 0xFFC00, 0x3FF00000, 0xC0000000) + le(0xC00003FF, 4);
    const Interpretation in = defaultInterpretation(parseDdsFile(bytes));
    EXPECT_TRUE(in.maskOrder.applies);
    EXPECT_TRUE(in.maskOrder.guessed);
    EXPECT_EQ(in.maskOrder.value, MaskOrder::Swapped);
    EXPECT_EQ(firstCell(bytes), rgba(0, 0, 255, 255));
    EXPECT_EQ(firstCell(bytes, [](Interpretation& i) { i.maskOrder.value = MaskOrder::AsWritten; }),
              rgba(255, 0, 0, 255));
    // The other order of masks is swapped back the same way.
    const std::string other =
        maskedHeader(1, 1, 32, 0x41, 0x3FF00000, 0xFFC00, 0x3FF, 0xC0000000) + le(0xC00003FF, 4);
    EXPECT_EQ(firstCell(other), rgba(255, 0, 0, 255));
    // The extended header's R10G10B10A2 names its order: nothing to assume.
    const std::string dx10 = dx10Header(1, 1, 24) + le(0xC00003FF, 4);
    EXPECT_FALSE(defaultInterpretation(parseDdsFile(dx10)).maskOrder.applies);
    EXPECT_EQ(firstCell(dx10), rgba(255, 0, 0, 255));
    // Nor in any other 32-bit layout.
    EXPECT_FALSE(defaultInterpretation(parseDdsFile(ddsHeader(1, 1, 32))).maskOrder.applies);
}

TEST(Interpretation, FloatDataIsLinearWithExposureAndAnOptionalToneCurve)
{
    // Half floats 1.0, 0.5, 4.0 and alpha 1.0.
    const std::string bytes =
        dx10Header(1, 1, 10) + le(0x3C00, 2) + le(0x3800, 2) + le(0x4400, 2) + le(0x3C00, 2);
    const Interpretation in = defaultInterpretation(parseDdsFile(bytes));
    EXPECT_EQ(in.colourSpace.value, ColourSpace::Linear);
    EXPECT_FALSE(in.colourSpace.guessed);
    EXPECT_TRUE(in.exposureEv.applies);
    EXPECT_EQ(in.exposureEv.value, 0.0);
    EXPECT_EQ(in.curve.value, HdrCurve::Clip);
    // 1.0 is white at 0 EV; 0.5 is sRGB 188; 4.0 clips.
    EXPECT_EQ(firstCell(bytes), rgba(255, 188, 255, 255));
    // -1 EV halves every value; -2 EV brings 4.0 to 1.0.
    EXPECT_EQ(firstCell(bytes, [](Interpretation& i) { i.exposureEv.value = -1.0; }),
              rgba(188, 137, 255, 255));
    EXPECT_EQ(firstCell(bytes, [](Interpretation& i) { i.exposureEv.value = -2.0; }),
              rgba(137, 99, 255, 255));
    // The tone curve: 1.0 -> 0.5, 0.5 -> 1/3, 4.0 -> 0.8 before encoding.
    EXPECT_EQ(firstCell(bytes, [](Interpretation& i) { i.curve.value = HdrCurve::ToneCurve; }),
              rgba(188, 156, 231, 255));
    // Read as already encoded, the values are shown as they are.
    EXPECT_EQ(firstCell(bytes, [](Interpretation& i) { i.colourSpace.value = ColourSpace::Srgb; }),
              rgba(255, 128, 255, 255));
    // 8-bit data has nothing to expose.
    EXPECT_FALSE(defaultInterpretation(parseDdsFile(ddsHeader(1, 1, 32))).exposureEv.applies);
}

TEST(Interpretation, ColourSpaceOfEightBitData)
{
    const std::string pixel = le(rgba(128, 0, 255, 255), 4);
    const Interpretation unorm = defaultInterpretation(parseDdsFile(dx10Header(1, 1, 28) + pixel));
    EXPECT_EQ(unorm.colourSpace.value, ColourSpace::Srgb);
    EXPECT_TRUE(unorm.colourSpace.guessed);
    const Interpretation srgb = defaultInterpretation(parseDdsFile(dx10Header(1, 1, 29) + pixel));
    EXPECT_EQ(srgb.colourSpace.value, ColourSpace::Srgb);
    EXPECT_FALSE(srgb.colourSpace.guessed);
    EXPECT_EQ(firstCell(dx10Header(1, 1, 28) + pixel), rgba(128, 0, 255, 255));
    // Linear data is encoded for the screen; alpha is not a colour.
    EXPECT_EQ(firstCell(dx10Header(1, 1, 28) + pixel,
                        [](Interpretation& i) { i.colourSpace.value = ColourSpace::Linear; }),
              rgba(188, 0, 255, 255));
}

TEST(Interpretation, SignedDataRemappedOrClamped)
{
    // BC4 signed: pixel 0 index 0 (127 = 1.0), pixel 1 index 1 (-127 = -1.0).
    const std::string ends("\x7F\x81\x08\x00\x00\x00\x00\x00", 8);
    const std::string zero(8, '\0');
    const Interpretation in =
        defaultInterpretation(parseDdsFile(fourCCHeader(4, 4, "BC4S") + ends));
    EXPECT_TRUE(in.signedData.applies);
    EXPECT_EQ(in.signedData.value, SignedMapping::Remapped);
    EXPECT_FALSE(
        defaultInterpretation(parseDdsFile(fourCCHeader(4, 4, "BC4U"))).signedData.applies);

    SilentProgress quiet;
    const auto decode = [&](const std::string& block, SignedMapping mapping) {
        const DdsFile file = parseDdsFile(fourCCHeader(4, 4, "BC4S") + block);
        Interpretation reading = defaultInterpretation(file);
        reading.signedData.value = mapping;
        return decodeFileSurface(file, 0, 0, quiet, nullptr, &reading);
    };
    // Remapped: -1, 0, 1 are black, mid-grey and white.
    EXPECT_EQ(decode(ends, SignedMapping::Remapped).red(1, 1), 255);
    EXPECT_EQ(decode(ends, SignedMapping::Remapped).red(1, 2), 0);
    EXPECT_EQ(decode(zero, SignedMapping::Remapped).red(1, 1), 128);
    // Clamped: -1 and 0 are both black, 1 white.
    EXPECT_EQ(decode(ends, SignedMapping::Clamped).red(1, 1), 255);
    EXPECT_EQ(decode(ends, SignedMapping::Clamped).red(1, 2), 0);
    EXPECT_LE(decode(zero, SignedMapping::Clamped).red(1, 1), 1);
}

TEST(Interpretation, TwoChannelNormalMapsKeepBlueEmptyOrRebuildZ)
{
    // R8G8: x and y at 128 (0), so Z is 1.
    const std::string flat = dx10Header(1, 1, 49) + std::string("\x80\x80", 2);
    const Interpretation plain = defaultInterpretation(parseDdsFile(flat));
    EXPECT_TRUE(plain.normalMap.applies);
    EXPECT_TRUE(plain.normalMap.guessed);
    EXPECT_EQ(plain.normalMap.value, NormalZ::Empty);
    EXPECT_EQ(firstCell(flat), rgba(128, 128, 0, 0));
    EXPECT_EQ(firstCell(flat, [](Interpretation& i) { i.normalMap.value = NormalZ::Rebuilt; }),
              rgba(128, 128, 255, 0));
    // x = 0.6, y = 0.8 (bytes 204, 230): Z is 0 and shows as 128.
    const std::string tilted = dx10Header(1, 1, 49) + std::string("\xCC\xE6", 2);
    EXPECT_EQ(firstCell(tilted, [](Interpretation& i) { i.normalMap.value = NormalZ::Rebuilt; }) >>
                  16,
              128u);

    // BC5 is made for normal maps: Z is rebuilt unless chosen otherwise.
    const std::string mid("\x80\x80\x00\x00\x00\x00\x00\x00", 8);
    const std::string bc5 = fourCCHeader(4, 4, "ATI2") + mid + mid;
    EXPECT_EQ(defaultInterpretation(parseDdsFile(bc5)).normalMap.value, NormalZ::Rebuilt);
    EXPECT_EQ(firstCell(bc5), rgba(128, 128, 255, 0));
    EXPECT_EQ(firstCell(bc5, [](Interpretation& i) { i.normalMap.value = NormalZ::Empty; }),
              rgba(128, 128, 0, 0));
    // Three-channel layouts have no Z to rebuild.
    EXPECT_FALSE(defaultInterpretation(parseDdsFile(ddsHeader(1, 1, 24))).normalMap.applies);
}

} // namespace
} // namespace texpeek

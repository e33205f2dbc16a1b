#include "texpeek/core/block_decoders.h"

#include "texpeek/core/etc_block.h"

#include "texpeek/core/bc3_alpha.h"

#include <squish.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace texpeek {

namespace {

void fromSquish(const unsigned char* block, int flags, BlockPixels& out)
{
    // squish writes red, green, blue, alpha bytes, which is a cell's order
    // in memory on a little-endian machine; the words are put together
    // explicitly so that a big-endian one gets the same cells.
    if constexpr (std::endian::native == std::endian::little) {
        squish::Decompress(reinterpret_cast<squish::u8*>(out.data()), block, flags);
        return;
    }
    std::uint8_t rgba[64];
    squish::Decompress(rgba, block, flags);
    for (std::size_t i = 0; i < 16; ++i)
        out[i] = static_cast<std::uint32_t>(rgba[4 * i]) |
                 static_cast<std::uint32_t>(rgba[4 * i + 1]) << 8 |
                 static_cast<std::uint32_t>(rgba[4 * i + 2]) << 16 |
                 static_cast<std::uint32_t>(rgba[4 * i + 3]) << 24;
}

std::uint32_t grey(std::uint8_t level)
{
    return level * 0x010101u;
}

struct ToneTable {
    std::array<std::uint8_t, 65536> levels{};
};

const ToneTable& toneTable()
{
    static const ToneTable table = [] {
        ToneTable t;
        for (std::size_t bits = 0; bits < t.levels.size(); ++bits)
            t.levels[bits] = toneMapped(halfToFloat(static_cast<std::uint16_t>(bits)));
        return t;
    }();
    return table;
}

// A BC4 block's eight levels: seven steps between the endpoints when the
// first is the larger, else five steps and the two extremes.
void bc4Levels(float e0, float e1, float lowest, float highest, float (&levels)[8])
{
    levels[0] = e0;
    levels[1] = e1;
    if (e0 > e1) {
        for (int i = 1; i < 7; ++i)
            levels[i + 1] = (static_cast<float>(7 - i) * e0 + static_cast<float>(i) * e1) / 7.0f;
    } else {
        for (int i = 1; i < 5; ++i)
            levels[i + 1] = (static_cast<float>(5 - i) * e0 + static_cast<float>(i) * e1) / 5.0f;
        levels[6] = lowest;
        levels[7] = highest;
    }
}

} // namespace

void decodeBc1(const unsigned char* block, BlockPixels& out)
{
    fromSquish(block, squish::kDxt1, out);
}

void decodeBc2(const unsigned char* block, BlockPixels& out)
{
    fromSquish(block, squish::kDxt3, out);
}

void decodeBc3(const unsigned char* block, BlockPixels& out)
{
    // BC3's colour half is BC2's, at the same place in the block, so squish
    // decodes it as BC2 and the alpha it makes of the first eight bytes is
    // then replaced: squish's own BC3 alpha is slow enough to show on a
    // 4096 x 4096 file (core/bc3_alpha.cpp).
    fromSquish(block, squish::kDxt3, out);
    std::array<std::uint8_t, 16> alpha;
    decodeBc3Alpha(block, alpha);
    for (std::size_t i = 0; i < 16; ++i)
        out[i] = (out[i] & 0x00FFFFFFu) | std::uint32_t{alpha[i]} << 24;
}

void decodeBc4Channel(const unsigned char* block, bool isSigned, std::array<std::uint8_t, 16>& out)
{
    // Signed blocks compare and interpolate as signed numbers, -128 standing
    // for -127, and their levels are then mapped onto 0..255.
    float levels[8];
    if (isSigned) {
        const auto signedEnd = [](unsigned char byte) {
            const int v = static_cast<signed char>(byte);
            return static_cast<float>(std::max(v, -127));
        };
        bc4Levels(signedEnd(block[0]), signedEnd(block[1]), -127.0f, 127.0f, levels);
        for (float& level : levels)
            level = (level + 127.0f) * 255.0f / 254.0f;
    } else {
        bc4Levels(block[0], block[1], 0.0f, 255.0f, levels);
    }
    std::uint64_t indices = 0;
    for (int i = 7; i >= 2; --i)
        indices = indices << 8 | block[i];
    for (std::size_t i = 0; i < 16; ++i) {
        const float level = levels[(indices >> (3 * i)) & 7u];
        out[i] = static_cast<std::uint8_t>(std::clamp(std::lround(level), 0L, 255L));
    }
}

std::uint8_t toneMapped(float value)
{
    if (!(value > 0.0f)) // also NaN
        return 0;
    if (std::isinf(value))
        return 255;
    const float mapped = value / (1.0f + value);
    const float encoded =
        mapped <= 0.0031308f ? 12.92f * mapped : 1.055f * std::pow(mapped, 1.0f / 2.4f) - 0.055f;
    return static_cast<std::uint8_t>(std::clamp(std::lround(encoded * 255.0f), 0L, 255L));
}

float halfToFloat(std::uint16_t half)
{
    const int exponent = (half >> 10) & 0x1F;
    const int mantissa = half & 0x3FF;
    float magnitude = 0.0f;
    if (exponent == 0)
        magnitude = std::ldexp(static_cast<float>(mantissa), -24);
    else if (exponent == 31)
        magnitude = mantissa == 0 ? INFINITY : NAN;
    else
        magnitude = std::ldexp(static_cast<float>(mantissa | 0x400), exponent - 25);
    return (half & 0x8000) != 0 ? -magnitude : magnitude;
}

void decodeBlock(Encoding encoding, const unsigned char* block, BlockPixels& out)
{
    switch (encoding) {
    case Encoding::Bc1: decodeBc1(block, out); return;
    case Encoding::Bc2: decodeBc2(block, out); return;
    case Encoding::Bc3: decodeBc3(block, out); return;
    case Encoding::Bc4:
    case Encoding::Bc4Signed: {
        std::array<std::uint8_t, 16> values;
        decodeBc4Channel(block, encoding == Encoding::Bc4Signed, values);
        for (std::size_t i = 0; i < 16; ++i)
            out[i] = grey(values[i]);
        return;
    }
    case Encoding::Bc5:
    case Encoding::Bc5Signed: {
        std::array<std::uint8_t, 16> red;
        std::array<std::uint8_t, 16> green;
        const bool isSigned = encoding == Encoding::Bc5Signed;
        decodeBc4Channel(block, isSigned, red);
        decodeBc4Channel(block + 8, isSigned, green);
        for (std::size_t i = 0; i < 16; ++i)
            out[i] = static_cast<std::uint32_t>(red[i]) | static_cast<std::uint32_t>(green[i]) << 8;
        return;
    }
    case Encoding::Bc6hUnsigned:
    case Encoding::Bc6hSigned: {
        std::array<std::uint16_t, 48> halves;
        decodeBc6h(block, encoding == Encoding::Bc6hSigned, halves);
        const ToneTable& tone = toneTable();
        for (std::size_t i = 0; i < 16; ++i)
            out[i] = static_cast<std::uint32_t>(tone.levels[halves[3 * i]]) |
                     static_cast<std::uint32_t>(tone.levels[halves[3 * i + 1]]) << 8 |
                     static_cast<std::uint32_t>(tone.levels[halves[3 * i + 2]]) << 16;
        return;
    }
    case Encoding::Bc7: decodeBc7(block, out); return;
    case Encoding::Etc1:
    case Encoding::Etc2Rgb:
        // Without alpha, alpha stays 0 as in every format that has none.
        decodeEtcColour(block, encoding == Encoding::Etc1 ? EtcKind::Etc1 : EtcKind::Etc2, out);
        for (std::uint32_t& c : out)
            c &= 0xFFFFFFu;
        return;
    case Encoding::Etc2Punch: decodeEtcColour(block, EtcKind::Etc2Punch, out); return;
    case Encoding::Etc2Rgba: {
        std::array<std::uint8_t, 16> alpha;
        decodeEacAlpha(block, alpha);
        decodeEtcColour(block + 8, EtcKind::Etc2, out);
        for (std::size_t i = 0; i < 16; ++i)
            out[i] = (out[i] & 0xFFFFFFu) | static_cast<std::uint32_t>(alpha[i]) << 24;
        return;
    }
    case Encoding::Eac11:
    case Encoding::Eac11Signed: {
        std::array<std::uint8_t, 16> values;
        decodeEac11(block, encoding == Encoding::Eac11Signed, values);
        for (std::size_t i = 0; i < 16; ++i)
            out[i] = values[i];
        return;
    }
    case Encoding::EacRg11:
    case Encoding::EacRg11Signed: {
        std::array<std::uint8_t, 16> red;
        std::array<std::uint8_t, 16> green;
        const bool isSigned = encoding == Encoding::EacRg11Signed;
        decodeEac11(block, isSigned, red);
        decodeEac11(block + 8, isSigned, green);
        for (std::size_t i = 0; i < 16; ++i)
            out[i] = static_cast<std::uint32_t>(red[i]) | static_cast<std::uint32_t>(green[i]) << 8;
        return;
    }
    default: out.fill(0); return;
    }
}

} // namespace texpeek

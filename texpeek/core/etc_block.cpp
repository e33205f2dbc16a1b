#include "texpeek/core/etc_block.h"

#include <algorithm>

namespace texpeek {

namespace {

// The blocks are stored big-endian: bit 63 is the first byte's top bit.
std::uint64_t bigEndian(const unsigned char* block)
{
    std::uint64_t value = 0;
    for (int i = 0; i < 8; ++i)
        value = value << 8 | block[i];
    return value;
}

unsigned bits(std::uint64_t word, int high, int count)
{
    return static_cast<unsigned>((word >> (high - count + 1)) & ((std::uint64_t{1} << count) - 1));
}

int clampByte(int v)
{
    return std::clamp(v, 0, 255);
}

std::uint32_t cell(int r, int g, int b, int a)
{
    return static_cast<std::uint32_t>(clampByte(r)) |
           static_cast<std::uint32_t>(clampByte(g)) << 8 |
           static_cast<std::uint32_t>(clampByte(b)) << 16 |
           static_cast<std::uint32_t>(clampByte(a)) << 24;
}

constexpr int kModifiers[8][2] = {{2, 8},   {5, 17},  {9, 29},   {13, 42},
                                  {18, 60}, {24, 80}, {33, 106}, {47, 183}};
constexpr int kDistances[8] = {3, 6, 11, 16, 23, 32, 41, 64};

int extend4(unsigned v)
{
    return static_cast<int>(v << 4 | v);
}
int extend5(unsigned v)
{
    return static_cast<int>(v << 3 | v >> 2);
}
int extend6(unsigned v)
{
    return static_cast<int>(v << 2 | v >> 4);
}
int extend7(unsigned v)
{
    return static_cast<int>(v << 1 | v >> 6);
}

// The 2-bit index of pixel (x, y): its high bit in bits 31..16, its low bit
// in bits 15..0, pixels counted down the columns.
unsigned pixelIndex(std::uint64_t word, int x, int y)
{
    const int i = x * 4 + y;
    return static_cast<unsigned>(((word >> (16 + i)) & 1) << 1 | ((word >> i) & 1));
}

struct Rgb {
    int r, g, b;
};

// T and H modes: four paint colours picked by the pixel indices.
void paintModes(std::uint64_t w, bool hMode, bool punchThrough, bool opaque, BlockPixels& out)
{
    Rgb paint[4];
    if (!hMode) {
        const Rgb c1{extend4(bits(w, 60, 2) << 2 | bits(w, 57, 2)), extend4(bits(w, 55, 4)),
                     extend4(bits(w, 51, 4))};
        const Rgb c2{extend4(bits(w, 47, 4)), extend4(bits(w, 43, 4)), extend4(bits(w, 39, 4))};
        const int d = kDistances[bits(w, 35, 2) << 1 | bits(w, 32, 1)];
        paint[0] = c1;
        paint[1] = {c2.r + d, c2.g + d, c2.b + d};
        paint[2] = c2;
        paint[3] = {c2.r - d, c2.g - d, c2.b - d};
    } else {
        const unsigned r1 = bits(w, 62, 4);
        const unsigned g1 = bits(w, 58, 3) << 1 | bits(w, 52, 1);
        const unsigned b1 = bits(w, 51, 1) << 3 | bits(w, 49, 3);
        const unsigned r2 = bits(w, 46, 4), g2 = bits(w, 42, 4), b2 = bits(w, 38, 4);
        unsigned index = bits(w, 34, 1) << 2 | bits(w, 32, 1) << 1;
        if ((r1 << 8 | g1 << 4 | b1) >= (r2 << 8 | g2 << 4 | b2))
            index |= 1;
        const int d = kDistances[index];
        const Rgb c1{extend4(r1), extend4(g1), extend4(b1)};
        const Rgb c2{extend4(r2), extend4(g2), extend4(b2)};
        paint[0] = {c1.r + d, c1.g + d, c1.b + d};
        paint[1] = {c1.r - d, c1.g - d, c1.b - d};
        paint[2] = {c2.r + d, c2.g + d, c2.b + d};
        paint[3] = {c2.r - d, c2.g - d, c2.b - d};
    }
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const unsigned i = pixelIndex(w, x, y);
            const Rgb& c = paint[i];
            const bool clear = punchThrough && !opaque && i == 2;
            out[static_cast<std::size_t>(y * 4 + x)] = clear ? 0u : cell(c.r, c.g, c.b, 255);
        }
}

void planarMode(std::uint64_t w, BlockPixels& out)
{
    const Rgb o{extend6(bits(w, 62, 6)), extend7(bits(w, 56, 1) << 6 | bits(w, 54, 6)),
                extend6(bits(w, 48, 1) << 5 | bits(w, 44, 2) << 3 | bits(w, 41, 3))};
    const Rgb h{extend6(bits(w, 38, 5) << 1 | bits(w, 32, 1)), extend7(bits(w, 31, 7)),
                extend6(bits(w, 24, 6))};
    const Rgb v{extend6(bits(w, 18, 6)), extend7(bits(w, 12, 7)), extend6(bits(w, 5, 6))};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const auto at = [&](int oc, int hc, int vc) {
                return (x * (hc - oc) + y * (vc - oc) + 4 * oc + 2) >> 2;
            };
            out[static_cast<std::size_t>(y * 4 + x)] =
                cell(at(o.r, h.r, v.r), at(o.g, h.g, v.g), at(o.b, h.b, v.b), 255);
        }
}

void decodeEtc(const unsigned char* block, EtcKind kind, BlockPixels& out)
{
    const std::uint64_t w = bigEndian(block);
    const bool punchThrough = kind == EtcKind::Etc2Punch;
    // Punch-through blocks are always differential; the bit says opaque.
    const bool differential = punchThrough || bits(w, 33, 1) != 0;
    const bool opaque = !punchThrough || bits(w, 33, 1) != 0;
    Rgb base[2];
    if (differential) {
        const auto delta = [](unsigned d) { return static_cast<int>(d) - ((d & 4u) != 0 ? 8 : 0); };
        const int r = static_cast<int>(bits(w, 63, 5)) + delta(bits(w, 58, 3));
        const int g = static_cast<int>(bits(w, 55, 5)) + delta(bits(w, 50, 3));
        const int b = static_cast<int>(bits(w, 47, 5)) + delta(bits(w, 42, 3));
        // Out-of-range sums are ETC2's other modes; ETC1 never writes them.
        if (kind != EtcKind::Etc1) {
            if (r < 0 || r > 31)
                return paintModes(w, false, punchThrough, opaque, out);
            if (g < 0 || g > 31)
                return paintModes(w, true, punchThrough, opaque, out);
            if (b < 0 || b > 31)
                return planarMode(w, out);
        }
        base[0] = {extend5(bits(w, 63, 5)), extend5(bits(w, 55, 5)), extend5(bits(w, 47, 5))};
        base[1] = {extend5(static_cast<unsigned>(r) & 31u), extend5(static_cast<unsigned>(g) & 31u),
                   extend5(static_cast<unsigned>(b) & 31u)};
    } else {
        base[0] = {extend4(bits(w, 63, 4)), extend4(bits(w, 55, 4)), extend4(bits(w, 47, 4))};
        base[1] = {extend4(bits(w, 59, 4)), extend4(bits(w, 51, 4)), extend4(bits(w, 43, 4))};
    }
    const unsigned tables[2] = {bits(w, 39, 3), bits(w, 36, 3)};
    const bool flip = bits(w, 32, 1) != 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const int sub = flip ? (y >= 2 ? 1 : 0) : (x >= 2 ? 1 : 0);
            const unsigned i = pixelIndex(w, x, y);
            const int* row = kModifiers[tables[sub]];
            int modifier = (i & 1u) != 0 ? row[1] : row[0];
            if ((i & 2u) != 0)
                modifier = -modifier;
            std::uint32_t& target = out[static_cast<std::size_t>(y * 4 + x)];
            if (punchThrough && !opaque && (i & 1u) == 0) {
                // Without the opaque bit the small modifiers are 0 and index
                // 2 is transparent black.
                if (i == 2) {
                    target = 0;
                    continue;
                }
                modifier = 0;
            }
            const Rgb& c = base[sub];
            target = cell(c.r + modifier, c.g + modifier, c.b + modifier, 255);
        }
}

constexpr int kEacModifiers[16][8] = {
    {-3, -6, -9, -15, 2, 5, 8, 14}, {-3, -7, -10, -13, 2, 6, 9, 12}, {-2, -5, -8, -13, 1, 4, 7, 12},
    {-2, -4, -6, -13, 1, 3, 5, 12}, {-3, -6, -8, -12, 2, 5, 7, 11},  {-3, -7, -9, -11, 2, 6, 8, 10},
    {-4, -7, -8, -11, 3, 6, 7, 10}, {-3, -5, -8, -11, 2, 4, 7, 10},  {-2, -6, -8, -10, 1, 5, 7, 9},
    {-2, -5, -8, -10, 1, 4, 7, 9},  {-2, -4, -8, -10, 1, 3, 7, 9},   {-2, -5, -7, -10, 1, 4, 6, 9},
    {-3, -4, -7, -10, 2, 3, 6, 9},  {-1, -2, -3, -10, 0, 1, 2, 9},   {-4, -6, -8, -9, 3, 5, 7, 8},
    {-3, -5, -7, -9, 2, 4, 6, 8}};

} // namespace

void decodeEtcColour(const unsigned char* block, EtcKind kind, BlockPixels& out)
{
    decodeEtc(block, kind, out);
}

void decodeEacAlpha(const unsigned char* block, std::array<std::uint8_t, 16>& out)
{
    const std::uint64_t w = bigEndian(block);
    const int base = static_cast<int>(bits(w, 63, 8));
    const int multiplier = static_cast<int>(bits(w, 55, 4));
    const int* row = kEacModifiers[bits(w, 51, 4)];
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y) {
            const int i = x * 4 + y;
            const int modifier = row[bits(w, 47 - 3 * i, 3)];
            out[static_cast<std::size_t>(y * 4 + x)] =
                static_cast<std::uint8_t>(clampByte(base + modifier * multiplier));
        }
}

void decodeEac11(const unsigned char* block, bool isSigned, std::array<std::uint8_t, 16>& out)
{
    const std::uint64_t w = bigEndian(block);
    int base = static_cast<int>(bits(w, 63, 8));
    if (isSigned)
        base = std::max(static_cast<int>(static_cast<signed char>(base)), -127);
    const int multiplier = static_cast<int>(bits(w, 55, 4));
    const int* row = kEacModifiers[bits(w, 51, 4)];
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y) {
            const int i = x * 4 + y;
            const int modifier = row[bits(w, 47 - 3 * i, 3)];
            const int step = multiplier == 0 ? modifier : modifier * multiplier * 8;
            int level = 0;
            if (isSigned) {
                // -1023..1023, remapped onto 0..255 as BC4's signed levels are.
                const int v = std::clamp(base * 8 + step, -1023, 1023);
                level = ((v + 1023) * 510 + 2046) / 4092;
            } else {
                const int v = std::clamp(base * 8 + 4 + step, 0, 2047);
                level = (v * 510 + 2047) / 4094;
            }
            out[static_cast<std::size_t>(y * 4 + x)] = static_cast<std::uint8_t>(level);
        }
}

} // namespace texpeek

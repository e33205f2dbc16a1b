#include "texpeek/core/bc_partitions.h"
#include "texpeek/core/block_decoders.h"

#include <array>
#include <cstddef>
#include <vector>

namespace texpeek {

namespace {

// Where the endpoint bits of each mode lie. Each field takes the next bits
// of the block, lowest first, into bits `lo` up to `hi` of one endpoint
// channel; a field whose `hi` is below its `lo` fills them downwards.
struct Field {
    std::uint8_t value; // red, green, blue of endpoint 0, then of 1, 2 and 3
    std::uint8_t hi;
    std::uint8_t lo;
};

struct Bc6Mode {
    int number;
    bool transformed;
    int subsets;
    int endpointBits;
    int deltaBits[3];
    std::vector<Field> fields;
};

const std::array<Bc6Mode, 14>& modes()
{
    // clang-format off
    static const std::array<Bc6Mode, 14> table = {{
        {0, true, 2, 10, {5, 5, 5},
         {{7, 4, 4}, {8, 4, 4}, {11, 4, 4}, {0, 9, 0}, {1, 9, 0}, {2, 9, 0}, {3, 4, 0}, {10, 4, 4}, {7, 3, 0}, {4, 4, 0}, {11, 0, 0}, {10, 3, 0}, {5, 4, 0}, {11, 1, 1}, {8, 3, 0}, {6, 4, 0}, {11, 2, 2}, {9, 4, 0}, {11, 3, 3}}},
        {1, true, 2, 7, {6, 6, 6},
         {{7, 5, 5}, {10, 4, 4}, {10, 5, 5}, {0, 6, 0}, {11, 0, 0}, {11, 1, 1}, {8, 4, 4}, {1, 6, 0}, {8, 5, 5}, {11, 2, 2}, {7, 4, 4}, {2, 6, 0}, {11, 3, 3}, {11, 5, 5}, {11, 4, 4}, {3, 5, 0}, {7, 3, 0}, {4, 5, 0}, {10, 3, 0}, {5, 5, 0}, {8, 3, 0}, {6, 5, 0}, {9, 5, 0}}},
        {2, true, 2, 11, {5, 4, 4},
         {{0, 9, 0}, {1, 9, 0}, {2, 9, 0}, {3, 4, 0}, {0, 10, 10}, {7, 3, 0}, {4, 3, 0}, {1, 10, 10}, {11, 0, 0}, {10, 3, 0}, {5, 3, 0}, {2, 10, 10}, {11, 1, 1}, {8, 3, 0}, {6, 4, 0}, {11, 2, 2}, {9, 4, 0}, {11, 3, 3}}},
        {6, true, 2, 11, {4, 5, 4},
         {{0, 9, 0}, {1, 9, 0}, {2, 9, 0}, {3, 3, 0}, {0, 10, 10}, {10, 4, 4}, {7, 3, 0}, {4, 4, 0}, {1, 10, 10}, {10, 3, 0}, {5, 3, 0}, {2, 10, 10}, {11, 1, 1}, {8, 3, 0}, {6, 3, 0}, {11, 0, 0}, {11, 2, 2}, {9, 3, 0}, {7, 4, 4}, {11, 3, 3}}},
        {10, true, 2, 11, {4, 4, 5},
         {{0, 9, 0}, {1, 9, 0}, {2, 9, 0}, {3, 3, 0}, {0, 10, 10}, {8, 4, 4}, {7, 3, 0}, {4, 3, 0}, {1, 10, 10}, {11, 0, 0}, {10, 3, 0}, {5, 4, 0}, {2, 10, 10}, {8, 3, 0}, {6, 3, 0}, {11, 1, 1}, {11, 2, 2}, {9, 3, 0}, {11, 4, 4}, {11, 3, 3}}},
        {14, true, 2, 9, {5, 5, 5},
         {{0, 8, 0}, {8, 4, 4}, {1, 8, 0}, {7, 4, 4}, {2, 8, 0}, {11, 4, 4}, {3, 4, 0}, {10, 4, 4}, {7, 3, 0}, {4, 4, 0}, {11, 0, 0}, {10, 3, 0}, {5, 4, 0}, {11, 1, 1}, {8, 3, 0}, {6, 4, 0}, {11, 2, 2}, {9, 4, 0}, {11, 3, 3}}},
        {18, true, 2, 8, {6, 5, 5},
         {{0, 7, 0}, {10, 4, 4}, {8, 4, 4}, {1, 7, 0}, {11, 2, 2}, {7, 4, 4}, {2, 7, 0}, {11, 3, 3}, {11, 4, 4}, {3, 5, 0}, {7, 3, 0}, {4, 4, 0}, {11, 0, 0}, {10, 3, 0}, {5, 4, 0}, {11, 1, 1}, {8, 3, 0}, {6, 5, 0}, {9, 5, 0}}},
        {22, true, 2, 8, {5, 6, 5},
         {{0, 7, 0}, {11, 0, 0}, {8, 4, 4}, {1, 7, 0}, {7, 5, 5}, {7, 4, 4}, {2, 7, 0}, {10, 5, 5}, {11, 4, 4}, {3, 4, 0}, {10, 4, 4}, {7, 3, 0}, {4, 5, 0}, {10, 3, 0}, {5, 4, 0}, {11, 1, 1}, {8, 3, 0}, {6, 4, 0}, {11, 2, 2}, {9, 4, 0}, {11, 3, 3}}},
        {26, true, 2, 8, {5, 5, 6},
         {{0, 7, 0}, {11, 1, 1}, {8, 4, 4}, {1, 7, 0}, {8, 5, 5}, {7, 4, 4}, {2, 7, 0}, {11, 5, 5}, {11, 4, 4}, {3, 4, 0}, {10, 4, 4}, {7, 3, 0}, {4, 4, 0}, {11, 0, 0}, {10, 3, 0}, {5, 5, 0}, {8, 3, 0}, {6, 4, 0}, {11, 2, 2}, {9, 4, 0}, {11, 3, 3}}},
        {30, false, 2, 6, {6, 6, 6},
         {{0, 5, 0}, {10, 4, 4}, {11, 0, 0}, {11, 1, 1}, {8, 4, 4}, {1, 5, 0}, {7, 5, 5}, {8, 5, 5}, {11, 2, 2}, {7, 4, 4}, {2, 5, 0}, {10, 5, 5}, {11, 3, 3}, {11, 5, 5}, {11, 4, 4}, {3, 5, 0}, {7, 3, 0}, {4, 5, 0}, {10, 3, 0}, {5, 5, 0}, {8, 3, 0}, {6, 5, 0}, {9, 5, 0}}},
        {3, false, 1, 10, {10, 10, 10},
         {{0, 9, 0}, {1, 9, 0}, {2, 9, 0}, {3, 9, 0}, {4, 9, 0}, {5, 9, 0}}},
        {7, true, 1, 11, {9, 9, 9},
         {{0, 9, 0}, {1, 9, 0}, {2, 9, 0}, {3, 8, 0}, {0, 10, 10}, {4, 8, 0}, {1, 10, 10}, {5, 8, 0}, {2, 10, 10}}},
        {11, true, 1, 12, {8, 8, 8},
         {{0, 9, 0}, {1, 9, 0}, {2, 9, 0}, {3, 7, 0}, {0, 10, 11}, {4, 7, 0}, {1, 10, 11}, {5, 7, 0}, {2, 10, 11}}},
        {15, true, 1, 16, {4, 4, 4},
         {{0, 9, 0}, {1, 9, 0}, {2, 9, 0}, {3, 3, 0}, {0, 10, 15}, {4, 3, 0}, {1, 10, 15}, {5, 3, 0}, {2, 10, 15}}},
    }};
    // clang-format on
    return table;
}

const Bc6Mode* modeFor(unsigned number)
{
    for (const Bc6Mode& mode : modes())
        if (static_cast<unsigned>(mode.number) == number)
            return &mode;
    return nullptr;
}

int signExtend(int value, int bits)
{
    const int sign = 1 << (bits - 1);
    value &= (1 << bits) - 1;
    return (value ^ sign) - sign;
}

int unquantise(int value, int bits, bool isSigned)
{
    if (!isSigned) {
        if (bits >= 15 || value == 0)
            return value;
        if (value == (1 << bits) - 1)
            return 0xFFFF;
        return ((value << 15) + 0x4000) >> (bits - 1);
    }
    if (bits >= 16)
        return value;
    const bool negative = value < 0;
    const int magnitude = negative ? -value : value;
    int result = 0;
    if (magnitude == 0)
        result = 0;
    else if (magnitude >= (1 << (bits - 1)) - 1)
        result = 0x7FFF;
    else
        result = ((magnitude << 15) + 0x4000) >> (bits - 1);
    return negative ? -result : result;
}

// The interpolated value as the bits of a half float.
std::uint16_t finished(int value, bool isSigned)
{
    if (!isSigned)
        return static_cast<std::uint16_t>((value * 31) >> 6);
    if (value < 0)
        return static_cast<std::uint16_t>(0x8000 | (((-value) * 31) >> 5));
    return static_cast<std::uint16_t>((value * 31) >> 5);
}

constexpr int kWeights3[8] = {0, 9, 18, 27, 37, 46, 55, 64};
constexpr int kWeights4[16] = {0, 4, 9, 13, 17, 21, 26, 30, 34, 38, 43, 47, 51, 55, 60, 64};

} // namespace

void decodeBc6h(const unsigned char* block, bool isSigned, std::array<std::uint16_t, 48>& out)
{
    BlockBits bits(block);
    unsigned number = bits.read(2);
    if (number >= 2)
        number |= bits.read(3) << 2;
    const Bc6Mode* mode = modeFor(number);
    if (mode == nullptr) {
        // A reserved mode decodes as black.
        out.fill(0);
        return;
    }

    int e[12] = {};
    for (const Field& f : mode->fields) {
        const int count = f.hi >= f.lo ? f.hi - f.lo + 1 : f.lo - f.hi + 1;
        for (int k = 0; k < count; ++k) {
            const int bit = f.hi >= f.lo ? f.lo + k : f.lo - k;
            e[f.value] |= static_cast<int>(bits.read(1)) << bit;
        }
    }
    const unsigned partition = mode->subsets == 2 ? bits.read(5) : 0;
    const int ends = mode->subsets * 2;

    const int epb = mode->endpointBits;
    for (int c = 0; c < 3; ++c) {
        if (isSigned)
            e[c] = signExtend(e[c], epb);
        for (int end = 1; end < ends; ++end) {
            int& v = e[end * 3 + c];
            if (isSigned || mode->transformed)
                v = signExtend(v, mode->deltaBits[c]);
            if (mode->transformed) {
                v = (e[c] + v) & ((1 << epb) - 1);
                if (isSigned)
                    v = signExtend(v, epb);
            }
        }
    }
    for (int& v : e)
        v = unquantise(v, epb, isSigned);

    const int indexBits = mode->subsets == 2 ? 3 : 4;
    for (int i = 0; i < 16; ++i) {
        const unsigned index =
            bits.read(indexBits - (isAnchor(mode->subsets, partition, i) ? 1 : 0));
        const int w = indexBits == 3 ? kWeights3[index] : kWeights4[index];
        const int s = subsetOf(mode->subsets, partition, i);
        for (int c = 0; c < 3; ++c) {
            const int e0 = e[(2 * s) * 3 + c];
            const int e1 = e[(2 * s + 1) * 3 + c];
            const int value = ((64 - w) * e0 + w * e1 + 32) >> 6;
            out[static_cast<std::size_t>(i * 3 + c)] = finished(value, isSigned);
        }
    }
}

} // namespace texpeek

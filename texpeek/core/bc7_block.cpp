#include "texpeek/core/bc_partitions.h"
#include "texpeek/core/block_decoders.h"

#include <bit>
#include <utility>

namespace texpeek {

namespace {

struct Bc7Mode {
    int subsets;
    int partitionBits;
    int rotationBits;
    int indexSelectionBits;
    int colourBits;
    int alphaBits;
    int endpointPBits; // one p-bit for each endpoint
    int sharedPBits; // one p-bit for both endpoints of a subset
    int indexBits;
    int secondaryIndexBits;
};

constexpr Bc7Mode kModes[8] = {
    {3, 4, 0, 0, 4, 0, 1, 0, 3, 0}, {2, 6, 0, 0, 6, 0, 0, 1, 3, 0}, {3, 6, 0, 0, 5, 0, 0, 0, 2, 0},
    {2, 6, 0, 0, 7, 0, 1, 0, 2, 0}, {1, 0, 2, 1, 5, 6, 0, 0, 2, 3}, {1, 0, 2, 0, 7, 8, 0, 0, 2, 2},
    {1, 0, 0, 0, 7, 7, 1, 0, 4, 0}, {2, 6, 0, 0, 5, 5, 1, 0, 2, 0},
};

constexpr int kWeights2[4] = {0, 21, 43, 64};
constexpr int kWeights3[8] = {0, 9, 18, 27, 37, 46, 55, 64};
constexpr int kWeights4[16] = {0, 4, 9, 13, 17, 21, 26, 30, 34, 38, 43, 47, 51, 55, 60, 64};

const int* weightsFor(int bits)
{
    switch (bits) {
    case 2: return kWeights2;
    case 3: return kWeights3;
    default: return kWeights4;
    }
}

int interpolate(int e0, int e1, int w)
{
    return ((64 - w) * e0 + w * e1 + 32) >> 6;
}

// An endpoint value of `bits` bits widened to 8 by repeating its top bits.
int expand(unsigned value, int bits)
{
    if (bits >= 8)
        return static_cast<int>(value);
    const unsigned shifted = value << (8 - bits);
    return static_cast<int>(shifted | (shifted >> bits));
}

} // namespace

void decodeBc7(const unsigned char* block, BlockPixels& out)
{
    if (block[0] == 0) {
        // No mode: the format defines such a block as all zero.
        out.fill(0);
        return;
    }
    const int modeNumber = std::countr_zero(static_cast<unsigned>(block[0]));
    const Bc7Mode& mode = kModes[modeNumber];
    BlockBits bits(block);
    bits.read(modeNumber + 1);
    const unsigned partition = bits.read(mode.partitionBits);
    const unsigned rotation = bits.read(mode.rotationBits);
    const unsigned indexSelection = bits.read(mode.indexSelectionBits);

    // endpoints[subset][end][channel], channels red, green, blue, alpha.
    unsigned endpoints[3][2][4] = {};
    for (int channel = 0; channel < 3; ++channel)
        for (int s = 0; s < mode.subsets; ++s)
            for (auto& end : endpoints[s])
                end[channel] = bits.read(mode.colourBits);
    if (mode.alphaBits != 0)
        for (int s = 0; s < mode.subsets; ++s)
            for (auto& end : endpoints[s])
                end[3] = bits.read(mode.alphaBits);

    int colourBits = mode.colourBits;
    int alphaBits = mode.alphaBits;
    if (mode.endpointPBits != 0 || mode.sharedPBits != 0) {
        for (int s = 0; s < mode.subsets; ++s) {
            const unsigned shared = mode.sharedPBits != 0 ? bits.read(1) : 0;
            for (auto& end : endpoints[s]) {
                const unsigned p = mode.endpointPBits != 0 ? bits.read(1) : shared;
                for (unsigned& value : end)
                    value = value << 1 | p;
            }
        }
        ++colourBits;
        if (alphaBits != 0)
            ++alphaBits;
    }

    int expanded[3][2][4] = {};
    for (int s = 0; s < mode.subsets; ++s) {
        for (int e = 0; e < 2; ++e) {
            for (int c = 0; c < 3; ++c)
                expanded[s][e][c] = expand(endpoints[s][e][c], colourBits);
            expanded[s][e][3] = alphaBits != 0 ? expand(endpoints[s][e][3], alphaBits) : 255;
        }
    }

    unsigned anchors = 1u;
    if (mode.subsets == 2)
        anchors |= 1u << kTwoSubsetAnchor2[partition];
    else if (mode.subsets == 3)
        anchors |= 1u << kThreeSubsetAnchor2[partition] | 1u << kThreeSubsetAnchor3[partition];
    // Each index list takes at most 63 bits, so each is read out of one
    // 64-bit window.
    unsigned primary[16];
    unsigned secondary[16] = {};
    auto readIndices = [&](unsigned* indices, int width, unsigned anchorMask) {
        const std::uint64_t window = bits.peek64();
        int offset = 0;
        for (int i = 0; i < 16; ++i) {
            const int count = width - static_cast<int>((anchorMask >> i) & 1u);
            indices[i] =
                static_cast<unsigned>((window >> offset) & ((std::uint64_t{1} << count) - 1));
            offset += count;
        }
        bits.skip(offset);
    };
    readIndices(primary, mode.indexBits, anchors);
    if (mode.secondaryIndexBits != 0)
        readIndices(secondary, mode.secondaryIndexBits, 1u);

    const int* primaryWeights = weightsFor(mode.indexBits);
    if (mode.secondaryIndexBits == 0) {
        // One weight for all four channels: each subset's endpoints go in
        // four 16-bit lanes of one word and are blended in one go. No lane
        // can carry into the next, as (64 - w) * e0 + w * e1 + 32 stays
        // below 2^15 for 8-bit endpoints.
        std::uint64_t lanes[3][2] = {};
        for (int s = 0; s < mode.subsets; ++s)
            for (int e = 0; e < 2; ++e)
                for (int c = 0; c < 4; ++c)
                    lanes[s][e] |= static_cast<std::uint64_t>(expanded[s][e][c]) << (16 * c);
        for (int i = 0; i < 16; ++i) {
            const int s = subsetOf(mode.subsets, partition, i);
            const auto w = static_cast<std::uint64_t>(primaryWeights[primary[i]]);
            std::uint64_t v = (64 - w) * lanes[s][0] + w * lanes[s][1] + 0x0020002000200020u;
            v = (v >> 6) & 0x00FF00FF00FF00FFu;
            v = (v | v >> 8) & 0x0000FFFF0000FFFFu;
            out[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(v | v >> 16);
        }
        return;
    }
    const int* secondaryWeights = weightsFor(mode.secondaryIndexBits);
    for (int i = 0; i < 16; ++i) {
        const int s = subsetOf(mode.subsets, partition, i);
        int colourWeight = primaryWeights[primary[i]];
        int alphaWeight = colourWeight;
        if (mode.secondaryIndexBits != 0) {
            const int second = secondaryWeights[secondary[i]];
            if (indexSelection != 0)
                colourWeight = second;
            else
                alphaWeight = second;
        }
        int rgba[4];
        for (int c = 0; c < 3; ++c)
            rgba[c] = interpolate(expanded[s][0][c], expanded[s][1][c], colourWeight);
        rgba[3] = interpolate(expanded[s][0][3], expanded[s][1][3], alphaWeight);
        if (rotation != 0)
            std::swap(rgba[3], rgba[rotation - 1]);
        out[static_cast<std::size_t>(i)] =
            static_cast<std::uint32_t>(rgba[0]) | static_cast<std::uint32_t>(rgba[1]) << 8 |
            static_cast<std::uint32_t>(rgba[2]) << 16 | static_cast<std::uint32_t>(rgba[3]) << 24;
    }
}

} // namespace texpeek

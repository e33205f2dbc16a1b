#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// DDS files and compressed blocks built bit by bit, for the tests, the
// benchmark, the screenshots and the fuzz corpus.
namespace texpeek::testing {

// Bits written from the lowest up, as the BC6H and BC7 formats read them.
class BitWriter {
public:
    BitWriter& put(std::uint32_t value, int count);
    // The 16 bytes of a block; the bits not written are zero.
    std::string block() const;
    int position() const { return position_; }

private:
    std::array<unsigned char, 16> bytes_{};
    int position_ = 0;
};

// A header with the given bit count, pixel format flags and masks.
std::string maskedHeader(std::int32_t width, std::int32_t height, std::int32_t bitCount,
                         std::uint32_t flags, std::uint32_t red, std::uint32_t green,
                         std::uint32_t blue, std::uint32_t alpha);

// A header whose pixel format is a FourCC code ("DXT1", "DX10", ...).
std::string fourCCHeader(std::int32_t width, std::int32_t height, const char* code,
                         std::int32_t mipMaps = 0, std::uint32_t caps2 = 0);

// A header followed by a DX10 extended header.
std::string dx10Header(std::int32_t width, std::int32_t height, std::uint32_t dxgiFormat,
                       std::uint32_t arraySize = 1, std::uint32_t miscFlag = 0,
                       std::uint32_t dimension = 3, std::int32_t mipMaps = 0,
                       std::int32_t depth = 0);

// A BC1 block: two R5G6B5 end colours and 16 two-bit indices (pixel 0 in
// the lowest bits).
std::string bc1Block(std::uint16_t colour0, std::uint16_t colour1, std::uint32_t indices);

// An image of `width` x `height` RGBA pixels compressed by libsquish with
// its kDxt1, kDxt3 or kDxt5 flag.
std::string squishCompressed(const std::vector<unsigned char>& rgba, int width, int height,
                             int flags);

// A smooth, varied RGBA test picture: a colour wheel whose alpha falls off
// from the middle.
std::vector<unsigned char> colourWheel(int width, int height);

// A BC4 block holding the 16 values (pixel 0 first) as nearly as its eight
// levels between the smallest and largest allow.
std::string bc4Block(const std::array<std::uint8_t, 16>& values);

// A `side` x `side` BC5 (DX10) tangent-space normal map of domes on a flat
// surface; `side` a multiple of 16.
std::string normalMapBc5(int side);

} // namespace texpeek::testing

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace texpeek {

// Every field of the header is a 32-bit little-endian integer taken as signed.
// Nothing is checked against an expected value: a file that is not a DDS file
// is read and reported the same way.

struct DdsPixelFormat {
    std::int32_t size = 0;
    std::int32_t flags = 0;
    std::int32_t fourCC = 0;
    std::int32_t bitCount = 0;
    std::int32_t redMask = 0;
    std::int32_t greenMask = 0;
    std::int32_t blueMask = 0;
    std::int32_t alphaMask = 0;
};

struct DdsCaps {
    std::int32_t caps1 = 0;
    std::int32_t caps2 = 0;
    std::int32_t reserved1 = 0;
    std::int32_t reserved2 = 0;
};

struct DdsHeader {
    std::int32_t magic = 0;
    std::int32_t size = 0;
    std::int32_t flags = 0;
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t pitch = 0;
    std::int32_t depth = 0;
    std::int32_t mipMapCount = 0;
    std::array<std::int32_t, 11> reserved1{};
    DdsPixelFormat pixelFormat;
    DdsCaps caps;
    std::int32_t reserved2 = 0;
};

inline constexpr std::size_t kHeaderSize = 128;

// The header from 128 bytes in file order.
DdsHeader parseDdsHeader(const std::array<unsigned char, kHeaderSize>& bytes);

// Reads the first 128 bytes of `in` (positioned at offset 0) and leaves it at
// byte 128, where the pixels start. A file shorter than the header is not an
// error: the missing bytes read as zero and the stream is left at its end,
// still usable, so that the pixel reads that follow also see zeros.
DdsHeader readDdsHeader(std::istream& in);

// The 43 lines of the header report, in the order the list box shows them.
std::vector<std::string> headerReportLines(const DdsHeader& header);

// The extended header that follows the first 128 bytes when the FourCC code
// is "DX10": 20 bytes, five 32-bit little-endian fields.
struct DdsHeaderDx10 {
    std::uint32_t dxgiFormat = 0;
    std::uint32_t resourceDimension = 0;
    std::uint32_t miscFlag = 0;
    std::uint32_t arraySize = 0;
    std::uint32_t miscFlags2 = 0;
};

inline constexpr std::size_t kDx10HeaderSize = 20;

// The FourCC code of four characters as the header's number holds it.
constexpr std::int32_t fourCC(const char (&code)[5])
{
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(static_cast<unsigned char>(code[0])) |
        static_cast<std::uint32_t>(static_cast<unsigned char>(code[1])) << 8 |
        static_cast<std::uint32_t>(static_cast<unsigned char>(code[2])) << 16 |
        static_cast<std::uint32_t>(static_cast<unsigned char>(code[3])) << 24);
}

// True when the header says an extended header follows it.
bool hasDx10Header(const DdsHeader& header);

// The extended header from its 20 bytes in file order.
DdsHeaderDx10 parseDx10Header(const std::array<unsigned char, kDx10HeaderSize>& bytes);

// The lines the report adds after its 43 for the extended header.
std::vector<std::string> dx10ReportLines(const DdsHeaderDx10& header);

// The channel layout shown for a bit count ("R5G6B5", "R8G8B8", "A8R8G8B8"),
// or an empty text for a bit count that is not decoded.
std::string formatName(std::int32_t bitCount);

} // namespace texpeek

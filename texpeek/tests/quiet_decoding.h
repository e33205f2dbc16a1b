#pragma once

#include "texpeek/core/dds_file.h"

#include <cstdint>
#include <string>
#include <string_view>

// What many of the format tests share: a progress sink that reports nothing,
// little-endian fields and packed pixels to build files with, and a file
// decoded whole.
namespace texpeek::testing {

struct SilentProgress final : ProgressSink {
    void stageStarted(Stage, std::string_view, std::string_view) override {}
    void pixelsDone(std::int64_t) override {}
    void stageFinished(Stage) override {}
};

// `value`'s low `bytes` bytes, little-endian.
inline std::string le(std::uint32_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

// A pixel as the decoders return it: red in the low byte.
constexpr std::uint32_t rgba(unsigned r, unsigned g, unsigned b, unsigned a)
{
    return r | g << 8 | b << 16 | a << 24;
}

// The first surface of a whole DDS file.
inline ImageGrid decodeWhole(const std::string& file)
{
    SilentProgress quiet;
    return decodeFileSurface(parseDdsFile(file), 0, 0, quiet);
}

} // namespace texpeek::testing

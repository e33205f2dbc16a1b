#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// DDS files built byte by byte, for the tests and the benchmark.
namespace texpeek::testing {

// Writes `value` little-endian at `offset`, growing `bytes` as needed.
void putLe32(std::string& bytes, std::size_t offset, std::uint32_t value);

// A 128-byte header as an uncompressed DDS file carries it: magic "DDS ",
// size 124, the given sides and bit count, and masks that match it.
std::string ddsHeader(std::int32_t width, std::int32_t height, std::int32_t bitCount);

// A header followed by `pixels`.
std::string ddsFile(std::int32_t width, std::int32_t height, std::int32_t bitCount,
                    const std::string& pixels);

// `count` pixels of `bytesPerPixel` bytes each, all the same.
std::string repeated(const std::string& pixel, std::size_t count);

} // namespace texpeek::testing

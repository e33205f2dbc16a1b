#pragma once

#include <array>
#include <cstdint>

namespace texpeek {

// BC3's alpha half: the 16 levels 0..255 its first eight bytes give, with
// the steps between the endpoints rounded down as libsquish rounds them, so
// that a file shows the levels it always has.
void decodeBc3Alpha(const unsigned char* block, std::array<std::uint8_t, 16>& out);

// The same, one pixel at a time, on any processor. decodeBc3Alpha uses it
// where the processor lacks the byte shuffles of SSSE3.
void decodeBc3AlphaPortable(const unsigned char* block, std::array<std::uint8_t, 16>& out);

} // namespace texpeek

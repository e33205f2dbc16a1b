#pragma once

#include "texpeek/core/pixel_format.h"

#include <array>
#include <cstdint>

namespace texpeek {

// The 16 pixels of one 4 x 4 block, row after row, each a grid cell
// (red + 256 * green + 65536 * blue + 16777216 * alpha).
using BlockPixels = std::array<std::uint32_t, 16>;

// Decodes one block of a block-compressed encoding. Formats without alpha
// leave alpha 0, as uncompressed layouts without alpha do; BC4 shows its one
// channel as a grey level, BC5 its two as red and green.
void decodeBlock(Encoding encoding, const unsigned char* block, BlockPixels& out);

// The parts each encoding is made of, apart for the tests.
void decodeBc1(const unsigned char* block, BlockPixels& out);
void decodeBc2(const unsigned char* block, BlockPixels& out);
void decodeBc3(const unsigned char* block, BlockPixels& out);
// One BC4 channel: 16 values 0..255 (signed blocks map -1..1 onto 0..255).
void decodeBc4Channel(const unsigned char* block, bool isSigned, std::array<std::uint8_t, 16>& out);
void decodeBc7(const unsigned char* block, BlockPixels& out);
// 16 pixels of red, green and blue as the bits of half floats.
void decodeBc6h(const unsigned char* block, bool isSigned, std::array<std::uint16_t, 48>& out);

// A high-dynamic-range value as a screen level 0..255: Reinhard's x / (1 + x)
// followed by the sRGB curve, so that 0 stays black, 1.0 shows as a light
// grey and very bright values approach white without clipping.
std::uint8_t toneMapped(float value);

// A half float's value.
float halfToFloat(std::uint16_t half);

} // namespace texpeek

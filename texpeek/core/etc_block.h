#pragma once

#include "texpeek/core/block_decoders.h"

#include <array>
#include <cstdint>

namespace texpeek {

enum class EtcKind { Etc1, Etc2, Etc2Punch };

// One 8-byte ETC1 or ETC2 colour block as cells: opaque, but for the
// transparent black of punch-through blocks.
void decodeEtcColour(const unsigned char* block, EtcKind kind, BlockPixels& out);

// One 8-byte EAC block as 8-bit alpha.
void decodeEacAlpha(const unsigned char* block, std::array<std::uint8_t, 16>& out);

// One 8-byte EAC block of 11-bit data as 0..255, signed data remapped as
// BC4's is (-1 -> 0, 1 -> 255).
void decodeEac11(const unsigned char* block, bool isSigned, std::array<std::uint8_t, 16>& out);

} // namespace texpeek

#pragma once

#include "core/interpretation.h"
#include "core/pixel_format.h"
#include "core/pixels.h"

#include <cstddef>
#include <cstdint>

namespace texpeek {

// Decodes one surface whose bytes start at `data`, of which `available`
// are in the file: bytes past them read as zero, as a short file's always
// have. The three legacy layouts go through their own decoders with their
// own stages; every other format runs one reading stage named after it.
// Throws DdsError for sides whose pixels cannot be counted and
// std::bad_alloc when the grid cannot be had. The progress sink may throw
// to stop the decoding between batches (that is how an open is cancelled).
// `colourView`, when given (room for every pixel), is also filled with the
// colour view buildView makes of the grid, in the same pass where it can be.
// The cells are the values as shown under `interpretation` (see
// DisplayMapping); without one, under the format's default reading.
ImageGrid decodeSurface(const unsigned char* data, std::size_t available, const PixelFormat& format,
                        std::uint32_t width, std::uint32_t height, ProgressSink& progress,
                        std::uint32_t* colourView = nullptr,
                        const Interpretation* interpretation = nullptr);

// The 8-bit value of a channel `value` of a channel whose largest value is
// `max`, rounded to nearest (max 31: 16 -> 132; max 1023: 512 -> 128).
std::uint8_t scaleChannel(std::uint32_t value, std::uint32_t max);

} // namespace texpeek

#pragma once

#include "texpeek/core/interpretation.h"
#include "texpeek/core/pixel_format.h"
#include "texpeek/core/pixels.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace texpeek {

// How much of one surface the file holds, and how much of it a picture
// shows. Memory follows the data: rows past the file's data are shown (as a
// chequerboard) only while grid and view together stay within three times
// what the data fills plus a few MB.
struct SurfaceCoverage {
    std::uint64_t bytesNeeded = 0; // what the header's sides take
    std::uint64_t bytesPresent = 0; // what the file has of them
    std::uint64_t unitsPresent = 0; // whole blocks (or pixels) in the file
    std::uint32_t width = 0;
    std::uint32_t height = 0; // as the header says
    std::uint32_t shownHeight = 0; // the rows the picture holds
    bool complete() const { return bytesPresent >= bytesNeeded; }
};

// Throws DdsError, with the reason in the window's language, for a
// non-empty surface of which the file holds less than one row of blocks
// (or of pixels).
SurfaceCoverage surfaceCoverage(const PixelFormat& format, std::uint32_t width,
                                std::uint32_t height, std::size_t available);

// For the status line: how much of an incomplete surface is missing
// ("Faltam 120 de 480 bytes (25%)"); empty when nothing is.
std::string missingDataText(const SurfaceCoverage& coverage);

// The cell shown at (x, y), counted from 0, where the file has no data: two
// greys in squares of 8 pixels, opaque.
std::uint32_t missingCell(std::uint32_t x, std::uint32_t y);

// Decodes one surface whose bytes start at `data`, of which `available`
// are in the file. Blocks (or pixels) the file lacks show as missingCell;
// the grid holds coverage.shownHeight rows, which may be fewer than
// `height`. The three legacy layouts go through their own decoders with their
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

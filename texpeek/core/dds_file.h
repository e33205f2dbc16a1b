#pragma once

#include "texpeek/core/dds_header.h"
#include "texpeek/core/interpretation.h"
#include "texpeek/core/memory_block.h"
#include "texpeek/core/pixel_format.h"
#include "texpeek/core/pixels.h"
#include "texpeek/core/surface_decoder.h"
#include "texpeek/core/surface_layout.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace texpeek {

// A whole DDS file as an open holds it: its bytes and what its headers say
// about them. Nothing is refused here; a format that cannot be decoded is
// kept as its reason, for the window to tell.
struct DdsFile {
    FileBytes bytes;
    DdsHeader header;
    std::optional<DdsHeaderDx10> dx10;
    FormatResult format;
    SurfaceLayout layout;
    std::size_t pixelOffset = kHeaderSize; // where the first surface starts

    const PixelFormat* pixelFormat() const { return std::get_if<PixelFormat>(&format); }
};

// Reads the headers out of the file's bytes (missing bytes read as zero).
DdsFile parseDdsFile(FileBytes bytes);
DdsFile parseDdsFile(std::string_view bytes);

// The 43 lines of the header report, then the extended header's.
std::vector<std::string> fileReportLines(const DdsFile& file);

// The summary's format text: the format's name, or for the three legacy
// layouts the names they have always shown.
std::string displayFormatName(const DdsFile& file);

// Decodes the image at `level` and `choice` (a layer or a volume slice).
// Throws DdsError when the file's format is not decoded (its reason as the
// message) or the sides cannot be counted; see decodeSurface for the rest,
// `colourView` included.
// The cells are shown under `interpretation`, or without one under
// defaultInterpretation(file).
ImageGrid decodeFileSurface(const DdsFile& file, std::uint32_t level, std::uint32_t choice,
                            ProgressSink& progress, std::uint32_t* colourView = nullptr,
                            const Interpretation* interpretation = nullptr);

// How much of the image at `level` and `choice` the file holds; throws
// DdsError as surfaceCoverage does, and for a format that is not decoded.
SurfaceCoverage fileSurfaceCoverage(const DdsFile& file, std::uint32_t level, std::uint32_t choice);

// The reading of this file's data Texpeek starts from (for a format it
// cannot decode, nothing applies).
Interpretation defaultInterpretation(const DdsFile& file);

} // namespace texpeek

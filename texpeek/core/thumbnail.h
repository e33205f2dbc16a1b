#pragma once

#include "texpeek/core/dds_file.h"
#include "texpeek/core/interpretation.h"
#include "texpeek/core/pixels.h"
#include "texpeek/core/surface_layout.h"

#include <cstdint>
#include <filesystem>

namespace texpeek {

// The level a thumbnail of `size` pixels a side is made from: the smallest
// whose larger side is at least `size`, or the first when none is.
std::uint32_t thumbnailLevel(const SurfaceLayout& layout, std::uint32_t size);

struct Thumbnail {
    DdsFile file; // its headers (and palette) only: `bytes` ends before the pixels
    Interpretation reading; // the default reading, which the cells are in
    std::uint32_t level = 0;
    ImageGrid grid; // the first image at `level`
};

// Reads the headers of the file at `path` and then only the bytes of the
// first image at thumbnailLevel, and decodes it. Throws OpenFailed for a file
// that cannot be read, sides that cannot be shown or a format not decoded,
// and DdsError as decodeSurface does.
Thumbnail readThumbnailSurface(const std::filesystem::path& path, std::uint32_t size);

} // namespace texpeek

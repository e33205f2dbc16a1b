#pragma once

#include "texpeek/core/dds_header.h"
#include "texpeek/core/pixel_format.h"

#include <cstdint>
#include <optional>
#include <string>

namespace texpeek {

// What the surfaces after the header are: one image with its mip-map levels,
// or the faces of a cube map, the elements of a texture array (each with its
// levels), or the depth slices of a volume texture (for each level in turn).
enum class SurfaceKind { Plain, Cube, Array, Volume };

struct SurfaceLayout {
    SurfaceKind kind = SurfaceKind::Plain;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t depth = 1; // volume textures
    std::uint32_t levels = 1;
    // Faces of a cube map (6 for each array element), elements of an array;
    // 1 for a plain image and a volume texture.
    std::uint32_t layers = 1;
    // For cube maps: which of the six faces each file face is, in file
    // order (0 = +X ... 5 = -Z). A cube map need not hold every face.
    std::uint32_t faceMask = 0x3F;
};

// The surfaces the header describes. Sides come from the header as unsigned
// numbers; the level count is kept to what the larger side allows.
SurfaceLayout surfaceLayout(const DdsHeader& header, const std::optional<DdsHeaderDx10>& dx10);

// The number of images one may choose among at `level`: the layers, or for a
// volume texture the depth slices of that level.
std::uint32_t choicesAt(const SurfaceLayout& layout, std::uint32_t level);

// Which of the six cube faces file layer `layer` is (0 = +X ... 5 = -Z).
int cubeFaceOf(const SurfaceLayout& layout, std::uint32_t layer);

std::uint32_t levelSide(std::uint32_t side, std::uint32_t level);

// Where one image lies in the pixel data (counted from the first pixel byte)
// and its sides. Offsets may lie past the end of a short file.
struct SurfaceSpan {
    std::uint64_t offset = 0;
    std::uint64_t bytes = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

// The image at `level` and `choice` (a layer, or a slice of a volume
// texture); both count from 0 and must be in range.
SurfaceSpan surfaceSpan(const SurfaceLayout& layout, const PixelFormat& format, std::uint32_t level,
                        std::uint32_t choice);

} // namespace texpeek

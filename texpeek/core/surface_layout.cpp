#include "texpeek/core/surface_layout.h"

#include <algorithm>
#include <bit>

namespace texpeek {

namespace {

constexpr std::uint32_t kDepthFlag = 0x800000;
constexpr std::uint32_t kCubeMap = 0x200;
constexpr std::uint32_t kCubeFaces = 0xFC00; // +X, -X, +Y, -Y, +Z, -Z
constexpr std::uint32_t kVolume = 0x200000;
constexpr std::uint32_t kDx10Texture3d = 4;
constexpr std::uint32_t kDx10TextureCube = 0x4;

// Layer counts come from the file; past this many nobody could pick one
// from a list, and the arithmetic of the offsets stays far from overflow.
constexpr std::uint32_t kMaxLayers = 1u << 16;

} // namespace

std::uint32_t levelSide(std::uint32_t side, std::uint32_t level)
{
    return level >= 32 ? 1u : std::max(1u, side >> level);
}

SurfaceLayout surfaceLayout(const DdsHeader& header, const std::optional<DdsHeaderDx10>& dx10)
{
    SurfaceLayout l;
    l.width = static_cast<std::uint32_t>(header.width);
    l.height = static_cast<std::uint32_t>(header.height);
    const auto caps2 = static_cast<std::uint32_t>(header.caps.caps2);
    const auto depth = static_cast<std::uint32_t>(header.depth);

    // Writers disagree on whether a level count of 0 or 1 goes with the
    // flag; either way there is at least the full-size image.
    const std::uint32_t possible =
        static_cast<std::uint32_t>(std::bit_width(std::max(l.width, l.height)));
    l.levels = std::clamp(static_cast<std::uint32_t>(std::max(header.mipMapCount, 1)), 1u,
                          std::max(possible, 1u));

    if (dx10) {
        const std::uint32_t elements = std::clamp(dx10->arraySize, 1u, kMaxLayers);
        if (dx10->resourceDimension == kDx10Texture3d) {
            l.kind = SurfaceKind::Volume;
            l.depth = std::max(depth, 1u);
        } else if ((dx10->miscFlag & kDx10TextureCube) != 0) {
            l.kind = SurfaceKind::Cube;
            l.layers = elements * 6;
        } else if (elements > 1) {
            l.kind = SurfaceKind::Array;
            l.layers = elements;
        }
        return l;
    }
    if ((caps2 & kCubeMap) != 0) {
        l.kind = SurfaceKind::Cube;
        l.faceMask = (caps2 & kCubeFaces) >> 10;
        // A cube map that names none of its faces is taken to hold all six.
        if (l.faceMask == 0)
            l.faceMask = 0x3F;
        l.layers = static_cast<std::uint32_t>(std::popcount(l.faceMask));
    } else if ((caps2 & kVolume) != 0 && depth > 1 &&
               (static_cast<std::uint32_t>(header.flags) & kDepthFlag) != 0) {
        l.kind = SurfaceKind::Volume;
        l.depth = depth;
    }
    return l;
}

std::uint32_t choicesAt(const SurfaceLayout& layout, std::uint32_t level)
{
    if (layout.kind == SurfaceKind::Volume)
        return levelSide(layout.depth, level);
    return layout.layers;
}

int cubeFaceOf(const SurfaceLayout& layout, std::uint32_t layer)
{
    if (layout.faceMask == 0x3F)
        return static_cast<int>(layer % 6);
    std::uint32_t seen = 0;
    for (int face = 0; face < 6; ++face) {
        if ((layout.faceMask >> face & 1u) == 0)
            continue;
        if (seen++ == layer)
            return face;
    }
    return 0;
}

SurfaceSpan surfaceSpan(const SurfaceLayout& layout, const PixelFormat& format, std::uint32_t level,
                        std::uint32_t choice)
{
    // A side of 0 stays 0 at every level: the image is empty and takes no
    // bytes, rather than a column of pixels the file does not hold.
    auto side = [](std::uint32_t s, std::uint32_t k) { return s == 0 ? 0u : levelSide(s, k); };
    auto bytesAt = [&](std::uint32_t k) {
        return format.surfaceBytes(side(layout.width, k), side(layout.height, k));
    };
    SurfaceSpan span;
    span.width = side(layout.width, level);
    span.height = side(layout.height, level);
    span.bytes = bytesAt(level);
    if (layout.kind == SurfaceKind::Volume) {
        // Level by level, each level all its slices.
        for (std::uint32_t k = 0; k < level; ++k)
            span.offset += bytesAt(k) * levelSide(layout.depth, k);
        span.offset += span.bytes * choice;
        return span;
    }
    // Layer by layer, each layer all its levels.
    std::uint64_t chain = 0;
    for (std::uint32_t k = 0; k < layout.levels; ++k) {
        if (k == level)
            span.offset = chain;
        chain += bytesAt(k);
    }
    span.offset += chain * choice;
    return span;
}

} // namespace texpeek

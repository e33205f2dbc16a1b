#include "pivotel/core/animation.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace pivotel {
namespace {

constexpr std::int64_t kMaxCanvasSide = 8192;
constexpr std::int32_t kIndexAlpha = 2;
constexpr std::int32_t kAlphaTest = 3;
constexpr int kSingleFrameMilliseconds = 100;

} // namespace

std::optional<Animation> animationOf(const SpriteModel& sprite)
{
    const std::vector<FlatPicture> flat = flatten(sprite);
    if (flat.empty())
        return std::nullopt;
    // The canvas holds every picture where its origin puts it (y up).
    std::int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
    for (const FlatPicture& one : flat) {
        left = std::min<std::int64_t>(left, one.picture->originX);
        top = std::min<std::int64_t>(top, -std::int64_t{one.picture->originY});
        right =
            std::max<std::int64_t>(right, std::int64_t{one.picture->originX} + one.picture->width);
        bottom = std::max<std::int64_t>(bottom,
                                        -std::int64_t{one.picture->originY} + one.picture->height);
    }
    if (right - left > kMaxCanvasSide || bottom - top > kMaxCanvasSide)
        return std::nullopt;

    Animation out;
    out.width = static_cast<std::int32_t>(right - left);
    out.height = static_cast<std::int32_t>(bottom - top);
    const bool quake = sprite.version == 1;
    const std::int32_t format = quake ? kAlphaTest : sprite.textureFormat;
    // Index-alpha shows its tint everywhere, each index its coverage.
    const Rgb tint = sprite.palette.size() == 256 ? sprite.palette[255] : Rgb{0, 0, 0};
    std::vector<Rgba> colours;
    for (std::size_t i = 0; i < 256; ++i) {
        const auto level = static_cast<std::uint8_t>(i);
        if (format == kIndexAlpha) {
            Rgb overBlack;
            for (std::size_t c = 0; c < 3; ++c)
                overBlack[c] = static_cast<std::uint8_t>((tint[c] * i + 127) / 255);
            out.palette.push_back(overBlack);
            colours.push_back({tint[0], tint[1], tint[2], level});
            continue;
        }
        const Rgb rgb = quake ? Rgb{level, level, level}
                              : (i < sprite.palette.size() ? sprite.palette[i] : Rgb{0, 0, 0});
        out.palette.push_back(rgb);
        colours.push_back(
            {rgb[0], rgb[1], rgb[2], std::uint8_t(format == kAlphaTest && i == 255 ? 0 : 255)});
    }
    if (format == kAlphaTest)
        out.clearIndex = 255;
    else if (format == kIndexAlpha)
        out.clearIndex = 0;

    const std::size_t pixels = std::size_t(out.width) * std::size_t(out.height);
    for (const FlatPicture& one : flat) {
        AnimationFrame frame;
        frame.indices.assign(pixels, out.clearIndex.value_or(0));
        frame.rgba.assign(pixels * 4, 0);
        const SpritePicture& picture = *one.picture;
        const auto x0 = static_cast<std::size_t>(picture.originX - left);
        const auto y0 = static_cast<std::size_t>(-std::int64_t{picture.originY} - top);
        for (std::size_t y = 0; y < std::size_t(picture.height); ++y) {
            for (std::size_t x = 0; x < std::size_t(picture.width); ++x) {
                const std::uint8_t index = picture.indices[y * std::size_t(picture.width) + x];
                const std::size_t at = (y0 + y) * std::size_t(out.width) + x0 + x;
                frame.indices[at] = index;
                std::copy(colours[index].begin(), colours[index].end(),
                          frame.rgba.begin() + std::ptrdiff_t(at * 4));
            }
        }
        if (one.inGroup) {
            const float seconds = bitsFloat(one.intervalBits);
            if (std::isfinite(seconds) && seconds > 0 && seconds < 600)
                frame.delayMilliseconds =
                    std::max(10, static_cast<int>(std::lround(seconds * 1000)));
        } else {
            frame.delayMilliseconds = kSingleFrameMilliseconds;
        }
        out.frames.push_back(std::move(frame));
    }
    return out;
}

} // namespace pivotel

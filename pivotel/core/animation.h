#pragma once

#include "pivotel/core/sprite_builder.h"
#include "pivotel/core/sprite_model.h"

#include <cstdint>
#include <optional>
#include <vector>

// A sprite's pictures laid on one canvas each, lined up by their origins
// and timed by their intervals: what an animated GIF or APNG shows.
namespace pivotel {

struct AnimationFrame {
    std::vector<std::uint8_t> indices; // width * height
    std::vector<std::uint8_t> rgba; // width * height * 4, see-through outside the picture
    int delayMilliseconds = 100;
};

struct Animation {
    std::int32_t width = 0;
    std::int32_t height = 0;
    // The colours an indexed picture shows: index-alpha's tint premultiplied
    // by each index's coverage (as it looks over black), the rest as stored.
    std::vector<Rgb> palette;
    // The index left see-through, which also fills the canvas outside a
    // picture: 255 for alpha-test and Quake sprites, 0 for index-alpha;
    // none for the others, whose canvas is colour 0.
    std::optional<std::uint8_t> clearIndex;
    std::vector<AnimationFrame> frames;
};

// Nothing when the canvas would be unreasonably large (origins far apart).
std::optional<Animation> animationOf(const SpriteModel& sprite);

} // namespace pivotel

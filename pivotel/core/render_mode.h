#pragma once

#include "pivotel/core/sprite_model.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// How the game draws a sprite frame for an entity's render mode, amount and
// colour, and which combinations will not look as their maker meant.
namespace pivotel {

enum class RenderMode { Normal, Colour, Texture, Glow, Solid, Additive };

inline constexpr std::array<const char*, 6> kRenderModeNames{"normal", "colour", "texture",
                                                             "glow",   "solid",  "additive"};

// Which combination will not look as intended, for a window to word in its
// own language.
enum class RenderWarning {
    None,
    AdditiveOnNormal,
    AdditiveOnSolid,
    IndexAlphaOpaque,
    AlphaTestOnNormal,
    InvisibleAmount
};
RenderWarning renderWarningOf(std::int32_t textureFormat, RenderMode mode, int amount);

// An empty text when the combination looks as intended; otherwise a plain
// sentence saying what the game will show instead.
std::string renderWarning(std::int32_t textureFormat, RenderMode mode, int amount);

// Draws `picture` onto `canvas` (RGBA, `canvasWidth` wide, opaque) with its
// top-left corner at (left, top), as the game blends it.
void drawFrame(const SpriteModel& sprite, const SpritePicture& picture, RenderMode mode, int amount,
               const Rgb& colour, std::vector<std::uint8_t>& canvas, int canvasWidth, int left,
               int top);

} // namespace pivotel

#pragma once

#include "pivotel/core/animation.h"

#include <optional>
#include <string>

// Animated GIF (by giflib) and APNG (by zlib) files of an animation; kept
// apart from the core that the Windows build compiles, which has neither.
namespace pivotel {

// An 8-bit GIF with the sprite's palette, looping for ever.
std::optional<std::string> gifBytes(const Animation& animation, std::string* error = nullptr);

// A 32-bit APNG, looping for ever; viewers without APNG show the first frame.
std::optional<std::string> apngBytes(const Animation& animation, std::string* error = nullptr);

} // namespace pivotel

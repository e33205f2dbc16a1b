#pragma once

#include "pivotel/core/sprite_model.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The small text file that an exported frames folder carries beside its
// pictures: what the pictures cannot hold (type, texture format, origins,
// groups and their intervals, the header's other values), so that the folder
// makes the same sprite again.
namespace pivotel {

inline constexpr std::string_view kFramesTextName = "sprite.txt";

struct FrameLine {
    std::string file;
    std::int32_t originX = 0;
    std::int32_t originY = 0;
    // The size the picture had when exported: a picture of another size
    // means the header's sizes must be worked out again.
    std::int32_t width = 0;
    std::int32_t height = 0;
    // Lines in a row with the same group number make one group entry.
    std::optional<std::int32_t> group;
    std::uint32_t intervalBits = 0;
};

struct FramesText {
    // The header's values; its entries stay empty.
    SpriteModel header;
    // How many palette colours the file lists (the pictures carry all 256).
    std::size_t paletteColours = 256;
    std::vector<FrameLine> frames;
};

// "frame001.png", ... for the n-th picture of `count`, from 0.
std::string frameFileName(std::size_t index, std::size_t count);

std::string writeFramesText(const FramesText& text);
// Nothing, with `error` naming the line, when the text cannot be read.
std::optional<FramesText> parseFramesText(std::string_view text, std::string* error = nullptr);

// The text describing `sprite`'s pictures, named as frameFileName() does.
FramesText framesTextOf(const SpriteModel& sprite);

// Names for type and texture format values, and back ("additive" or "1").
std::string textureFormatWord(std::int32_t format);
std::optional<std::int32_t> textureFormatFromWord(std::string_view word);
std::optional<std::int32_t> typeFromWord(std::string_view word);

} // namespace pivotel

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The pictures of a sprite: its palette and frames decoded into RGBA, for a
// preview. Reading never trusts a size or count in the file further than
// the bytes that follow it, so a damaged file gives the frames that could be
// decoded and a reason for the rest, never a read past its end.
namespace pivotel {

// How Half-Life blends a sprite (the version 2 header's texture format).
enum class TextureFormat : std::int32_t {
    Normal = 0,
    Additive = 1,
    IndexAlpha = 2,
    AlphaTest = 3,
};

// The palette index that alpha-test sprites, and Quake's, leave see-through.
inline constexpr std::uint8_t kClearIndex = 255;

struct DecodedFrame {
    std::int32_t originX = 0;
    std::int32_t originY = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    // Where the frame's palette indices start in the file.
    std::size_t pixelOffset = 0;
    // The position, from 0, of the header's frame entry this picture
    // belongs to; a group entry holds several pictures.
    std::size_t entry = 0;
    bool inGroup = false;
    // width * height pixels, row by row from the top, 4 bytes each: red,
    // green, blue, alpha (not premultiplied).
    std::vector<std::uint8_t> rgba;
};

struct SpriteFrames {
    std::int32_t version = 0;
    // The header's texture format as stored; Quake's sprites have none.
    std::optional<std::int32_t> textureFormat;
    // Quake's sprites use the game's palette, which the file does not hold;
    // they are decoded as a ramp of greys instead.
    bool paletteInFile = false;
    // The number of frame entries the header announces (a group is one).
    std::int32_t declaredEntries = 0;
    std::vector<DecodedFrame> frames;
    // Why the file ends before its frames do or does not hold together;
    // empty when every announced frame was decoded.
    std::string problem;
};

// Decodes a version 1 or 2 sprite. Anything else gives no frames and a
// problem saying so.
SpriteFrames decodeFrames(std::string_view bytes);

// "normal", "additive", "index-alpha" or "alpha-test", or a note for a
// format the game does not know or a file without one.
std::string textureFormatName(const SpriteFrames& frames);

// The frame with the most pixels (the first of equals), or nothing when
// there are no frames.
const DecodedFrame* largestFrame(const SpriteFrames& frames);

} // namespace pivotel

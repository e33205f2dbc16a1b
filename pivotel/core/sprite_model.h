#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A sprite taken apart into the values its file holds, and put back together
// into exactly the same bytes. Unlike the frame decoder (which shows whatever
// can be shown of a damaged file), this refuses a file that does not hold
// together, since writing it back would not give the file that was read.
namespace pivotel {

using Rgb = std::array<std::uint8_t, 3>;

struct SpritePicture {
    std::int32_t originX = 0;
    std::int32_t originY = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    // width * height palette indices, row by row from the top.
    std::vector<std::uint8_t> indices;
};

// One frame entry of the header's count: a single picture, or a group of
// pictures each shown for its interval.
struct SpriteEntry {
    bool group = false;
    // The group's intervals as the 32-bit floats' bits, so that any value
    // comes back unchanged; one per picture, none for a single picture.
    std::vector<std::uint32_t> intervalBits;
    std::vector<SpritePicture> pictures;
};

struct SpriteModel {
    std::int32_t version = 2;
    std::int32_t type = 2;
    // Version 2 only.
    std::int32_t textureFormat = 0;
    std::uint32_t boundingRadiusBits = 0;
    std::int32_t maxWidth = 0;
    std::int32_t maxHeight = 0;
    std::uint32_t beamLengthBits = 0;
    std::int32_t syncType = 0;
    // Version 2 holds its palette (1 to 256 colours); version 1 holds none.
    std::vector<Rgb> palette;
    std::vector<SpriteEntry> entries;
    // Bytes after the last frame, which the game never reads.
    std::string trailing;
};

std::uint32_t floatBits(float value);
float bitsFloat(std::uint32_t bits);

// The sprite in `bytes`, or nothing with `error` saying what does not hold
// together. Sizes and counts are trusted only as far as the bytes that
// follow them go.
std::optional<SpriteModel> parseSprite(std::string_view bytes, std::string* error = nullptr);

// The file's bytes. The header's frame count is the number of entries.
std::string serializeSprite(const SpriteModel& sprite);

// Each picture in file order, groups flattened, with what the frames
// folder records of it.
struct FlatPicture {
    const SpritePicture* picture = nullptr;
    std::size_t entry = 0;
    bool inGroup = false;
    std::uint32_t intervalBits = 0;
};
std::vector<FlatPicture> flatten(const SpriteModel& sprite);

// The header values a new sprite gets from its pictures, as the game's own
// sprite compiler sets them: the largest width and height, and the radius of
// the circle around a frame that size.
void fitHeaderToPictures(SpriteModel& sprite);

} // namespace pivotel

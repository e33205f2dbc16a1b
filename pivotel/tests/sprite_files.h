#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Sprite files built byte by byte, for the tests, the screenshots and the
// fuzzer's starting inputs.
namespace pivotel::testing {

std::string int32Bytes(std::int32_t value);

// The header up to its sync type: 40 bytes for version 2, 36 for version 1
// (which has no texture format, so `format` is left out).
std::string header(std::int32_t version, std::int32_t type, std::int32_t format,
                   std::int32_t entries, std::int32_t maxWidth = 8, std::int32_t maxHeight = 8);

// The colour of index i in palette(): easy to tell apart and to predict.
std::uint8_t paletteRed(int index);
std::uint8_t paletteGreen(int index);
std::uint8_t paletteBlue(int index);
// A count followed by that many colours from the ramp above.
std::string palette(int colours = 256);

// A frame's own header and its palette indices (as many as it is given).
std::string picture(std::int32_t width, std::int32_t height, const std::string& indices,
                    std::int32_t originX = 0, std::int32_t originY = 0);
// A frame entry holding one picture.
std::string singleFrame(std::int32_t width, std::int32_t height, const std::string& indices);
// A frame entry holding several pictures, each shown for a tenth of a second.
std::string frameGroup(const std::vector<std::string>& pictures);
// The same with each picture's own interval in seconds (as many as given).
std::string frameGroup(const std::vector<std::string>& pictures,
                       const std::vector<float>& intervals);

// Indices 0, 1, 2, ... wrapping at 256.
std::string rampIndices(std::size_t count, int first = 0);

// A whole version 2 sprite with a full palette.
std::string halfLifeSprite(std::int32_t format, const std::vector<std::string>& entries,
                           std::int32_t type = 2);
// A whole version 1 sprite, which has no palette.
std::string quakeSprite(const std::vector<std::string>& entries, std::int32_t type = 2);

} // namespace pivotel::testing

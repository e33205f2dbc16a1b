#include "pivotel/tests/sprite_files.h"

#include <bit>

namespace pivotel::testing {

std::string int32Bytes(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
    return bytes;
}

std::string header(std::int32_t version, std::int32_t type, std::int32_t format,
                   std::int32_t entries, std::int32_t maxWidth, std::int32_t maxHeight)
{
    std::string bytes = "IDSP" + int32Bytes(version) + int32Bytes(type);
    if (version != 1)
        bytes += int32Bytes(format);
    bytes += std::string("\x00\x00\x80\x41", 4); // bounding radius 16.0
    bytes += int32Bytes(maxWidth) + int32Bytes(maxHeight) + int32Bytes(entries);
    bytes += std::string(4, '\0'); // beam length
    bytes += int32Bytes(0); // synchronised
    return bytes;
}

std::uint8_t paletteRed(int index)
{
    return static_cast<std::uint8_t>(index);
}

std::uint8_t paletteGreen(int index)
{
    return static_cast<std::uint8_t>(255 - index);
}

std::uint8_t paletteBlue(int index)
{
    return static_cast<std::uint8_t>(index * 7);
}

std::string palette(int colours)
{
    std::string bytes;
    bytes += static_cast<char>(colours & 0xFF);
    bytes += static_cast<char>((colours >> 8) & 0xFF);
    for (int i = 0; i < colours; ++i) {
        bytes += static_cast<char>(paletteRed(i));
        bytes += static_cast<char>(paletteGreen(i));
        bytes += static_cast<char>(paletteBlue(i));
    }
    return bytes;
}

std::string picture(std::int32_t width, std::int32_t height, const std::string& indices,
                    std::int32_t originX, std::int32_t originY)
{
    return int32Bytes(originX) + int32Bytes(originY) + int32Bytes(width) + int32Bytes(height) +
           indices;
}

std::string singleFrame(std::int32_t width, std::int32_t height, const std::string& indices)
{
    return int32Bytes(0) + picture(width, height, indices, -width / 2, height / 2);
}

std::string frameGroup(const std::vector<std::string>& pictures)
{
    std::string bytes = int32Bytes(1) + int32Bytes(static_cast<std::int32_t>(pictures.size()));
    for (std::size_t i = 0; i < pictures.size(); ++i)
        bytes += std::string("\xCD\xCC\xCC\x3D", 4); // 0.1 s
    for (const std::string& one : pictures)
        bytes += one;
    return bytes;
}

std::string frameGroup(const std::vector<std::string>& pictures,
                       const std::vector<float>& intervals)
{
    std::string bytes = int32Bytes(1) + int32Bytes(static_cast<std::int32_t>(pictures.size()));
    for (const float interval : intervals)
        bytes += int32Bytes(static_cast<std::int32_t>(std::bit_cast<std::uint32_t>(interval)));
    for (const std::string& one : pictures)
        bytes += one;
    return bytes;
}

std::string rampIndices(std::size_t count, int first)
{
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes += static_cast<char>((first + static_cast<int>(i)) & 0xFF);
    return bytes;
}

std::string halfLifeSprite(std::int32_t format, const std::vector<std::string>& entries,
                           std::int32_t type)
{
    std::string bytes = header(2, type, format, static_cast<std::int32_t>(entries.size()));
    bytes += palette();
    for (const std::string& entry : entries)
        bytes += entry;
    return bytes;
}

std::string quakeSprite(const std::vector<std::string>& entries, std::int32_t type)
{
    std::string bytes = header(1, type, 0, static_cast<std::int32_t>(entries.size()));
    for (const std::string& entry : entries)
        bytes += entry;
    return bytes;
}

} // namespace pivotel::testing

#include "pivotel/core/tga.h"

namespace pivotel {
namespace {

std::optional<SourcePicture> refuse(std::string* error, std::string reason)
{
    if (error)
        *error = "not a readable Targa picture: " + std::move(reason);
    return std::nullopt;
}

std::uint8_t at(std::string_view bytes, std::size_t offset)
{
    return static_cast<std::uint8_t>(bytes[offset]);
}

// One stored colour of 2, 3 or 4 bytes (BGR order) as RGBA.
Rgba colourOf(std::string_view bytes, std::size_t offset, int bytesPerColour)
{
    if (bytesPerColour == 2) {
        const unsigned value = at(bytes, offset) | (at(bytes, offset + 1) << 8);
        auto five = [](unsigned v) { return static_cast<std::uint8_t>((v & 31) * 255 / 31); };
        return {five(value >> 10), five(value >> 5), five(value), 255};
    }
    return {at(bytes, offset + 2), at(bytes, offset + 1), at(bytes, offset),
            bytesPerColour == 4 ? at(bytes, offset + 3) : std::uint8_t{255}};
}

} // namespace

std::optional<SourcePicture> decodeTga(std::string_view bytes, std::string* error)
{
    constexpr std::size_t kHeader = 18;
    if (bytes.size() < kHeader)
        return refuse(error, "too short");
    const std::size_t idLength = at(bytes, 0);
    const int mapType = at(bytes, 1);
    const int imageType = at(bytes, 2);
    const std::size_t mapFirst = at(bytes, 3) | (at(bytes, 4) << 8);
    const std::size_t mapLength = at(bytes, 5) | (at(bytes, 6) << 8);
    const int mapBits = at(bytes, 7);
    const int width = at(bytes, 12) | (at(bytes, 13) << 8);
    const int height = at(bytes, 14) | (at(bytes, 15) << 8);
    const int bits = at(bytes, 16);
    const int descriptor = at(bytes, 17);
    const bool packed = imageType >= 9;
    const int kind = packed ? imageType - 8 : imageType;
    if (kind < 1 || kind > 3)
        return refuse(error, "picture type " + std::to_string(imageType));
    if (width < 1 || height < 1)
        return refuse(error, "no pixels");
    const bool mapped = kind == 1;
    if (mapped && (mapType != 1 || bits != 8 || (mapBits != 24 && mapBits != 32 && mapBits != 16) ||
                   mapFirst + mapLength > 256))
        return refuse(error, "an unsupported colour map");
    if (kind == 2 && bits != 16 && bits != 24 && bits != 32)
        return refuse(error, std::to_string(bits) + " bits per pixel");
    if (kind == 3 && bits != 8)
        return refuse(error, std::to_string(bits) + " bits per grey pixel");

    std::size_t position = kHeader + idLength;
    std::vector<Rgba> palette;
    if (mapType == 1) {
        const int mapBytes = (mapBits + 7) / 8;
        if (bytes.size() < position + mapLength * static_cast<std::size_t>(mapBytes))
            return refuse(error, "the colour map is cut short");
        // A true-colour picture may carry a map it does not use: only
        // skipped, since its entries may be of any size.
        if (mapped) {
            palette.assign(mapFirst, Rgba{0, 0, 0, 255});
            for (std::size_t i = 0; i < mapLength; ++i)
                palette.push_back(
                    colourOf(bytes, position + i * static_cast<std::size_t>(mapBytes), mapBytes));
        }
        position += mapLength * static_cast<std::size_t>(mapBytes);
    }

    const int pixelBytes = bits / 8;
    const std::size_t count = std::size_t(width) * std::size_t(height);
    // Each stored pixel takes at least one byte even when packed 128 to a
    // run, which bounds the memory by the file's own size.
    if (count / 128 > bytes.size())
        return refuse(error, "the pixels are cut short");

    SourcePicture picture;
    picture.width = width;
    picture.height = height;
    picture.rgba.resize(count * 4);
    if (mapped) {
        picture.indices.resize(count);
        picture.palette = palette;
        picture.palette.resize(256, Rgba{0, 0, 0, 255});
    }
    const bool topDown = (descriptor & 0x20) != 0;
    const bool rightToLeft = (descriptor & 0x10) != 0;
    auto put = [&](std::size_t i, std::size_t source) {
        const int x = static_cast<int>(i % std::size_t(width));
        const int y = static_cast<int>(i / std::size_t(width));
        const std::size_t target = std::size_t(topDown ? y : height - 1 - y) * std::size_t(width) +
                                   std::size_t(rightToLeft ? width - 1 - x : x);
        Rgba colour;
        if (mapped) {
            const std::uint8_t index = at(bytes, source);
            picture.indices[target] = index;
            colour = picture.palette[index];
        } else if (kind == 3) {
            const std::uint8_t grey = at(bytes, source);
            colour = {grey, grey, grey, 255};
        } else {
            colour = colourOf(bytes, source, pixelBytes);
        }
        for (std::size_t c = 0; c < 4; ++c)
            picture.rgba[target * 4 + c] = colour[c];
    };
    const auto step = std::size_t(pixelBytes);
    for (std::size_t i = 0; i < count;) {
        if (!packed) {
            if (bytes.size() < position + step)
                return refuse(error, "the pixels are cut short");
            put(i++, position);
            position += step;
            continue;
        }
        if (position >= bytes.size())
            return refuse(error, "the pixels are cut short");
        const int header = at(bytes, position++);
        const std::size_t run = std::size_t(header & 0x7F) + 1;
        const bool repeated = (header & 0x80) != 0;
        const std::size_t needed = repeated ? step : run * step;
        if (bytes.size() < position + needed)
            return refuse(error, "the pixels are cut short");
        for (std::size_t k = 0; k < run && i < count; ++k)
            put(i++, repeated ? position : position + k * step);
        position += needed;
    }
    return picture;
}

} // namespace pivotel

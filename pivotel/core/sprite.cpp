#include "core/sprite.h"

#include "common/core/file_io.h"

#include <utility>

namespace pivotel {

std::optional<Orientation> orientationOf(std::uint8_t type)
{
    if (type >= kOrientations.size())
        return std::nullopt;
    return kOrientations[type];
}

std::optional<Sprite> Sprite::fromBytes(std::string bytes)
{
    if (bytes.size() < kMinimumLength)
        return std::nullopt;
    return Sprite(std::move(bytes));
}

std::uint8_t Sprite::type() const
{
    return static_cast<std::uint8_t>(bytes_[kTypeOffset]);
}

void Sprite::setType(std::uint8_t type)
{
    bytes_[kTypeOffset] = static_cast<char>(type);
}

std::optional<Sprite> readSprite(const std::filesystem::path& path, std::string* error)
{
    // Far beyond any sprite the engine loads (its frames are at most 256 by 256).
    std::optional<std::string> bytes = fileio::readAll(path, 64u << 20, error);
    if (!bytes)
        return std::nullopt;
    std::optional<Sprite> sprite = Sprite::fromBytes(std::move(*bytes));
    if (!sprite && error)
        *error = "too short for a sprite header";
    return sprite;
}

bool writeSprite(const std::filesystem::path& path, const Sprite& sprite, std::string* error)
{
    return fileio::writeAtomically(path, sprite.bytes(), error);
}

} // namespace pivotel

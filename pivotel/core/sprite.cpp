#include "pivotel/core/sprite.h"

#include "common/core/file_io.h"

#include <string>
#include <string_view>
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

std::int32_t Sprite::version() const
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= std::uint32_t{static_cast<std::uint8_t>(bytes_[4 + i])} << (8 * i);
    return static_cast<std::int32_t>(value);
}

std::string Sprite::notSpriteReason() const
{
    if (std::string_view(bytes_).substr(0, kSpriteIdentifier.size()) != kSpriteIdentifier)
        return "it does not start with \"IDSP\"";
    const std::int32_t found = version();
    if (found != kQuakeVersion && found != kHalfLifeVersion)
        return "its version is " + std::to_string(found) + ", not 1 or 2";
    return {};
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

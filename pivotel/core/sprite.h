#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

// A Half-Life sprite held whole in memory, and the one header byte this
// program edits: the lowest byte of the 32-bit orientation type that follows
// the 4-byte identifier and the 4-byte version. Any file long enough to hold
// that byte can be read, but only one that starts with the sprite identifier
// and a known version counts as a sprite and may be written back.
namespace pivotel {

inline constexpr std::size_t kTypeOffset = 8;
// The shortest file that still has a type byte.
inline constexpr std::size_t kMinimumLength = kTypeOffset + 1;

// One orientation the window offers. Bytes above 4 have none.
struct Orientation {
    std::uint8_t value;
    std::string_view caption;
    std::string_view typeText;
};

inline constexpr std::array<Orientation, 5> kOrientations{{
    {0, "Side View", "Side View Sprite"},
    {1, "Flipper", "Flipper Sprite"},
    {2, "Common", "Common Sprite"},
    {3, "Fixed Direction", "Fixed Direction Sprite"},
    {4, "Parallel Oriented", "Parallel Oriented Sprite"},
}};

inline constexpr std::string_view kSpriteIdentifier = "IDSP";
// Quake's sprites are version 1, Half-Life's version 2.
inline constexpr std::int32_t kQuakeVersion = 1;
inline constexpr std::int32_t kHalfLifeVersion = 2;

// The orientation of a type byte, or nothing for a value without one.
std::optional<Orientation> orientationOf(std::uint8_t type);

class Sprite {
public:
    // Nothing when the bytes are too short to hold the type byte; whether
    // they are a sprite at all is for notSpriteReason() to say.
    static std::optional<Sprite> fromBytes(std::string bytes);

    const std::string& bytes() const { return bytes_; }
    // The 32-bit little-endian version that follows the identifier.
    std::int32_t version() const;
    // Why these bytes are not a sprite (no "IDSP" at the start, or a version
    // other than 1 or 2), or an empty text when they are one.
    std::string notSpriteReason() const;
    bool isSprite() const { return notSpriteReason().empty(); }
    std::uint8_t type() const;
    // Changes byte 8 only: bytes 9 to 11 of the header field stay as read.
    void setType(std::uint8_t type);

private:
    explicit Sprite(std::string bytes) : bytes_(std::move(bytes)) {}

    std::string bytes_;
};

// The whole file as a sprite, or nothing with `error` set to a short reason
// (missing, unreadable, a folder, shorter than kMinimumLength).
std::optional<Sprite> readSprite(const std::filesystem::path& path, std::string* error = nullptr);

// Replaces the file at `path` with exactly the sprite's bytes (whatever was
// there before, however long); a failed write leaves it untouched.
bool writeSprite(const std::filesystem::path& path, const Sprite& sprite,
                 std::string* error = nullptr);

} // namespace pivotel

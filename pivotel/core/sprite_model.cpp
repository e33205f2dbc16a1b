#include "pivotel/core/sprite_model.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace pivotel {
namespace {

constexpr std::string_view kIdentifier = "IDSP";
constexpr std::int32_t kSingle = 0;
constexpr std::int32_t kGroup = 1;
constexpr std::size_t kPictureHeaderLength = 16;

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    std::size_t remaining() const { return bytes_.size() - position_; }
    std::size_t position() const { return position_; }

    bool int32(std::int32_t& value)
    {
        std::uint32_t bits = 0;
        if (!uint32(bits))
            return false;
        value = static_cast<std::int32_t>(bits);
        return true;
    }

    bool uint32(std::uint32_t& value)
    {
        if (remaining() < 4)
            return false;
        value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value |= std::uint32_t{byte(position_ + i)} << (8 * i);
        position_ += 4;
        return true;
    }

    bool uint16(std::uint16_t& value)
    {
        if (remaining() < 2)
            return false;
        value = static_cast<std::uint16_t>(byte(position_) | (byte(position_ + 1) << 8));
        position_ += 2;
        return true;
    }

    bool take(std::size_t count, std::string_view& out)
    {
        if (remaining() < count)
            return false;
        out = bytes_.substr(position_, count);
        position_ += count;
        return true;
    }

private:
    std::uint8_t byte(std::size_t at) const { return static_cast<std::uint8_t>(bytes_[at]); }

    std::string_view bytes_;
    std::size_t position_ = 0;
};

void putUint32(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void putInt32(std::string& out, std::int32_t value)
{
    putUint32(out, static_cast<std::uint32_t>(value));
}

bool fail(std::string* error, std::string reason)
{
    if (error)
        *error = std::move(reason);
    return false;
}

bool readPicture(Reader& reader, SpritePicture& picture, const std::string& what,
                 std::string* error)
{
    if (!reader.int32(picture.originX) || !reader.int32(picture.originY) ||
        !reader.int32(picture.width) || !reader.int32(picture.height))
        return fail(error, "the file ends inside the header of " + what);
    if (picture.width < 1 || picture.height < 1)
        return fail(error, what + " has a size of " + std::to_string(picture.width) + " x " +
                               std::to_string(picture.height));
    const std::uint64_t pixels = std::uint64_t{static_cast<std::uint32_t>(picture.width)} *
                                 static_cast<std::uint32_t>(picture.height);
    std::string_view indices;
    if (pixels > reader.remaining() || !reader.take(static_cast<std::size_t>(pixels), indices))
        return fail(error, what + " is cut short");
    picture.indices.assign(indices.begin(), indices.end());
    return true;
}

} // namespace

std::uint32_t floatBits(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float bitsFloat(std::uint32_t bits)
{
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::optional<SpriteModel> parseSprite(std::string_view bytes, std::string* error)
{
    SpriteModel sprite;
    Reader reader(bytes);
    std::string_view identifier;
    if (!reader.take(kIdentifier.size(), identifier) || identifier != kIdentifier) {
        fail(error, "not a sprite: it does not start with \"IDSP\"");
        return std::nullopt;
    }
    if (!reader.int32(sprite.version) || (sprite.version != 1 && sprite.version != 2)) {
        fail(error, "not a sprite: its version is not 1 or 2");
        return std::nullopt;
    }
    std::int32_t entries = 0;
    const bool halfLife = sprite.version == 2;
    if (!reader.int32(sprite.type) || (halfLife && !reader.int32(sprite.textureFormat)) ||
        !reader.uint32(sprite.boundingRadiusBits) || !reader.int32(sprite.maxWidth) ||
        !reader.int32(sprite.maxHeight) || !reader.int32(entries) ||
        !reader.uint32(sprite.beamLengthBits) || !reader.int32(sprite.syncType)) {
        fail(error, "the header is cut short");
        return std::nullopt;
    }
    if (entries < 1) {
        fail(error, "the header claims " + std::to_string(entries) + " frames");
        return std::nullopt;
    }
    if (halfLife) {
        std::uint16_t colours = 0;
        std::string_view rgb;
        if (!reader.uint16(colours) || colours < 1 || colours > 256 ||
            !reader.take(std::size_t{colours} * 3, rgb)) {
            fail(error, "the palette is damaged or cut short");
            return std::nullopt;
        }
        sprite.palette.resize(colours);
        for (std::size_t i = 0; i < colours; ++i)
            for (std::size_t c = 0; c < 3; ++c)
                sprite.palette[i][c] = static_cast<std::uint8_t>(rgb[i * 3 + c]);
    }
    // Every entry takes at least 20 bytes, so a huge count fails on the
    // bytes, not on memory.
    for (std::int32_t e = 0; e < entries; ++e) {
        const std::string name = "frame " + std::to_string(e + 1);
        SpriteEntry entry;
        std::int32_t kind = 0;
        if (!reader.int32(kind)) {
            fail(error, "the file ends after " + std::to_string(e) + " of " +
                            std::to_string(entries) + " frames");
            return std::nullopt;
        }
        if (kind == kSingle) {
            entry.pictures.resize(1);
            if (!readPicture(reader, entry.pictures[0], name, error))
                return std::nullopt;
        } else if (kind == kGroup) {
            entry.group = true;
            std::int32_t count = 0;
            if (!reader.int32(count) || count < 1 ||
                reader.remaining() / (4 + kPictureHeaderLength) < static_cast<std::size_t>(count)) {
                fail(error, "group " + name + " is damaged");
                return std::nullopt;
            }
            entry.intervalBits.resize(static_cast<std::size_t>(count));
            for (std::uint32_t& bits : entry.intervalBits)
                reader.uint32(bits);
            entry.pictures.resize(static_cast<std::size_t>(count));
            for (std::size_t i = 0; i < entry.pictures.size(); ++i) {
                if (!readPicture(reader, entry.pictures[i],
                                 "picture " + std::to_string(i + 1) + " of group " + name, error))
                    return std::nullopt;
            }
        } else {
            fail(error, name + " is of unknown kind " + std::to_string(kind));
            return std::nullopt;
        }
        sprite.entries.push_back(std::move(entry));
    }
    std::string_view rest;
    reader.take(reader.remaining(), rest);
    sprite.trailing = std::string(rest);
    return sprite;
}

std::string serializeSprite(const SpriteModel& sprite)
{
    std::string out(kIdentifier);
    putInt32(out, sprite.version);
    putInt32(out, sprite.type);
    if (sprite.version != 1)
        putInt32(out, sprite.textureFormat);
    putUint32(out, sprite.boundingRadiusBits);
    putInt32(out, sprite.maxWidth);
    putInt32(out, sprite.maxHeight);
    putInt32(out, static_cast<std::int32_t>(sprite.entries.size()));
    putUint32(out, sprite.beamLengthBits);
    putInt32(out, sprite.syncType);
    if (sprite.version != 1) {
        const auto colours = static_cast<std::uint16_t>(sprite.palette.size());
        out += static_cast<char>(colours & 0xFF);
        out += static_cast<char>(colours >> 8);
        for (const Rgb& colour : sprite.palette)
            out.append(colour.begin(), colour.end());
    }
    for (const SpriteEntry& entry : sprite.entries) {
        putInt32(out, entry.group ? kGroup : kSingle);
        if (entry.group) {
            putInt32(out, static_cast<std::int32_t>(entry.pictures.size()));
            for (std::size_t i = 0; i < entry.pictures.size(); ++i)
                putUint32(out,
                          i < entry.intervalBits.size() ? entry.intervalBits[i] : floatBits(0.1f));
        }
        for (const SpritePicture& picture : entry.pictures) {
            putInt32(out, picture.originX);
            putInt32(out, picture.originY);
            putInt32(out, picture.width);
            putInt32(out, picture.height);
            out.append(picture.indices.begin(), picture.indices.end());
        }
    }
    out += sprite.trailing;
    return out;
}

std::vector<FlatPicture> flatten(const SpriteModel& sprite)
{
    std::vector<FlatPicture> flat;
    for (std::size_t e = 0; e < sprite.entries.size(); ++e) {
        const SpriteEntry& entry = sprite.entries[e];
        for (std::size_t i = 0; i < entry.pictures.size(); ++i) {
            FlatPicture one;
            one.picture = &entry.pictures[i];
            one.entry = e;
            one.inGroup = entry.group;
            if (entry.group && i < entry.intervalBits.size())
                one.intervalBits = entry.intervalBits[i];
            flat.push_back(one);
        }
    }
    return flat;
}

void fitHeaderToPictures(SpriteModel& sprite)
{
    std::int32_t width = 0;
    std::int32_t height = 0;
    for (const SpriteEntry& entry : sprite.entries) {
        for (const SpritePicture& picture : entry.pictures) {
            width = std::max(width, picture.width);
            height = std::max(height, picture.height);
        }
    }
    sprite.maxWidth = width;
    sprite.maxHeight = height;
    const double half = 0.5;
    sprite.boundingRadiusBits = floatBits(
        static_cast<float>(std::sqrt(width * half * width * half + height * half * height * half)));
}

} // namespace pivotel

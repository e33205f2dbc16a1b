#include "pivotel/core/sprite_frames.h"

#include "pivotel/core/sprite.h"

#include <array>
#include <cstring>
#include <utility>

namespace pivotel {
namespace {

// Header sizes up to the first byte after the sync type; version 2 adds the
// texture format after the orientation type.
constexpr std::size_t kQuakeHeaderLength = 36;
constexpr std::size_t kHalfLifeHeaderLength = 40;
constexpr std::size_t kFrameCountOffsetQuake = 24;
constexpr std::size_t kFrameCountOffsetHalfLife = 28;
constexpr std::size_t kTextureFormatOffset = 12;
constexpr std::size_t kPaletteColours = 256;
constexpr std::size_t kFrameHeaderLength = 16; // origin x, origin y, width, height
constexpr std::size_t kIntervalLength = 4;

constexpr std::int32_t kSingleFrame = 0;
constexpr std::int32_t kFrameGroup = 1;

using Palette = std::array<std::array<std::uint8_t, 3>, kPaletteColours>;

// Little-endian reads that refuse to go past the end instead of trusting a
// count found in the file.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes, std::size_t position = 0)
        : bytes_(bytes), position_(position)
    {
    }

    std::size_t position() const { return position_; }
    std::size_t remaining() const
    {
        return position_ < bytes_.size() ? bytes_.size() - position_ : 0;
    }

    std::optional<std::int32_t> int32()
    {
        if (remaining() < 4)
            return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value |= std::uint32_t{byteAt(position_ + i)} << (8 * i);
        position_ += 4;
        return static_cast<std::int32_t>(value);
    }

    std::optional<std::int16_t> int16()
    {
        if (remaining() < 2)
            return std::nullopt;
        const auto value =
            static_cast<std::uint16_t>(byteAt(position_) | (byteAt(position_ + 1) << 8));
        position_ += 2;
        return static_cast<std::int16_t>(value);
    }

    std::uint8_t byteAt(std::size_t at) const { return static_cast<std::uint8_t>(bytes_[at]); }

    void skip(std::size_t count) { position_ += count; }

private:
    std::string_view bytes_;
    std::size_t position_;
};

std::int32_t int32At(std::string_view bytes, std::size_t offset)
{
    ByteReader reader(bytes, offset);
    return reader.int32().value_or(0);
}

// Quake keeps its palette in the game, not in the sprite: a grey for each
// index keeps the picture's shapes readable.
Palette greyRamp()
{
    Palette palette{};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const auto grey = static_cast<std::uint8_t>(i);
        palette[i] = {grey, grey, grey};
    }
    return palette;
}

class FrameDecoder {
public:
    explicit FrameDecoder(SpriteFrames& out) : out_(out) {}

    bool readPalette(ByteReader& reader)
    {
        const std::optional<std::int16_t> count = reader.int16();
        if (!count) {
            out_.problem = "the file ends before its palette";
            return false;
        }
        if (*count < 1 || static_cast<std::size_t>(*count) > kPaletteColours) {
            out_.problem =
                "the palette claims " + std::to_string(*count) + " colours (1 to 256 fit)";
            return false;
        }
        const auto colours = static_cast<std::size_t>(*count);
        if (reader.remaining() < colours * 3) {
            out_.problem = "the palette is cut short: " + std::to_string(colours) +
                           " colours need " + std::to_string(colours * 3) + " bytes, " +
                           std::to_string(reader.remaining()) + " remain";
            return false;
        }
        // Colours a short palette does not list stay black.
        for (std::size_t i = 0; i < colours; ++i) {
            for (std::size_t c = 0; c < 3; ++c)
                palette_[i][c] = reader.byteAt(reader.position() + i * 3 + c);
        }
        reader.skip(colours * 3);
        return true;
    }

    void usePalette(const Palette& palette) { palette_ = palette; }

    void readEntries(ByteReader& reader)
    {
        for (std::int32_t entry = 0; entry < out_.declaredEntries; ++entry) {
            const auto index = static_cast<std::size_t>(entry);
            const std::optional<std::int32_t> kind = reader.int32();
            if (!kind) {
                out_.problem = "the file ends after " + std::to_string(entry) + " of " +
                               std::to_string(out_.declaredEntries) + " frames";
                return;
            }
            if (*kind == kSingleFrame) {
                if (!readPicture(reader, index, false, name(index)))
                    return;
            } else if (*kind == kFrameGroup) {
                if (!readGroup(reader, index))
                    return;
            } else {
                out_.problem = name(index) + " is of unknown kind " + std::to_string(*kind);
                return;
            }
        }
    }

private:
    static std::string name(std::size_t entry) { return "frame " + std::to_string(entry + 1); }

    bool readGroup(ByteReader& reader, std::size_t entry)
    {
        const std::optional<std::int32_t> count = reader.int32();
        if (!count) {
            out_.problem = "the file ends inside group " + name(entry);
            return false;
        }
        if (*count < 1) {
            out_.problem =
                "group " + name(entry) + " claims " + std::to_string(*count) + " pictures";
            return false;
        }
        // Each picture needs at least its interval and its own header.
        const auto pictures = static_cast<std::size_t>(*count);
        if (reader.remaining() / (kIntervalLength + kFrameHeaderLength) < pictures) {
            out_.problem = "group " + name(entry) + " claims " + std::to_string(pictures) +
                           " pictures, more than the rest of the file holds";
            return false;
        }
        // The display intervals matter to the game's animation, not here.
        reader.skip(pictures * kIntervalLength);
        for (std::size_t i = 0; i < pictures; ++i) {
            const std::string picture =
                "picture " + std::to_string(i + 1) + " of group " + name(entry);
            if (!readPicture(reader, entry, true, picture))
                return false;
        }
        return true;
    }

    bool readPicture(ByteReader& reader, std::size_t entry, bool inGroup, const std::string& what)
    {
        if (reader.remaining() < kFrameHeaderLength) {
            out_.problem = "the file ends inside the header of " + what;
            return false;
        }
        DecodedFrame frame;
        frame.originX = *reader.int32();
        frame.originY = *reader.int32();
        frame.width = *reader.int32();
        frame.height = *reader.int32();
        frame.entry = entry;
        frame.inGroup = inGroup;
        if (frame.width < 1 || frame.height < 1) {
            out_.problem = what + " has a size of " + std::to_string(frame.width) + " x " +
                           std::to_string(frame.height);
            return false;
        }
        // Both factors fit in 31 bits, so their product cannot overflow.
        const std::uint64_t pixels = std::uint64_t{static_cast<std::uint32_t>(frame.width)} *
                                     std::uint64_t{static_cast<std::uint32_t>(frame.height)};
        if (pixels > reader.remaining()) {
            out_.problem = what + " is cut short: " + std::to_string(frame.width) + " x " +
                           std::to_string(frame.height) + " needs " + std::to_string(pixels) +
                           " bytes, " + std::to_string(reader.remaining()) + " remain";
            return false;
        }
        frame.pixelOffset = reader.position();
        const auto count = static_cast<std::size_t>(pixels);
        frame.rgba.resize(count * 4);
        for (std::size_t i = 0; i < count; ++i)
            colour(reader.byteAt(frame.pixelOffset + i), &frame.rgba[i * 4]);
        reader.skip(count);
        out_.frames.push_back(std::move(frame));
        return true;
    }

    void colour(std::uint8_t index, std::uint8_t* pixel) const
    {
        const std::int32_t format =
            out_.textureFormat.value_or(static_cast<std::int32_t>(TextureFormat::AlphaTest));
        if (format == static_cast<std::int32_t>(TextureFormat::IndexAlpha)) {
            // The index is the coverage of the palette's last colour.
            const auto& tint = palette_[kPaletteColours - 1];
            std::memcpy(pixel, tint.data(), 3);
            pixel[3] = index;
            return;
        }
        std::memcpy(pixel, palette_[index].data(), 3);
        const bool clear =
            format == static_cast<std::int32_t>(TextureFormat::AlphaTest) && index == kClearIndex;
        // Additive sprites are shown opaque, as they look over black.
        pixel[3] = clear ? 0 : 255;
    }

    SpriteFrames& out_;
    Palette palette_{};
};

} // namespace

SpriteFrames decodeFrames(std::string_view bytes)
{
    SpriteFrames out;
    const std::optional<Sprite> sprite =
        Sprite::fromBytes(std::string(bytes.substr(0, kMinimumLength)));
    if (!sprite) {
        out.problem = "the file is too short for a sprite header";
        return out;
    }
    if (const std::string reason = sprite->notSpriteReason(); !reason.empty()) {
        out.problem = "not a sprite: " + reason;
        return out;
    }
    out.version = sprite->version();
    const bool quake = out.version == kQuakeVersion;
    const std::size_t headerLength = quake ? kQuakeHeaderLength : kHalfLifeHeaderLength;
    if (bytes.size() < headerLength) {
        out.problem = "the header is cut short: " + std::to_string(bytes.size()) + " of " +
                      std::to_string(headerLength) + " bytes";
        return out;
    }
    if (!quake)
        out.textureFormat = int32At(bytes, kTextureFormatOffset);
    out.paletteInFile = !quake;
    out.declaredEntries =
        int32At(bytes, quake ? kFrameCountOffsetQuake : kFrameCountOffsetHalfLife);
    if (out.declaredEntries < 1) {
        out.problem = "the header claims " + std::to_string(out.declaredEntries) + " frames";
        return out;
    }

    FrameDecoder decoder(out);
    ByteReader reader(bytes, headerLength);
    if (quake)
        decoder.usePalette(greyRamp());
    else if (!decoder.readPalette(reader))
        return out;
    decoder.readEntries(reader);
    return out;
}

std::string textureFormatName(const SpriteFrames& frames)
{
    if (!frames.textureFormat)
        return frames.version == kQuakeVersion ? "none in file (Quake: colour 255 see-through)"
                                               : "unknown";
    switch (*frames.textureFormat) {
    case static_cast<std::int32_t>(TextureFormat::Normal): return "normal";
    case static_cast<std::int32_t>(TextureFormat::Additive): return "additive";
    case static_cast<std::int32_t>(TextureFormat::IndexAlpha): return "index-alpha";
    case static_cast<std::int32_t>(TextureFormat::AlphaTest): return "alpha-test";
    default: return "unknown (" + std::to_string(*frames.textureFormat) + "), shown as normal";
    }
}

const DecodedFrame* largestFrame(const SpriteFrames& frames)
{
    const DecodedFrame* largest = nullptr;
    for (const DecodedFrame& frame : frames.frames) {
        if (!largest || frame.rgba.size() > largest->rgba.size())
            largest = &frame;
    }
    return largest;
}

} // namespace pivotel

#pragma once

#include "texpeek/core/dds_header.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace texpeek {

// How a surface's bytes are laid out. The three Legacy layouts are the ones
// the bit count alone chose before masks were read; they keep their own
// decoders so that such files decode exactly as they always have.
enum class Encoding {
    Legacy16, // R5G6B5, alpha 0
    Legacy24, // B, G, R bytes, alpha 0
    Legacy32, // B, G, R, A bytes
    Masked, // 8, 16, 24 or 32 bits a pixel, channels by bit masks
    Bc1,
    Bc2,
    Bc3,
    Bc4,
    Bc4Signed,
    Bc5,
    Bc5Signed,
    Bc6hUnsigned,
    Bc6hSigned,
    Bc7,
    Rgba16Unorm, // four little-endian 16-bit channels R, G, B, A
    Rgba16Float, // four half floats R, G, B, A
    Rgba32Float, // four 32-bit floats R, G, B, A
    Channels, // one, two or four channels of one width and kind, R first
    Palette8, // one byte a pixel indexing 256 R, G, B, A colours before the pixels
    Etc1,
    Etc2Rgb,
    Etc2Rgba, // EAC alpha block, then ETC2 colour block
    Etc2Punch, // ETC2 with one-bit alpha
    Eac11, // one channel
    Eac11Signed,
    EacRg11, // two channels
    EacRg11Signed,
    Astc, // block sides in astcWidth, astcHeight
    R11G11B10Float, // unsigned floats of 6, 6 and 5 mantissa bits, 5 exponent bits each
    Rgb9E5, // three 9-bit mantissas sharing a 5-bit exponent
};

enum class ChannelKind { Unorm, Snorm, Uint, Sint, Float };

// The channels of Encoding::Channels: `count` of `bits` bits each, little
// endian, in the order red, green, blue, alpha.
struct ChannelLayout {
    int count = 0;
    int bits = 0;
    ChannelKind kind = ChannelKind::Unorm;
};

// The channels of a masked pixel. A zero mask is a channel the pixel lacks.
struct ChannelMasks {
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
    std::uint32_t alpha = 0;
    // One grey level in `red`, shown in red, green and blue alike.
    bool luminance = false;
};

struct PixelFormat {
    Encoding encoding = Encoding::Legacy32;
    std::string name; // as the window shows it: "A1R5G5B5", "BC7", ...
    int bitsPerPixel = 0; // uncompressed layouts
    ChannelMasks masks; // Masked only
    bool hasAlpha = false; // whether the alpha view means anything
    bool srgb = false; // the format says its colours are sRGB-encoded
    bool premultiplied = false; // the format says colours are multiplied by alpha (DXT2, DXT4)
    bool fromLegacyMasks = false; // masks read from a header without the extended one
    ChannelLayout channels; // Channels only
    std::vector<std::uint32_t> palette; // Palette8: 256 cells, from the file
    int astcWidth = 0; // Astc only: the block's sides in pixels
    int astcHeight = 0;

    bool isBlockCompressed() const { return blockBytes() != 0; }
    // Bytes of one block; 0 for uncompressed layouts.
    int blockBytes() const;
    // A block's sides in pixels: 4 x 4 but for ASTC.
    int blockWidth() const { return encoding == Encoding::Astc ? astcWidth : 4; }
    int blockHeight() const { return encoding == Encoding::Astc ? astcHeight : 4; }
    // Bytes a surface of these sides takes in the file.
    std::uint64_t surfaceBytes(std::uint32_t width, std::uint32_t height) const;
};

// The format of the file's pixels, or a short reason (in the window's
// language) why it cannot be decoded.
using FormatResult = std::variant<PixelFormat, std::string>;

FormatResult identifyFormat(const DdsHeader& header, const std::optional<DdsHeaderDx10>& dx10);

} // namespace texpeek

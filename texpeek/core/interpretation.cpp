#include "texpeek/core/interpretation.h"

#include "texpeek/core/block_decoders.h"

#include <algorithm>
#include <cmath>

namespace texpeek {

namespace {

// Steps of the linear-to-screen table: fine enough that the steepest part of
// the sRGB curve (12.92 near black) moves less than half a level a step.
constexpr int kEncodeSteps = 16384;

// The extended header's alpha modes (the low bits of miscFlags2).
constexpr std::uint32_t kAlphaModeStraight = 1;
constexpr std::uint32_t kAlphaModePremultiplied = 2;
constexpr std::uint32_t kAlphaModeOpaque = 3;
constexpr std::uint32_t kAlphaModeCustom = 4;

float srgbEncoded(float linear)
{
    return linear <= 0.0031308f ? 12.92f * linear : 1.055f * std::pow(linear, 1.0f / 2.4f) - 0.055f;
}

std::uint8_t toByte(float unit)
{
    if (!(unit > 0.0f)) // also NaN
        return 0;
    return static_cast<std::uint8_t>(std::lround(std::min(unit, 1.0f) * 255.0f));
}

template <typename T>
Assumption<T> said(T value)
{
    return {value, true, false};
}

template <typename T>
Assumption<T> guess(T value)
{
    return {value, true, true};
}

} // namespace

bool isFloatData(const PixelFormat& format)
{
    switch (format.encoding) {
    case Encoding::Rgba16Float:
    case Encoding::Rgba32Float:
    case Encoding::Bc6hUnsigned:
    case Encoding::Bc6hSigned:
    case Encoding::R11G11B10Float:
    case Encoding::Rgb9E5: return true;
    case Encoding::Channels: return format.channels.kind == ChannelKind::Float;
    default: return false;
    }
}

bool isSignedData(const PixelFormat& format)
{
    switch (format.encoding) {
    case Encoding::Bc4Signed:
    case Encoding::Bc5Signed:
    case Encoding::Eac11Signed:
    case Encoding::EacRg11Signed: return true;
    case Encoding::Channels: return format.channels.kind == ChannelKind::Snorm;
    default: return false;
    }
}

bool isTwoChannel(const PixelFormat& format)
{
    switch (format.encoding) {
    case Encoding::Bc5:
    case Encoding::Bc5Signed:
    case Encoding::EacRg11:
    case Encoding::EacRg11Signed: return true;
    case Encoding::Channels: return format.channels.count == 2 && !isFloatData(format);
    case Encoding::Masked: {
        const ChannelMasks& m = format.masks;
        return !m.luminance && m.red != 0 && m.green != 0 && m.blue == 0 && m.alpha == 0;
    }
    default: return false;
    }
}

bool isTenTenTenTwo(const PixelFormat& format)
{
    const ChannelMasks& m = format.masks;
    return format.encoding == Encoding::Masked && format.fromLegacyMasks &&
           format.bitsPerPixel == 32 && m.green == 0xFFC00u &&
           ((m.red == 0x3FFu && m.blue == 0x3FF00000u) ||
            (m.red == 0x3FF00000u && m.blue == 0x3FFu));
}

Interpretation defaultInterpretation(const PixelFormat& format,
                                     const std::optional<DdsHeaderDx10>& dx10)
{
    Interpretation in;
    const bool floats = isFloatData(format);
    // Float data is linear light by definition; an _SRGB format says it is
    // encoded; 8-bit colours without a word on it are almost always
    // painted for the screen.
    if (floats)
        in.colourSpace = said(ColourSpace::Linear);
    else if (format.srgb)
        in.colourSpace = said(ColourSpace::Srgb);
    else
        in.colourSpace = guess(ColourSpace::Srgb);

    if (format.hasAlpha) {
        const std::uint32_t mode = dx10 ? (dx10->miscFlags2 & 7u) : 0u;
        if (format.premultiplied || mode == kAlphaModePremultiplied)
            in.alpha = said(AlphaMode::Premultiplied);
        else if (mode == kAlphaModeStraight)
            in.alpha = said(AlphaMode::Straight);
        else if (mode == kAlphaModeOpaque || mode == kAlphaModeCustom)
            in.alpha = said(AlphaMode::Data);
        else
            in.alpha = guess(AlphaMode::Straight);
    }
    if (isSignedData(format))
        in.signedData = said(SignedMapping::Remapped);
    // Two-channel block formats are made for normal maps; the plain
    // two-channel layouts hold anything.
    if (isTwoChannel(format)) {
        const bool blocks = format.isBlockCompressed();
        in.normalMap = guess(blocks ? NormalZ::Rebuilt : NormalZ::Empty);
    }
    if (isTenTenTenTwo(format))
        in.maskOrder = guess(MaskOrder::Swapped);
    if (floats) {
        in.exposureEv = said(0.0);
        in.curve = said(HdrCurve::Clip);
    }
    return in;
}

DisplayMapping::DisplayMapping(const PixelFormat& format, const Interpretation& interpretation)
    : interpretation_(interpretation)
{
    const Interpretation& in = interpretation;
    swapRedBlue_ = in.maskOrder.applies && in.maskOrder.value == MaskOrder::Swapped;
    rebuildZ_ = in.normalMap.applies && in.normalMap.value == NormalZ::Rebuilt;
    unpremultiply_ = in.alpha.applies && in.alpha.value == AlphaMode::Premultiplied;
    const bool linear = in.colourSpace.value == ColourSpace::Linear;
    const bool clamped = in.signedData.applies && in.signedData.value == SignedMapping::Clamped;
    if (in.exposureEv.applies) {
        scale_ = static_cast<float>(std::exp2(in.exposureEv.value));
        tone_ = in.curve.value == HdrCurve::ToneCurve;
    }

    encode_.resize(kEncodeSteps + 1);
    for (int i = 0; i <= kEncodeSteps; ++i) {
        const float unit = static_cast<float>(i) / kEncodeSteps;
        encode_[static_cast<std::size_t>(i)] = toByte(linear ? srgbEncoded(unit) : unit);
    }
    bool identity = true;
    for (int v = 0; v < 256; ++v) {
        float unit = static_cast<float>(v) / 255.0f;
        if (clamped) // the remapped byte back to -1..1, negatives to 0
            unit = std::max(0.0f, unit * 2.0f - 1.0f);
        const std::uint8_t level = linear ? toByte(srgbEncoded(unit)) : toByte(unit);
        channel_[static_cast<std::size_t>(v)] = level;
        identity = identity && level == v;
    }
    cellsAsDecoded_ = identity && !swapRedBlue_ && !rebuildZ_ && !unpremultiply_;

    if (isFloatData(format)) {
        halfLevels_.resize(65536);
        for (std::uint32_t h = 0; h < 65536; ++h)
            halfLevels_[h] = colourLevel(halfToFloat(static_cast<std::uint16_t>(h)));
    }
}

std::uint8_t DisplayMapping::encoded(float unit) const
{
    if (!(unit > 0.0f))
        return encode_[0];
    if (unit >= 1.0f)
        return encode_[kEncodeSteps];
    return encode_[static_cast<std::size_t>(std::lround(unit * kEncodeSteps))];
}

std::uint8_t DisplayMapping::colourLevel(float value) const
{
    float v = value * scale_;
    if (tone_ && v > 0.0f)
        v = std::isinf(v) ? 1.0f : v / (1.0f + v);
    return encoded(v);
}

std::uint32_t DisplayMapping::floats(float red, float green, float blue, float alpha,
                                     bool hasAlpha) const
{
    if (swapRedBlue_)
        std::swap(red, blue);
    if (unpremultiply_ && hasAlpha && alpha > 0.0f) {
        red /= alpha;
        green /= alpha;
        blue /= alpha;
    }
    const std::uint32_t a = hasAlpha ? toByte(alpha) : 0u;
    return static_cast<std::uint32_t>(colourLevel(red)) |
           static_cast<std::uint32_t>(colourLevel(green)) << 8 |
           static_cast<std::uint32_t>(colourLevel(blue)) << 16 | a << 24;
}

std::uint32_t DisplayMapping::cell(std::uint32_t decoded) const
{
    if (cellsAsDecoded_)
        return decoded;
    std::uint32_t r = decoded & 0xFFu;
    std::uint32_t g = (decoded >> 8) & 0xFFu;
    std::uint32_t b = (decoded >> 16) & 0xFFu;
    const std::uint32_t a = decoded >> 24;
    if (swapRedBlue_)
        std::swap(r, b);
    if (rebuildZ_) {
        // Red and green hold x and y as 0..255 for -1..1, signed data
        // remapped the same way; Z goes back into blue likewise.
        const float x = static_cast<float>(r) / 127.5f - 1.0f;
        const float y = static_cast<float>(g) / 127.5f - 1.0f;
        const float z = std::sqrt(std::max(0.0f, 1.0f - x * x - y * y));
        b = static_cast<std::uint32_t>(std::lround((z + 1.0f) * 127.5f));
    }
    // Colours over alpha 0 are light added without coverage; they stay.
    if (unpremultiply_ && a != 0) {
        {
            r = std::min<std::uint32_t>(255, (r * 255 + a / 2) / a);
            g = std::min<std::uint32_t>(255, (g * 255 + a / 2) / a);
            b = std::min<std::uint32_t>(255, (b * 255 + a / 2) / a);
        }
    }
    return static_cast<std::uint32_t>(channel_[r]) | static_cast<std::uint32_t>(channel_[g]) << 8 |
           static_cast<std::uint32_t>(channel_[b]) << 16 | a << 24;
}

void DisplayMapping::cells(std::uint32_t* cells, std::size_t count) const
{
    if (cellsAsDecoded_)
        return;
    for (std::size_t i = 0; i < count; ++i)
        cells[i] = cell(cells[i]);
}

} // namespace texpeek

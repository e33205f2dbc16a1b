#include "texpeek/core/pixel_format.h"

#include <array>
#include <bit>
#include <string_view>

namespace texpeek {

namespace {

// Pixel format flags of the header.
constexpr std::uint32_t kAlphaPixels = 0x1;
constexpr std::uint32_t kAlphaOnly = 0x2;
constexpr std::uint32_t kFourCCFlag = 0x4;
constexpr std::uint32_t kLuminance = 0x20000;

// Older writers store a few floating-point and 16-bit layouts as a number in
// the FourCC field instead of four characters.
constexpr std::int32_t kD3dA16B16G16R16 = 36;
constexpr std::int32_t kD3dA16B16G16R16F = 113;
constexpr std::int32_t kD3dA32B32G32R32F = 116;
constexpr std::int32_t kD3dR16F = 111;
constexpr std::int32_t kD3dG16R16F = 112;
constexpr std::int32_t kD3dR32F = 114;
constexpr std::int32_t kD3dG32R32F = 115;
constexpr std::int32_t kD3dV8U8 = 60;
constexpr std::int32_t kD3dQ8W8V8U8 = 63;
constexpr std::int32_t kD3dV16U16 = 64;
constexpr std::int32_t kD3dQ16W16V16U16 = 110;
constexpr std::uint32_t kPaletteIndexed8 = 0x20;

PixelFormat make(Encoding encoding, const char* name, bool hasAlpha, int bitsPerPixel = 0)
{
    PixelFormat f;
    f.encoding = encoding;
    f.name = name;
    f.hasAlpha = hasAlpha;
    f.bitsPerPixel = bitsPerPixel;
    return f;
}

PixelFormat channels(const char* name, int count, int bits, ChannelKind kind)
{
    PixelFormat f = make(Encoding::Channels, name, count == 4, count * bits);
    f.channels = {count, bits, kind};
    return f;
}

PixelFormat masked(const char* name, int bits, ChannelMasks masks)
{
    PixelFormat f = make(Encoding::Masked, name, masks.alpha != 0, bits);
    f.masks = masks;
    return f;
}

// A name such as "A1R5G5B5" made from the masks, channels from the highest
// bits down, for layouts that have no usual name of their own here.
std::string nameFromMasks(const ChannelMasks& m)
{
    struct Part {
        char letter;
        std::uint32_t mask;
    };
    std::array<Part, 4> parts{{{m.luminance ? 'L' : 'R', m.red},
                               {'G', m.luminance ? 0u : m.green},
                               {'B', m.luminance ? 0u : m.blue},
                               {'A', m.alpha}}};
    std::string name;
    for (;;) {
        Part* top = nullptr;
        for (Part& p : parts)
            if (p.mask != 0 && (top == nullptr || p.mask > top->mask))
                top = &p;
        if (top == nullptr)
            break;
        name += top->letter;
        name += std::to_string(std::popcount(top->mask));
        top->mask = 0;
    }
    return name;
}

std::string fourCCText(std::int32_t code)
{
    const auto value = static_cast<std::uint32_t>(code);
    std::string text;
    for (int i = 0; i < 4; ++i) {
        const auto c = static_cast<char>((value >> (8 * i)) & 0xFFu);
        text += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    return text;
}

FormatResult fromFourCC(std::int32_t code)
{
    struct Known {
        const char* code;
        Encoding encoding;
        const char* name;
        bool hasAlpha;
    };
    // DXT2 and DXT4 hold colours already multiplied by alpha.
    static const Known known[] = {
        {"DXT1", Encoding::Bc1, "BC1 (DXT1)", true},
        {"DXT2", Encoding::Bc2, "BC2 (DXT2)", true},
        {"DXT3", Encoding::Bc2, "BC2 (DXT3)", true},
        {"DXT4", Encoding::Bc3, "BC3 (DXT4)", true},
        {"DXT5", Encoding::Bc3, "BC3 (DXT5)", true},
        {"ATI1", Encoding::Bc4, "BC4 (ATI1)", false},
        {"BC4U", Encoding::Bc4, "BC4U", false},
        {"BC4S", Encoding::Bc4Signed, "BC4S", false},
        {"ATI2", Encoding::Bc5, "BC5 (ATI2)", false},
        {"BC5U", Encoding::Bc5, "BC5U", false},
        {"BC5S", Encoding::Bc5Signed, "BC5S", false},
        {"ETC ", Encoding::Etc1, "ETC1", false},
        {"ETC1", Encoding::Etc1, "ETC1", false},
        {"ETC2", Encoding::Etc2Rgb, "ETC2", false},
        {"ETCA", Encoding::Etc2Rgba, "ETC2 RGBA", true},
        {"ET2A", Encoding::Etc2Rgba, "ETC2 RGBA", true},
        {"ETCP", Encoding::Etc2Punch, "ETC2 RGB A1", true},
        {"EAC1", Encoding::Eac11, "EAC R11", false},
        {"EACR", Encoding::Eac11, "EAC R11", false},
        {"EACS", Encoding::Eac11Signed, "EAC R11 SNORM", false},
        {"EAC2", Encoding::EacRg11, "EAC RG11", false},
        {"EARG", Encoding::EacRg11, "EAC RG11", false},
        {"EA2S", Encoding::EacRg11Signed, "EAC RG11 SNORM", false},
    };
    for (const Known& k : known) {
        const std::int32_t value = static_cast<std::int32_t>(
            static_cast<std::uint32_t>(static_cast<unsigned char>(k.code[0])) |
            static_cast<std::uint32_t>(static_cast<unsigned char>(k.code[1])) << 8 |
            static_cast<std::uint32_t>(static_cast<unsigned char>(k.code[2])) << 16 |
            static_cast<std::uint32_t>(static_cast<unsigned char>(k.code[3])) << 24);
        if (code == value) {
            PixelFormat f = make(k.encoding, k.name, k.hasAlpha);
            f.premultiplied =
                std::string_view(k.code) == "DXT2" || std::string_view(k.code) == "DXT4";
            return f;
        }
    }
    switch (code) {
    case kD3dA16B16G16R16: return make(Encoding::Rgba16Unorm, "A16B16G16R16", true, 64);
    case kD3dA16B16G16R16F: return make(Encoding::Rgba16Float, "A16B16G16R16F", true, 64);
    case kD3dA32B32G32R32F: return make(Encoding::Rgba32Float, "A32B32G32R32F", true, 128);
    case kD3dR16F: return channels("R16F", 1, 16, ChannelKind::Float);
    case kD3dG16R16F: return channels("G16R16F", 2, 16, ChannelKind::Float);
    case kD3dR32F: return channels("R32F", 1, 32, ChannelKind::Float);
    case kD3dG32R32F: return channels("G32R32F", 2, 32, ChannelKind::Float);
    case kD3dV8U8: return channels("V8U8", 2, 8, ChannelKind::Snorm);
    case kD3dQ8W8V8U8: return channels("Q8W8V8U8", 4, 8, ChannelKind::Snorm);
    case kD3dV16U16: return channels("V16U16", 2, 16, ChannelKind::Snorm);
    case kD3dQ16W16V16U16: return channels("Q16W16V16U16", 4, 16, ChannelKind::Snorm);
    default: break;
    }
    if (code > 0 && code < 256)
        return "Formato " + std::to_string(code) + " não suportado";
    return "FourCC \"" + fourCCText(code) + "\" não suportado";
}

// DXGI 133 to 187: the ASTC block sizes in order, four numbers each
// (typeless, UNORM, UNORM_SRGB, unused).
FormatResult astcFromDxgi(std::uint32_t dxgi)
{
    static const int sides[14][2] = {{4, 4},  {5, 4},   {5, 5},   {6, 5},  {6, 6},
                                     {8, 5},  {8, 6},   {8, 8},   {10, 5}, {10, 6},
                                     {10, 8}, {10, 10}, {12, 10}, {12, 12}};
    const std::uint32_t k = (dxgi - 133) / 4;
    const std::uint32_t variant = (dxgi - 133) % 4;
    if (variant == 3)
        return "Formato DXGI " + std::to_string(dxgi) + " não suportado";
    const std::string size = std::to_string(sides[k][0]) + "X" + std::to_string(sides[k][1]);
    const std::string name = "ASTC_" + size + (variant == 2 ? "_UNORM_SRGB" : "_UNORM");
#if defined(TEXPEEK_HAS_ASTC)
    PixelFormat f = make(Encoding::Astc, name.c_str(), true);
    f.astcWidth = sides[k][0];
    f.astcHeight = sides[k][1];
    return f;
#else
    return "Formato " + name + " não suportado nesta versão";
#endif
}

FormatResult fromDxgi(std::uint32_t dxgi)
{
    if (dxgi >= 133 && dxgi <= 187)
        return astcFromDxgi(dxgi);
    switch (dxgi) {
    case 1: // typeless variants are shown as their unsigned normalised twin
    case 2: return make(Encoding::Rgba32Float, "R32G32B32A32_FLOAT", true, 128);
    case 10: return make(Encoding::Rgba16Float, "R16G16B16A16_FLOAT", true, 64);
    case 9:
    case 11: return make(Encoding::Rgba16Unorm, "R16G16B16A16_UNORM", true, 64);
    case 23:
    case 24: return masked("R10G10B10A2_UNORM", 32, {0x3FFu, 0xFFC00u, 0x3FF00000u, 0xC0000000u});
    case 27:
    case 28: return masked("R8G8B8A8_UNORM", 32, {0xFFu, 0xFF00u, 0xFF0000u, 0xFF000000u});
    case 29: return masked("R8G8B8A8_UNORM_SRGB", 32, {0xFFu, 0xFF00u, 0xFF0000u, 0xFF000000u});
    case 48:
    case 49: return masked("R8G8_UNORM", 16, {0xFFu, 0xFF00u, 0, 0});
    case 60:
    case 61: return masked("R8_UNORM", 8, {0xFFu, 0, 0, 0});
    case 65: return masked("A8_UNORM", 8, {0, 0, 0, 0xFFu});
    case 70:
    case 71: return make(Encoding::Bc1, "BC1_UNORM", true);
    case 72: return make(Encoding::Bc1, "BC1_UNORM_SRGB", true);
    case 73:
    case 74: return make(Encoding::Bc2, "BC2_UNORM", true);
    case 75: return make(Encoding::Bc2, "BC2_UNORM_SRGB", true);
    case 76:
    case 77: return make(Encoding::Bc3, "BC3_UNORM", true);
    case 78: return make(Encoding::Bc3, "BC3_UNORM_SRGB", true);
    case 79:
    case 80: return make(Encoding::Bc4, "BC4_UNORM", false);
    case 81: return make(Encoding::Bc4Signed, "BC4_SNORM", false);
    case 82:
    case 83: return make(Encoding::Bc5, "BC5_UNORM", false);
    case 84: return make(Encoding::Bc5Signed, "BC5_SNORM", false);
    case 85: return masked("B5G6R5_UNORM", 16, {0xF800u, 0x07E0u, 0x001Fu, 0});
    case 86: return masked("B5G5R5A1_UNORM", 16, {0x7C00u, 0x03E0u, 0x001Fu, 0x8000u});
    case 90:
    case 87: return masked("B8G8R8A8_UNORM", 32, {0xFF0000u, 0xFF00u, 0xFFu, 0xFF000000u});
    case 92:
    case 88: return masked("B8G8R8X8_UNORM", 32, {0xFF0000u, 0xFF00u, 0xFFu, 0});
    case 91: return masked("B8G8R8A8_UNORM_SRGB", 32, {0xFF0000u, 0xFF00u, 0xFFu, 0xFF000000u});
    case 93: return masked("B8G8R8X8_UNORM_SRGB", 32, {0xFF0000u, 0xFF00u, 0xFFu, 0});
    case 94:
    case 95: return make(Encoding::Bc6hUnsigned, "BC6H_UF16", false);
    case 96: return make(Encoding::Bc6hSigned, "BC6H_SF16", false);
    case 97:
    case 98: return make(Encoding::Bc7, "BC7_UNORM", true);
    case 99: return make(Encoding::Bc7, "BC7_UNORM_SRGB", true);
    case 115: return masked("B4G4R4A4_UNORM", 16, {0x0F00u, 0x00F0u, 0x000Fu, 0xF000u});
    case 3: return channels("R32G32B32A32_UINT", 4, 32, ChannelKind::Uint);
    case 26: return make(Encoding::R11G11B10Float, "R11G11B10_FLOAT", false, 32);
    case 67: return make(Encoding::Rgb9E5, "R9G9B9E5_SHAREDEXP", false, 32);
    case 40: return channels("D32_FLOAT", 1, 32, ChannelKind::Float);
    case 55: return channels("D16_UNORM", 1, 16, ChannelKind::Unorm);
    case 4: return channels("R32G32B32A32_SINT", 4, 32, ChannelKind::Sint);
    case 12: return channels("R16G16B16A16_UINT", 4, 16, ChannelKind::Uint);
    case 13: return channels("R16G16B16A16_SNORM", 4, 16, ChannelKind::Snorm);
    case 14: return channels("R16G16B16A16_SINT", 4, 16, ChannelKind::Sint);
    case 16:
    case 17: return channels("R32G32_FLOAT", 2, 32, ChannelKind::Float);
    case 18: return channels("R32G32_UINT", 2, 32, ChannelKind::Uint);
    case 19: return channels("R32G32_SINT", 2, 32, ChannelKind::Sint);
    case 25: return masked("R10G10B10A2_UINT", 32, {0x3FFu, 0xFFC00u, 0x3FF00000u, 0xC0000000u});
    case 30: return channels("R8G8B8A8_UINT", 4, 8, ChannelKind::Uint);
    case 31: return channels("R8G8B8A8_SNORM", 4, 8, ChannelKind::Snorm);
    case 32: return channels("R8G8B8A8_SINT", 4, 8, ChannelKind::Sint);
    case 34: return channels("R16G16_FLOAT", 2, 16, ChannelKind::Float);
    case 33:
    case 35: return channels("R16G16_UNORM", 2, 16, ChannelKind::Unorm);
    case 36: return channels("R16G16_UINT", 2, 16, ChannelKind::Uint);
    case 37: return channels("R16G16_SNORM", 2, 16, ChannelKind::Snorm);
    case 38: return channels("R16G16_SINT", 2, 16, ChannelKind::Sint);
    case 39:
    case 41: return channels("R32_FLOAT", 1, 32, ChannelKind::Float);
    case 42: return channels("R32_UINT", 1, 32, ChannelKind::Uint);
    case 43: return channels("R32_SINT", 1, 32, ChannelKind::Sint);
    case 50: return channels("R8G8_UINT", 2, 8, ChannelKind::Uint);
    case 51: return channels("R8G8_SNORM", 2, 8, ChannelKind::Snorm);
    case 52: return channels("R8G8_SINT", 2, 8, ChannelKind::Sint);
    case 54: return channels("R16_FLOAT", 1, 16, ChannelKind::Float);
    case 53:
    case 56: return channels("R16_UNORM", 1, 16, ChannelKind::Unorm);
    case 57: return channels("R16_UINT", 1, 16, ChannelKind::Uint);
    case 58: return channels("R16_SNORM", 1, 16, ChannelKind::Snorm);
    case 59: return channels("R16_SINT", 1, 16, ChannelKind::Sint);
    case 62: return channels("R8_UINT", 1, 8, ChannelKind::Uint);
    case 63: return channels("R8_SNORM", 1, 8, ChannelKind::Snorm);
    case 64: return channels("R8_SINT", 1, 8, ChannelKind::Sint);
    default: return "Formato DXGI " + std::to_string(dxgi) + " não suportado";
    }
}

bool isLegacyLayout(int bits, const ChannelMasks& m)
{
    return (bits == 16 && m.red == 0xF800u && m.green == 0x07E0u && m.blue == 0x001Fu &&
            m.alpha == 0) ||
           (bits == 24 && m.red == 0xFF0000u && m.green == 0xFF00u && m.blue == 0xFFu &&
            m.alpha == 0) ||
           (bits == 32 && m.red == 0xFF0000u && m.green == 0xFF00u && m.blue == 0xFFu &&
            m.alpha == 0xFF000000u);
}

PixelFormat legacy(int bits)
{
    switch (bits) {
    case 16: return make(Encoding::Legacy16, "R5G6B5", false, 16);
    case 24: return make(Encoding::Legacy24, "R8G8B8", false, 24);
    default: return make(Encoding::Legacy32, "A8R8G8B8", true, 32);
    }
}

} // namespace

int PixelFormat::blockBytes() const
{
    switch (encoding) {
    case Encoding::Bc1:
    case Encoding::Bc4:
    case Encoding::Bc4Signed: return 8;
    case Encoding::Bc2:
    case Encoding::Bc3:
    case Encoding::Bc5:
    case Encoding::Bc5Signed:
    case Encoding::Bc6hUnsigned:
    case Encoding::Bc6hSigned:
    case Encoding::Bc7: return 16;
    case Encoding::Etc1:
    case Encoding::Etc2Rgb:
    case Encoding::Etc2Punch:
    case Encoding::Eac11:
    case Encoding::Eac11Signed: return 8;
    case Encoding::Etc2Rgba:
    case Encoding::EacRg11:
    case Encoding::EacRg11Signed:
    case Encoding::Astc: return 16;
    default: return 0;
    }
}

std::uint64_t PixelFormat::surfaceBytes(std::uint32_t width, std::uint32_t height) const
{
    if (const int block = blockBytes(); block != 0) {
        const auto bw = static_cast<std::uint64_t>(blockWidth());
        const auto bh = static_cast<std::uint64_t>(blockHeight());
        const std::uint64_t across = (std::uint64_t{width} + bw - 1) / bw;
        const std::uint64_t down = (std::uint64_t{height} + bh - 1) / bh;
        return across * down * static_cast<std::uint64_t>(block);
    }
    return std::uint64_t{width} * height * static_cast<std::uint64_t>(bitsPerPixel / 8);
}

FormatResult identifyFormat(const DdsHeader& header, const std::optional<DdsHeaderDx10>& dx10)
{
    const DdsPixelFormat& pf = header.pixelFormat;
    const auto flags = static_cast<std::uint32_t>(pf.flags);
    if (dx10) {
        FormatResult result = fromDxgi(dx10->dxgiFormat);
        if (auto* f = std::get_if<PixelFormat>(&result))
            f->srgb = f->name.find("_SRGB") != std::string::npos;
        return result;
    }

    ChannelMasks m;
    m.red = static_cast<std::uint32_t>(pf.redMask);
    m.green = static_cast<std::uint32_t>(pf.greenMask);
    m.blue = static_cast<std::uint32_t>(pf.blueMask);
    m.alpha = static_cast<std::uint32_t>(pf.alphaMask);
    const bool colourMasks = m.red != 0 || m.green != 0 || m.blue != 0;

    // A FourCC code counts when the flags say so, or when nothing else in the
    // header describes the pixels.
    if (pf.fourCC != 0 && ((flags & kFourCCFlag) != 0 || (!colourMasks && m.alpha == 0)))
        return fromFourCC(pf.fourCC);

    const int bits = pf.bitCount;
    if ((flags & kPaletteIndexed8) != 0 && bits == 8)
        return make(Encoding::Palette8, "P8", true, 8);
    if (bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        if (pf.fourCC == 0 && !colourMasks && m.alpha == 0)
            return "Formato sem FourCC e com " + std::to_string(bits) + " bits por pixel";
        return std::to_string(bits) + " bits por pixel não suportados";
    }
    if (isLegacyLayout(bits, m))
        return legacy(bits);
    if (!colourMasks && m.alpha == 0) {
        if (bits == 8)
            return std::string("Formato de 8 bits sem máscaras");
        return legacy(bits);
    }

    // The alpha mask only counts where the flags say the pixels carry alpha.
    if ((flags & (kAlphaPixels | kAlphaOnly)) == 0)
        m.alpha = 0;
    m.luminance = (flags & kLuminance) != 0;
    if (m.luminance)
        m.green = m.blue = 0;
    // Bits beyond the pixel's own can never be set.
    const std::uint32_t inPixel = bits == 32 ? 0xFFFFFFFFu : (1u << bits) - 1u;
    m.red &= inPixel;
    m.green &= inPixel;
    m.blue &= inPixel;
    m.alpha &= inPixel;
    if (m.red == 0 && m.green == 0 && m.blue == 0 && m.alpha == 0)
        return "Máscaras fora dos " + std::to_string(bits) + " bits do pixel";
    PixelFormat f = masked("", bits, m);
    f.fromLegacyMasks = true;
    f.name = nameFromMasks(m);
    // Bits no channel uses are named as filler: X8R8G8B8, X1R5G5B5.
    const int used = std::popcount(m.red | m.green | m.blue | m.alpha);
    if (used < bits) {
        std::string filler = "X";
        filler += std::to_string(bits - used);
        f.name.insert(0, filler);
    }
    return f;
}

} // namespace texpeek

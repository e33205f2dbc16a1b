#include "pivotel/core/render_mode.h"

#include <algorithm>

namespace pivotel {
namespace {

constexpr std::int32_t kAdditive = 1;
constexpr std::int32_t kIndexAlpha = 2;
constexpr std::int32_t kAlphaTest = 3;

struct Texel {
    Rgb rgb;
    int alpha;
};

// The texture as the engine uploads it for each format.
Texel texelOf(const SpriteModel& sprite, std::uint8_t index)
{
    auto colourAt = [&](std::size_t at) {
        if (sprite.version == 1)
            return Rgb{index, index, index};
        return at < sprite.palette.size() ? sprite.palette[at] : Rgb{0, 0, 0};
    };
    if (sprite.version != 1 && sprite.textureFormat == kIndexAlpha)
        return {colourAt(255), index};
    const bool clear = (sprite.version == 1 || sprite.textureFormat == kAlphaTest) && index == 255;
    return {colourAt(index), clear ? 0 : 255};
}

std::uint8_t mix(int under, int over, int alpha255)
{
    return static_cast<std::uint8_t>((over * alpha255 + under * (255 - alpha255) + 127) / 255);
}

} // namespace

RenderWarning renderWarningOf(std::int32_t textureFormat, RenderMode mode, int amount)
{
    const bool opaqueMode = mode == RenderMode::Normal;
    if (textureFormat == kAdditive && opaqueMode)
        return RenderWarning::AdditiveOnNormal;
    if (textureFormat == kAdditive && mode == RenderMode::Solid)
        return RenderWarning::AdditiveOnSolid;
    if (textureFormat == kIndexAlpha && (opaqueMode || mode == RenderMode::Solid))
        return RenderWarning::IndexAlphaOpaque;
    if (textureFormat == kAlphaTest && opaqueMode)
        return RenderWarning::AlphaTestOnNormal;
    if (!opaqueMode && amount <= 0)
        return RenderWarning::InvisibleAmount;
    return RenderWarning::None;
}

std::string renderWarning(std::int32_t textureFormat, RenderMode mode, int amount)
{
    auto opaqueMode = [](RenderMode m) { return m == RenderMode::Normal; };
    switch (renderWarningOf(textureFormat, mode, amount)) {
    case RenderWarning::None: break;
    case RenderWarning::AdditiveOnNormal:
    case RenderWarning::AdditiveOnSolid:
        return "Additive frames on a " + std::string(opaqueMode(mode) ? "normal" : "solid") +
               "-mode entity are drawn opaque: their black shows instead of letting the "
               "background through. Use render mode additive or glow.";
    case RenderWarning::IndexAlphaOpaque:
        return "Index-alpha frames on a normal- or solid-mode entity show as a solid block of "
               "the tint colour. Use render mode texture, additive or glow.";
    case RenderWarning::AlphaTestOnNormal:
        return "Alpha-test frames on a normal-mode entity show their see-through colour. Use "
               "render mode solid with amount 255.";
    case RenderWarning::InvisibleAmount:
        return "Render amount 0 makes the sprite invisible in this render mode.";
    }
    return {};
}

void drawFrame(const SpriteModel& sprite, const SpritePicture& picture, RenderMode mode, int amount,
               const Rgb& colour, std::vector<std::uint8_t>& canvas, int canvasWidth, int left,
               int top)
{
    if (canvasWidth <= 0)
        return;
    const int canvasHeight = static_cast<int>(canvas.size() / 4 / std::size_t(canvasWidth));
    const int strength = std::clamp(amount, 0, 255);
    for (int y = 0; y < picture.height; ++y) {
        const int cy = top + y;
        if (cy < 0 || cy >= canvasHeight)
            continue;
        for (int x = 0; x < picture.width; ++x) {
            const int cx = left + x;
            if (cx < 0 || cx >= canvasWidth)
                continue;
            const Texel texel = texelOf(
                sprite,
                picture.indices[std::size_t(y) * std::size_t(picture.width) + std::size_t(x)]);
            std::uint8_t* out =
                &canvas[(std::size_t(cy) * std::size_t(canvasWidth) + std::size_t(cx)) * 4];
            switch (mode) {
            case RenderMode::Normal:
                for (std::size_t c = 0; c < 3; ++c)
                    out[c] = texel.rgb[c];
                break;
            case RenderMode::Solid:
                if (texel.alpha >= 128)
                    for (std::size_t c = 0; c < 3; ++c)
                        out[c] = mix(out[c], texel.rgb[c], strength);
                break;
            case RenderMode::Texture:
            case RenderMode::Colour: {
                const int alpha = texel.alpha * strength / 255;
                for (std::size_t c = 0; c < 3; ++c)
                    out[c] =
                        mix(out[c], mode == RenderMode::Colour ? colour[c] : texel.rgb[c], alpha);
                break;
            }
            case RenderMode::Glow:
            case RenderMode::Additive: {
                const int alpha = texel.alpha * strength / 255;
                for (std::size_t c = 0; c < 3; ++c)
                    out[c] = static_cast<std::uint8_t>(
                        std::min(255, out[c] + (texel.rgb[c] * alpha + 127) / 255));
                break;
            }
            }
        }
    }
}

} // namespace pivotel

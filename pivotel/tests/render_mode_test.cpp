#include "pivotel/core/render_mode.h"
#include "pivotel/core/sprite_model.h"
#include "pivotel/tests/sprite_files.h"

#include <gtest/gtest.h>

namespace pivotel {
namespace {

// One pixel of palette index `index` drawn over one grey pixel.
Rgb drawnOver(std::int32_t format, std::uint8_t index, RenderMode mode, int amount,
              std::uint8_t grey = 100)
{
    SpriteModel sprite = *parseSprite(
        testing::halfLifeSprite(format, {testing::singleFrame(1, 1, std::string(1, char(index)))}));
    std::vector<std::uint8_t> canvas{grey, grey, grey, 255};
    drawFrame(sprite, sprite.entries[0].pictures[0], mode, amount, Rgb{10, 20, 30}, canvas, 1, 0,
              0);
    return {canvas[0], canvas[1], canvas[2]};
}

TEST(RenderModes, EachModeBlendsAsTheGameDoes)
{
    using testing::paletteBlue;
    using testing::paletteGreen;
    using testing::paletteRed;
    // Normal: opaque whatever the format, additive's black included.
    EXPECT_EQ(drawnOver(1, 0, RenderMode::Normal, 0),
              (Rgb{paletteRed(0), paletteGreen(0), paletteBlue(0)}));
    // Additive: added, scaled by the amount, clamped.
    EXPECT_EQ(drawnOver(1, 40, RenderMode::Additive, 255),
              (Rgb{140, 255, std::uint8_t(std::min(255, 100 + paletteBlue(40)))}));
    EXPECT_EQ(drawnOver(1, 40, RenderMode::Additive, 0), (Rgb{100, 100, 100}));
    // Texture: mixed by the amount.
    const Rgb half = drawnOver(0, 200, RenderMode::Texture, 128);
    EXPECT_NEAR(half[0], (200 * 128 + 100 * 127) / 255, 1);
    // Colour: the render colour in place of the texture's.
    EXPECT_EQ(drawnOver(0, 200, RenderMode::Colour, 255), (Rgb{10, 20, 30}));
    // Index-alpha: the tint (the last colour) at the index's coverage.
    const Rgb tinted = drawnOver(2, 0, RenderMode::Texture, 255);
    EXPECT_EQ(tinted, (Rgb{100, 100, 100}));
    EXPECT_EQ(drawnOver(2, 255, RenderMode::Texture, 255),
              (Rgb{paletteRed(255), paletteGreen(255), paletteBlue(255)}));
    // Alpha-test in solid mode leaves index 255 out, in normal mode not.
    EXPECT_EQ(drawnOver(3, 255, RenderMode::Solid, 255), (Rgb{100, 100, 100}));
    EXPECT_EQ(drawnOver(3, 255, RenderMode::Normal, 255),
              (Rgb{paletteRed(255), paletteGreen(255), paletteBlue(255)}));
}

TEST(RenderModes, CombinationsThatMisleadAreNamed)
{
    EXPECT_NE(renderWarning(1, RenderMode::Normal, 255).find("Additive frames on a normal-mode"),
              std::string::npos);
    EXPECT_NE(renderWarning(2, RenderMode::Solid, 255), "");
    EXPECT_NE(renderWarning(3, RenderMode::Normal, 255), "");
    EXPECT_EQ(renderWarning(3, RenderMode::Solid, 255), "");
    EXPECT_EQ(renderWarning(1, RenderMode::Glow, 200), "");
    EXPECT_EQ(renderWarning(0, RenderMode::Normal, 0), "");
    EXPECT_NE(renderWarning(0, RenderMode::Texture, 0), "");
}

TEST(RenderModes, AFrameHangingOverTheEdgeIsClipped)
{
    SpriteModel sprite = *parseSprite(
        testing::halfLifeSprite(0, {testing::singleFrame(3, 3, testing::rampIndices(9))}));
    std::vector<std::uint8_t> canvas(2 * 2 * 4, 7);
    drawFrame(sprite, sprite.entries[0].pictures[0], RenderMode::Normal, 255, Rgb{}, canvas, 2, -2,
              1);
    EXPECT_EQ(canvas[0], 7); // the top row stays
    EXPECT_EQ(canvas[2 * 4], testing::paletteRed(2)); // bottom-left: picture (2, 0)
}

} // namespace
} // namespace pivotel

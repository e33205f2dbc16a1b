#include "pivotel/core/quant/imagequant.h"
#include "pivotel/core/sprite_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace pivotel {
namespace {

// Smooth gradients with a little texture, as a photograph has: far more
// than 256 colours, none of them far from its neighbours.
SourcePicture photoLike(int size, int alphaCut = -1)
{
    SourcePicture picture;
    picture.name = "photo";
    picture.width = picture.height = size;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double fx = double(x) / size;
            const double fy = double(y) / size;
            const int noise = ((x * 7 + y * 13) % 5) - 2;
            picture.rgba.push_back(std::uint8_t(std::clamp(int(255 * fx) + noise, 0, 255)));
            picture.rgba.push_back(std::uint8_t(std::clamp(int(255 * fy) + noise, 0, 255)));
            picture.rgba.push_back(
                std::uint8_t(std::clamp(int(128 + 100 * std::sin(fx * 6 + fy * 4)), 0, 255)));
            picture.rgba.push_back(x < alphaCut ? 0 : 255);
        }
    }
    return picture;
}

double meanError(const SourcePicture& source, const SpriteModel& sprite, bool skipClear)
{
    const std::vector<std::uint8_t>& indices = sprite.entries[0].pictures[0].indices;
    double total = 0;
    std::size_t counted = 0;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        if (skipClear && source.rgba[i * 4 + 3] == 0)
            continue;
        for (std::size_t c = 0; c < 3; ++c)
            total += std::abs(int(sprite.palette[indices[i]][c]) - int(source.rgba[i * 4 + c]));
        ++counted;
    }
    return total / double(counted * 3);
}

TEST(Quantise, APhotoLikePictureKeepsCloseToItsColours)
{
    const SourcePicture photo = photoLike(96);
    std::set<std::uint32_t> before;
    for (std::size_t i = 0; i < photo.rgba.size(); i += 4)
        before.insert(photo.rgba[i] | (photo.rgba[i + 1] << 8) | (photo.rgba[i + 2] << 16));
    ASSERT_GT(before.size(), 1000u);
    for (const float dithering : {0.0f, 1.0f}) {
        BuildOptions options;
        options.dithering = dithering;
        std::string error;
        const std::optional<SpriteModel> sprite =
            buildSprite({photo}, options, quantiseWithImagequant, &error);
        ASSERT_TRUE(sprite) << error;
        EXPECT_EQ(sprite->palette.size(), 256u);
        // Within a few levels of 255 on average, per channel.
        EXPECT_LT(meanError(photo, *sprite, false), 6.0) << dithering;
    }
}

TEST(Quantise, AlphaTestKeepsClearPixelsOnTheLastIndexOnly)
{
    const SourcePicture photo = photoLike(64, 20);
    BuildOptions options;
    options.textureFormat = 3;
    std::string error;
    const std::optional<SpriteModel> sprite =
        buildSprite({photo}, options, quantiseWithImagequant, &error);
    ASSERT_TRUE(sprite) << error;
    const std::vector<std::uint8_t>& indices = sprite->entries[0].pictures[0].indices;
    for (std::size_t i = 0; i < indices.size(); ++i)
        EXPECT_EQ(indices[i] == 255, photo.rgba[i * 4 + 3] == 0) << i;
    EXPECT_LT(meanError(photo, *sprite, true), 8.0);
}

TEST(Quantise, AQualityThatCannotBeReachedIsRefused)
{
    // Random-looking colours cannot keep near-perfect quality in 256.
    SourcePicture noise;
    noise.name = "noise";
    noise.width = noise.height = 64;
    std::uint32_t state = 12345;
    for (int i = 0; i < 64 * 64; ++i) {
        for (int c = 0; c < 3; ++c) {
            state = state * 1103515245u + 12345u;
            noise.rgba.push_back(std::uint8_t(state >> 24));
        }
        noise.rgba.push_back(255);
    }
    BuildOptions options;
    options.minimumQuality = 99;
    std::string error;
    EXPECT_FALSE(buildSprite({noise}, options, quantiseWithImagequant, &error));
    EXPECT_NE(error.find("quality 99"), std::string::npos) << error;
}

} // namespace
} // namespace pivotel

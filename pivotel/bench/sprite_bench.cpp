// The work that grows with a sprite's pixels: taking a file apart and
// putting it back, indexing pictures with few colours, reducing a photo's
// colours with libimagequant, and drawing a frame in a render mode.
#include "pivotel/core/quant/imagequant.h"
#include "pivotel/core/render_mode.h"
#include "pivotel/core/sprite_builder.h"
#include "pivotel/core/sprite_model.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace pivotel;

constexpr int kSide = 256;

SpriteModel bigSprite()
{
    SpriteModel sprite;
    sprite.textureFormat = 1;
    sprite.palette.resize(256);
    for (std::size_t i = 0; i < 256; ++i)
        sprite.palette[i] = {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i / 2)};
    for (int f = 0; f < 8; ++f) {
        SpriteEntry entry;
        SpritePicture picture;
        picture.width = picture.height = kSide;
        for (int i = 0; i < kSide * kSide; ++i)
            picture.indices.push_back(std::uint8_t(i * 7 + f));
        entry.pictures.push_back(picture);
        sprite.entries.push_back(entry);
    }
    fitHeaderToPictures(sprite);
    return sprite;
}

SourcePicture photo(int colours)
{
    SourcePicture picture;
    picture.name = "photo";
    picture.width = picture.height = kSide;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            if (colours <= 256) {
                const int c = (x / 16 + y / 16 * 16) % colours;
                picture.rgba.insert(picture.rgba.end(), {std::uint8_t(c), std::uint8_t(c * 3),
                                                         std::uint8_t(c * 7), 255});
            } else {
                picture.rgba.insert(picture.rgba.end(),
                                    {std::uint8_t(x), std::uint8_t(y),
                                     std::uint8_t(128 + 100 * std::sin(x * 0.05 + y * 0.03)), 255});
            }
        }
    }
    return picture;
}

void BM_ParseAndWrite(benchmark::State& state)
{
    const std::string bytes = serializeSprite(bigSprite());
    for (auto _ : state) {
        const std::optional<SpriteModel> sprite = parseSprite(bytes);
        benchmark::DoNotOptimize(serializeSprite(*sprite));
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}
BENCHMARK(BM_ParseAndWrite);

void BM_IndexExactColours(benchmark::State& state)
{
    const std::vector<SourcePicture> pictures(4, photo(200));
    for (auto _ : state)
        benchmark::DoNotOptimize(indexPictures(pictures, {}, {}, nullptr));
    state.SetItemsProcessed(std::int64_t(state.iterations()) * 4 * kSide * kSide);
}
BENCHMARK(BM_IndexExactColours);

void BM_QuantisePhoto(benchmark::State& state)
{
    const std::vector<SourcePicture> pictures{photo(100000)};
    for (auto _ : state)
        benchmark::DoNotOptimize(indexPictures(pictures, {}, quantiseWithImagequant, nullptr));
    state.SetItemsProcessed(std::int64_t(state.iterations()) * kSide * kSide);
}
BENCHMARK(BM_QuantisePhoto)->Unit(benchmark::kMillisecond);

void BM_DrawAdditive(benchmark::State& state)
{
    const SpriteModel sprite = bigSprite();
    std::vector<std::uint8_t> canvas(std::size_t(kSide) * kSide * 4, 40);
    for (auto _ : state) {
        drawFrame(sprite, sprite.entries[0].pictures[0], RenderMode::Additive, 200, Rgb{}, canvas,
                  kSide, 0, 0);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * kSide * kSide);
}
BENCHMARK(BM_DrawAdditive);

} // namespace

BENCHMARK_MAIN();

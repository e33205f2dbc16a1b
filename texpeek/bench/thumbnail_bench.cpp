// The desktop's thumbnail of a 4096 x 4096 texture with its mip-map levels:
// Texpeek's thumbnailer command beside ImageMagick making the same thumbnail,
// both as the file manager runs them (a process each), and Texpeek's work
// inside one process. Run from a Release or RelWithDebInfo build.
#include "texpeek/core/thumbnail.h"
#include "texpeek/tests/block_builders.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

constexpr std::uint32_t kSide = 4096;
constexpr int kThumbnail = 128;

// A kSide x kSide file with every mip-map level, of random blocks, in the
// temp folder, written once per run. Random BC7 blocks use every mode.
std::filesystem::path sampleWithLevels(const char* code, std::uint32_t dxgi, std::size_t blockBytes)
{
    const auto path = std::filesystem::temp_directory_path() /
                      ("texpeek_bench_thumbnail_" + std::string(code) + ".dds");
    std::size_t dataBytes = 0;
    int levels = 0;
    for (std::uint32_t side = kSide;; side /= 2) {
        dataBytes += std::size_t{(side + 3) / 4} * ((side + 3) / 4) * blockBytes;
        ++levels;
        if (side == 1)
            break;
    }
    const std::string header =
        dxgi != 0 ? texpeek::testing::dx10Header(kSide, kSide, dxgi, 1, 0, 3, levels)
                  : texpeek::testing::fourCCHeader(kSide, kSide, code, levels);
    std::error_code ec;
    if (std::filesystem::file_size(path, ec) == header.size() + dataBytes)
        return path;
    std::string data(dataBytes, '\0');
    std::mt19937 random(777);
    for (char& byte : data)
        byte = static_cast<char>(random() & 0xFF);
    std::ofstream(path, std::ios::binary) << header << data;
    return path;
}

std::string outPath(const char* name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

void runCommand(benchmark::State& state, const std::string& command)
{
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError(("failed: " + command).c_str());
            break;
        }
    }
}

// Reading the headers and the 128 x 128 level, decoding it: the thumbnail's
// work without starting a process or writing the PNG.
void BM_ThumbnailSurfaceBc7(benchmark::State& state)
{
    const auto path = sampleWithLevels("BC7", 98, 16);
    for (auto _ : state) {
        const texpeek::Thumbnail t = texpeek::readThumbnailSurface(path, kThumbnail);
        benchmark::DoNotOptimize(t.grid.cells());
    }
}

void BM_ThumbnailCommandBc7(benchmark::State& state)
{
    runCommand(state, std::string(TEXPEEK_PATH) + " --thumbnail " + std::to_string(kThumbnail) +
                          " '" + sampleWithLevels("BC7", 98, 16).string() + "' '" +
                          outPath("texpeek_bench_thumb_bc7.png") + "'");
}

void BM_ThumbnailCommandBc3(benchmark::State& state)
{
    runCommand(state, std::string(TEXPEEK_PATH) + " --thumbnail " + std::to_string(kThumbnail) +
                          " '" + sampleWithLevels("DXT5", 0, 16).string() + "' '" +
                          outPath("texpeek_bench_thumb_bc3.png") + "'");
}

// ImageMagick's `convert -thumbnail` on the same files, as its own
// thumbnailer entry runs it.
void BM_ImageMagickThumbnailBc7(benchmark::State& state)
{
    runCommand(state, "convert '" + sampleWithLevels("BC7", 98, 16).string() + "' -thumbnail " +
                          std::to_string(kThumbnail) + "x" + std::to_string(kThumbnail) + " '" +
                          outPath("texpeek_bench_magick_bc7.png") + "' 2>/dev/null");
}

void BM_ImageMagickThumbnailBc3(benchmark::State& state)
{
    runCommand(state, "convert '" + sampleWithLevels("DXT5", 0, 16).string() + "' -thumbnail " +
                          std::to_string(kThumbnail) + "x" + std::to_string(kThumbnail) + " '" +
                          outPath("texpeek_bench_magick_bc3.png") + "'");
}

} // namespace

BENCHMARK(BM_ThumbnailSurfaceBc7)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ThumbnailCommandBc7)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ThumbnailCommandBc3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImageMagickThumbnailBc7)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImageMagickThumbnailBc3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();

// Decoding and view building of large files, read from disk as an open reads
// them. Run from a Release or RelWithDebInfo build.
#include "core/dds_header.h"
#include "core/pixels.h"
#include "tests/dds_files.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 4096;

struct Quiet final : texpeek::ProgressSink {
    void stageStarted(texpeek::Stage, std::string_view, std::string_view) override {}
    void pixelsDone(std::int64_t count) override { benchmark::DoNotOptimize(count); }
    void stageFinished(texpeek::Stage) override {}
};

// A file of kSide x kSide pixels of the given bit count in the temp folder,
// written once per run.
std::filesystem::path sampleFile(int bitCount)
{
    const auto path = std::filesystem::temp_directory_path()
        / ("texpeek_bench_" + std::to_string(bitCount) + ".dds");
    const std::size_t pixelBytes = std::size_t{kSide} * kSide * static_cast<std::size_t>(bitCount / 8);
    std::error_code ec;
    if (std::filesystem::file_size(path, ec) == 128 + pixelBytes)
        return path;
    std::string pixels(pixelBytes, '\0');
    std::mt19937 random(12345);
    for (char& byte : pixels)
        byte = static_cast<char>(random() & 0xFF);
    std::ofstream(path, std::ios::binary) << texpeek::testing::ddsFile(kSide, kSide, bitCount, pixels);
    return path;
}

// Read, decode and build the colour view: what an open does before it shows
// the picture.
void openAndBuildColourView(benchmark::State& state, int bitCount)
{
    const auto path = sampleFile(bitCount);
    std::vector<std::uint32_t> view(std::size_t{kSide} * kSide);
    Quiet progress;
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        const texpeek::DdsHeader header = texpeek::readDdsHeader(in);
        const auto grid = texpeek::decodePixels(in, header, progress);
        texpeek::buildView(*grid, texpeek::ChannelView::Colour, view.data(), &progress);
        benchmark::DoNotOptimize(view.data());
    }
    state.SetBytesProcessed(state.iterations() * kSide * kSide * (bitCount / 8));
    state.counters["pixels/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kSide * kSide,
                           benchmark::Counter::kIsRate);
}

void BM_Open32(benchmark::State& state) { openAndBuildColourView(state, 32); }
void BM_Open24(benchmark::State& state) { openAndBuildColourView(state, 24); }
void BM_Open16(benchmark::State& state) { openAndBuildColourView(state, 16); }

// Decoding alone, from bytes already in memory, to tell the decoder's cost
// from the file system's.
void BM_Decode32InMemory(benchmark::State& state)
{
    const std::string file = texpeek::testing::ddsFile(
        kSide, kSide, 32, std::string(std::size_t{kSide} * kSide * 4, '\x5A'));
    Quiet progress;
    for (auto _ : state) {
        std::istringstream in(file);
        const texpeek::DdsHeader header = texpeek::readDdsHeader(in);
        auto grid = texpeek::decodePixels(in, header, progress);
        benchmark::DoNotOptimize(grid->cells());
    }
    state.SetBytesProcessed(state.iterations() * kSide * kSide * 4);
}

} // namespace

BENCHMARK(BM_Open32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decode32InMemory)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

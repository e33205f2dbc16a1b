// Opening and listing, then saving, a 20 MB .ent file of 100,000 entities.
#include "core/entity_file.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace {

constexpr int kEntities = 100000;
constexpr std::size_t kBlockBytes = 200; // 100,000 blocks make 20,000,000 bytes

// One block of a typical map, padded with a comment key to kBlockBytes.
std::string block(int i)
{
    const std::string n = std::to_string(i);
    std::string text = "{\n";
    text += "\"classname\" \"" + std::string(i % 3 == 0 ? "light" : "func_door_rotating") + "\"\n";
    text += "\"origin\" \"" + std::to_string(i % 4096 - 2048) + " " + std::to_string(i % 977) +
            " 96\"\n";
    text += "\"angles\" \"0 " + std::to_string(i % 360) + " 0\"\n";
    text += "\"targetname\" \"door_" + n + "\"\n";
    text += "\"target\" \"relay_" + n + "\"\n";
    text += "\"model\" \"*" + n + "\"\n";
    const std::string head = "\"_comment\" \"";
    const std::size_t fixed = text.size() + head.size() + 2 + 2; // quote LF, brace LF
    text += head + std::string(kBlockBytes - fixed, 'x') + "\"\n";
    text += "}\n";
    if (text.size() != kBlockBytes)
        throw std::logic_error("block size");
    return text;
}

// Written once per run and removed when the run ends.
struct SampleFile {
    std::filesystem::path path;
    ~SampleFile()
    {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
};

const std::filesystem::path& sampleFile()
{
    static const SampleFile sample{[] {
        const std::filesystem::path file =
            std::filesystem::temp_directory_path() / "entwright_bench_100k.ent";
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        for (int i = 0; i < kEntities; ++i)
            out << block(i);
        return file;
    }()};
    return sample.path;
}

void OpenAndList(benchmark::State& state)
{
    const std::filesystem::path& file = sampleFile();
    for (auto _ : state) {
        std::optional<ent::OpenedFile> opened = ent::OpenEntFile(file);
        if (!opened || opened->names.size() != kEntities)
            state.SkipWithError("the sample did not open");
        benchmark::DoNotOptimize(opened);
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(file)));
}
BENCHMARK(OpenAndList)->Unit(benchmark::kMillisecond)->UseRealTime();

void Save(benchmark::State& state)
{
    const std::optional<ent::OpenedFile> opened = ent::OpenEntFile(sampleFile());
    if (!opened) {
        state.SkipWithError("the sample did not open");
        return;
    }
    const std::filesystem::path target =
        std::filesystem::temp_directory_path() / "entwright_bench_saved.ent";
    for (auto _ : state) {
        if (!ent::WriteEntFile(target, opened->table))
            state.SkipWithError("the save failed");
    }
    if (std::filesystem::file_size(target) != std::filesystem::file_size(sampleFile()))
        state.SkipWithError("the saved file differs in size");
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(target)));
    std::filesystem::remove(target);
}
BENCHMARK(Save)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();

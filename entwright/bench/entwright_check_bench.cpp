// Loading a large game data file, and checking a 20 MB map of 100,000
// entities from the command line, with and without game data.
//
// `entwright_check_bench --write-samples DIR` writes the two samples
// (game.fgd, map.ent) to DIR, for timing the installed command from outside.
#include "entwright/cli/command_line.h"
#include "entwright/core/entity_file.h"
#include "entwright/core/fgd_model.h"
#include "entwright/core/map_check.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace {

constexpr int kEntities = 100000;
constexpr std::size_t kBlockBytes = 200; // 100,000 blocks make 20,000,000 bytes
constexpr int kClasses = 440; // with the base classes, about 340 KB of game data

// A map of doors and lights that trigger one another in a ring, as real maps
// do: every target names an entity, so the check finds only the entity count.
std::string block(int i)
{
    std::string text = "{\n";
    text += "\"classname\" \"" + std::string(i % 3 == 0 ? "light" : "func_door_rotating") + "\"\n";
    text += "\"origin\" \"" + std::to_string(i % 4096 - 2048) + " " + std::to_string(i % 977) +
            " 96\"\n";
    text += "\"rendermode\" \"" + std::to_string(i % 6) + "\"\n";
    text += "\"targetname\" \"door_" + std::to_string(i) + "\"\n";
    text += "\"target\" \"door_" + std::to_string((i + 1) % kEntities) + "\"\n";
    text += "\"spawnflags\" \"" + std::to_string(i % 64) + "\"\n";
    const std::string head = "\"_comment\" \"";
    const std::size_t fixed = text.size() + head.size() + 2 + 2;
    text += head + std::string(kBlockBytes - fixed, 'x') + "\"\n";
    text += "}\n";
    if (text.size() != kBlockBytes)
        throw std::logic_error("block size");
    return text;
}

// Game data shaped like the largest real files: a few base classes with long
// choice lists, then hundreds of classes with their own keys, flags and help.
std::string gameData()
{
    std::string text = "// Game data for the benchmark\n"
                       "@BaseClass = Targetname [ targetname(target_source) : \"Name\" ]\n"
                       "@BaseClass = Target [ target(target_destination) : \"Target\" ]\n"
                       "@BaseClass = RenderFields\n[\n"
                       "\trendermode(choices) : \"Render Mode\" : 0 : \"How the entity is \" +\n"
                       "\t\t\"drawn.\" =\n\t[\n"
                       "\t\t0: \"Normal\"\n\t\t1: \"Color\"\n\t\t2: \"Texture\"\n"
                       "\t\t3: \"Glow\"\n\t\t4: \"Solid\"\n\t\t5: \"Additive\"\n\t]\n"
                       "\trenderamt(integer) : \"FX Amount (1 - 255)\"\n"
                       "\trendercolor(color255) : \"FX Color (R G B)\" : \"0 0 0\"\n]\n";
    for (int c = 0; c < kClasses; ++c) {
        const std::string n = std::to_string(c);
        text += "@PointClass base(Targetname, Target, RenderFields) size(-16 -16 0, 16 16 72) "
                "color(255 128 0) studio(\"models/thing" +
                n + ".mdl\") = thing_" + n + " : \"Thing number " + n + "\"\n[\n";
        for (int k = 0; k < 8; ++k) {
            const std::string key = std::to_string(k);
            text += "\tvalue" + key + "(integer) : \"Value " + key + "\" : " + key +
                    " : \"What value " + key + " of thing " + n + " does.\"\n";
        }
        text += "\tsound(sound) : \"Sound\" : \"ambience/x.wav\"\n"
                "\tspawnflags(flags) =\n\t[\n"
                "\t\t1 : \"Start on\" : 0\n\t\t2 : \"Silent\" : 1\n\t\t4 : \"Once\" : 0\n\t]\n]\n";
    }
    text += "@SolidClass base(Targetname, Target, RenderFields) = func_door_rotating [ "
            "spawnflags(flags) = [ 1 : \"Starts open\" : 0 ] ]\n"
            "@PointClass base(Targetname, Target, RenderFields) = light []\n";
    return text;
}

struct Samples {
    std::filesystem::path folder;
    std::filesystem::path fgd;
    std::filesystem::path map;

    explicit Samples(std::filesystem::path where) : folder(std::move(where))
    {
        std::filesystem::create_directories(folder);
        fgd = folder / "game.fgd";
        map = folder / "map.ent";
        std::ofstream(fgd, std::ios::binary | std::ios::trunc) << gameData();
        std::ofstream out(map, std::ios::binary | std::ios::trunc);
        for (int i = 0; i < kEntities; ++i)
            out << block(i);
    }
};

struct TemporarySamples : Samples {
    TemporarySamples() : Samples(std::filesystem::temp_directory_path() / "entwright_check_bench")
    {
    }
    ~TemporarySamples()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

const Samples& samples()
{
    static const TemporarySamples made;
    return made;
}

void LoadGameData(benchmark::State& state)
{
    const auto& fgd = samples().fgd;
    for (auto _ : state) {
        ent::GameData data;
        if (!data.loadFile(fgd) || data.classes().size() != kClasses + 5)
            state.SkipWithError("the game data did not load whole");
        benchmark::DoNotOptimize(data);
    }
    state.counters["KB"] = static_cast<double>(std::filesystem::file_size(fgd)) / 1024.0;
}
BENCHMARK(LoadGameData)->Unit(benchmark::kMillisecond);

void CheckEntitiesOnly(benchmark::State& state)
{
    ent::GameData data;
    data.loadFile(samples().fgd);
    const std::optional<ent::EntityTable> table = ent::ReadMapEntities(samples().map);
    for (auto _ : state) {
        const auto problems = ent::CheckEntities(*table, {&data, ent::HalfLifeLimits()});
        if (problems.size() != 1)
            state.SkipWithError("the sample should have one problem");
        benchmark::DoNotOptimize(problems);
    }
}
BENCHMARK(CheckEntitiesOnly)->Unit(benchmark::kMillisecond);

// The whole command: reading the game data and the map, checking, printing.
void CheckCommand(benchmark::State& state, bool withGameData)
{
    QStringList arguments{QStringLiteral("entwright"), QStringLiteral("--check")};
    if (withGameData)
        arguments << QStringLiteral("--fgd") << QString::fromStdString(samples().fgd.string());
    arguments << QString::fromStdString(samples().map.string());
    for (auto _ : state) {
        entwright::CommandOutput output;
        if (entwright::runCommands(arguments, output) != 1)
            state.SkipWithError("the check did not find the one problem");
        benchmark::DoNotOptimize(output);
    }
}
BENCHMARK_CAPTURE(CheckCommand, WithGameData, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CheckCommand, WithoutGameData, false)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--write-samples") == 0) {
        const Samples written{std::filesystem::path(argv[2])};
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Switching the property table between two entities with game data loaded:
// the core's rows alone, and the table widget building its editors and
// laying them out. The game data is made like a game's own: render fields
// with long choice lists and spawn flags shared through base classes.
#include "entwright/core/fgd_model.h"
#include "entwright/core/property_rows.h"
#include "entwright/ui/property_table.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string gameData()
{
    std::string text = "@BaseClass = Targetname [ targetname(target_source) : \"Name\" ]\n"
                       "@BaseClass = Target [ target(target_destination) : \"Target\" ]\n"
                       "@BaseClass = RenderFields [\n"
                       "  rendermode(choices) : \"Render Mode\" : 0 : \"How it is drawn\" = [\n";
    for (int i = 0; i < 6; ++i)
        text += "    " + std::to_string(i) + " : \"Mode " + std::to_string(i) + "\"\n";
    text += "  ]\n  renderfx(choices) : \"Render FX\" : 0 = [\n";
    for (int i = 0; i < 20; ++i)
        text += "    " + std::to_string(i) + " : \"Effect " + std::to_string(i) + "\"\n";
    text += "  ]\n  renderamt(integer) : \"FX Amount (1 - 255)\"\n"
            "  rendercolor(color255) : \"FX Color (R G B)\" : \"0 0 0\"\n]\n";
    for (int c = 0; c < 2; ++c) {
        text += "@SolidClass base(Targetname, Target, RenderFields) = func_thing" +
                std::to_string(c) + " : \"A thing\" [\n";
        for (int k = 0; k < 16; ++k)
            text += "  key" + std::to_string(k) + "(string) : \"Key " + std::to_string(k) +
                    "\" : \"\" : \"Help for key " + std::to_string(k) + "\"\n";
        text += "  speed(integer) : \"Speed\" : 100\n  spawnflags(flags) = [\n";
        for (int f = 0; f < 10; ++f)
            text += "    " + std::to_string(1 << f) + " : \"Flag " + std::to_string(f) + "\" : 0\n";
        text += "  ]\n]\n";
    }
    return text;
}

ent::EntityRecord entity(int c)
{
    ent::EntityRecord record;
    record.KeyLines =
        std::vector<std::string>{"\"classname\" \"func_thing" + std::to_string(c) + "\"",
                                 "\"targetname\" \"t\"",
                                 "\"rendermode\" \"5\"",
                                 "\"rendercolor\" \"255 128 0\"",
                                 "\"spawnflags\" \"9\"",
                                 "\"model\" \"*1\"",
                                 "\"_comment\" \"not in the game data\""};
    return record;
}

void Rows(benchmark::State& state)
{
    ent::GameData data;
    data.loadText(gameData(), "bench.fgd");
    const ent::EntityRecord records[2] = {entity(0), entity(1)};
    int which = 0;
    for (auto _ : state) {
        const ent::EntityRecord& record = records[which ^= 1];
        benchmark::DoNotOptimize(
            ent::PropertyRows(data, ent::ClassForRecord(data, record), record));
    }
}
BENCHMARK(Rows)->Unit(benchmark::kMicrosecond);

void TableSwitch(benchmark::State& state)
{
    ent::GameData data;
    data.loadText(gameData(), "bench.fgd");
    const ent::EntityRecord records[2] = {entity(0), entity(1)};
    PropertyTable table;
    table.resize(480, 640);
    table.show();
    QApplication::processEvents();
    int which = 0;
    for (auto _ : state) {
        table.showEntity(data, records[which ^= 1]);
        // Until the new editors are laid out and painted.
        QApplication::processEvents();
    }
    state.counters["rows"] = table.rowCount();
}
BENCHMARK(TableSwitch)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Opening and listing, then saving, a 20 MB .ent file of 100,000 entities:
// the reader and writer alone, and the main window's Open and Save.
//
// `entwright_bench --write-sample FILE` writes the 20 MB sample to FILE;
// `entwright_bench --open-once FILE` opens FILE in the window once, lists it,
// prints the time and ends, for measuring the peak memory of one open from
// outside (e.g. with /usr/bin/time -v).
#include "entwright/core/entity_file.h"
#include "entwright/ui/frm_main.h"

#include "common/ui/dialogs.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QListView>

#include <benchmark/benchmark.h>

#include <cstring>
#include <iostream>

#include <cstdio>
#include <filesystem>
#include <memory>
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
        if (!opened || opened->table.Entities.size() != kEntities)
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

// Answers every dialog as a user who cancels, and shows nothing.
class SilentDialogs final : public suite::Dialogs {
public:
    void message(QWidget*, suite::MessageIcon, const QString&, const QString& text) override
    {
        lastMessage = text;
    }
    bool question(QWidget*, suite::MessageIcon, const QString&, const QString&) override
    {
        return false;
    }
    std::optional<QString> input(QWidget*, const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString chooseFolder(QWidget*, const QString&) override { return {}; }

    QString lastMessage;
};

QString fromPath(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

// Opens the file in a shown window and lets it lay out and paint its lists.
bool openInWindow(frmMain& window, const std::filesystem::path& file)
{
    window.openFile(fromPath(file));
    QApplication::processEvents();
    return window.currentFile() == fromPath(file);
}

void WindowOpenAndList(benchmark::State& state)
{
    const std::filesystem::path& file = sampleFile();
    SilentDialogs dialogs;
    for (auto _ : state) {
        // A window per run, as the table it would replace also costs time.
        state.PauseTiming();
        auto window = std::make_unique<frmMain>(QString(), dialogs);
        window->show();
        QApplication::processEvents();
        state.ResumeTiming();
        if (!openInWindow(*window, file) || window->table().Entities.size() != kEntities)
            state.SkipWithError("the sample did not open");
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(WindowOpenAndList)->Unit(benchmark::kMillisecond)->UseRealTime();

void WindowSave(benchmark::State& state)
{
    const std::filesystem::path target =
        std::filesystem::temp_directory_path() / "entwright_bench_window.ent";
    std::filesystem::copy_file(sampleFile(), target,
                               std::filesystem::copy_options::overwrite_existing);
    SilentDialogs dialogs;
    frmMain window(QString(), dialogs);
    window.show();
    if (!openInWindow(window, target)) {
        state.SkipWithError("the sample did not open");
        return;
    }
    QAction* save = window.findChild<QAction*>(QStringLiteral("menSave"));
    for (auto _ : state) {
        save->trigger();
        if (dialogs.lastMessage != QStringLiteral("File saved sucessfully"))
            state.SkipWithError("the save failed");
        dialogs.lastMessage.clear();
    }
    std::filesystem::remove(target);
}
BENCHMARK(WindowSave)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--write-sample") == 0) {
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        for (int i = 0; i < kEntities; ++i)
            out << block(i);
        return out ? 0 : 1;
    }
    if (argc == 3 && std::strcmp(argv[1], "--open-once") == 0) {
        SilentDialogs dialogs;
        frmMain window(QString(), dialogs);
        window.show();
        QApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        const bool opened = openInWindow(window, argv[2]);
        std::cout << (opened ? "opened and listed " : "could not open ")
                  << window.table().Entities.size() << " entities in " << clock.elapsed()
                  << " ms\n";
        return opened ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Decoding and view building of large files, read from disk as an open reads
// them, and the whole open in the window. Run from a Release or
// RelWithDebInfo build.
#include "common/ui/dialogs.h"
#include "texpeek/core/dds_header.h"
#include "texpeek/core/dds_file.h"
#include "texpeek/core/open_steps.h"
#include "texpeek/core/pixels.h"
#include "texpeek/tests/block_builders.h"
#include "texpeek/tests/dds_files.h"

#include "texpeek/ui/main_window.h"

#include <QApplication>
#include <QLabel>

#include <algorithm>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
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
    const auto path = std::filesystem::temp_directory_path() /
                      ("texpeek_bench_" + std::to_string(bitCount) + ".dds");
    const std::size_t pixelBytes =
        std::size_t{kSide} * kSide * static_cast<std::size_t>(bitCount / 8);
    std::error_code ec;
    if (std::filesystem::file_size(path, ec) == 128 + pixelBytes)
        return path;
    std::string pixels(pixelBytes, '\0');
    std::mt19937 random(12345);
    for (char& byte : pixels)
        byte = static_cast<char>(random() & 0xFF);
    std::ofstream(path, std::ios::binary)
        << texpeek::testing::ddsFile(kSide, kSide, bitCount, pixels);
    return path;
}

// Read, decode and build the colour view: what an open does before it shows
// the picture.
// A kSide x kSide block-compressed file of random blocks in the temp folder,
// written once per run. Random BC7 blocks use every mode (half of them mode
// 0, a quarter mode 1, and so on), a harder mix than an encoder's.
std::filesystem::path compressedSample(const char* code, std::uint32_t dxgi, std::size_t blockBytes)
{
    const auto path =
        std::filesystem::temp_directory_path() / ("texpeek_bench_" + std::string(code) + ".dds");
    const std::size_t dataBytes = std::size_t{kSide / 4} * (kSide / 4) * blockBytes;
    const std::string header = dxgi != 0 ? texpeek::testing::dx10Header(kSide, kSide, dxgi)
                                         : texpeek::testing::fourCCHeader(kSide, kSide, code);
    std::error_code ec;
    if (std::filesystem::file_size(path, ec) == header.size() + dataBytes)
        return path;
    std::string data(dataBytes, '\0');
    std::mt19937 random(4242);
    for (char& byte : data)
        byte = static_cast<char>(random() & 0xFF);
    std::ofstream(path, std::ios::binary) << header << data;
    return path;
}

// Read the file as an open does, decode it and build the colour view (for
// block-compressed files in the same pass, as the window does).
void openFile(benchmark::State& state, const std::filesystem::path& path)
{
    Quiet progress;
    // The benchmark's CPU time is the calling thread's alone; the decoding
    // also runs on helper threads, so the whole process's is counted too.
    const std::clock_t start = std::clock();
    for (auto _ : state) {
        texpeek::PixelBlock view(std::size_t{kSide} * kSide);
        std::optional<texpeek::FileBytes> bytes = texpeek::readDdsBytes(path, nullptr);
        if (!bytes) {
            state.SkipWithError("the sample file cannot be read");
            break;
        }
        const texpeek::DdsFile file = texpeek::parseDdsFile(std::move(*bytes));
        const texpeek::ImageGrid grid =
            texpeek::decodeFileSurface(file, 0, 0, progress, view.data());
        benchmark::DoNotOptimize(grid.cells());
        benchmark::DoNotOptimize(view.data());
    }
    state.counters["process_cpu_ms"] = 1000.0 * static_cast<double>(std::clock() - start) /
                                       CLOCKS_PER_SEC / static_cast<double>(state.iterations());
    state.counters["pixels/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kSide * kSide,
                           benchmark::Counter::kIsRate);
}

void BM_OpenBc1(benchmark::State& state)
{
    openFile(state, compressedSample("DXT1", 0, 8));
}
void BM_OpenBc3(benchmark::State& state)
{
    openFile(state, compressedSample("DXT5", 0, 16));
}
void BM_OpenBc7(benchmark::State& state)
{
    openFile(state, compressedSample("BC7", 98, 16));
}

// A general image tool reading the same BC1 file, for comparison: ImageMagick
// decodes it to raw RGBA thrown away. Includes starting the process.
void BM_ImageMagickBc1(benchmark::State& state)
{
    const auto path = compressedSample("DXT1", 0, 8);
    const std::string command = "convert '" + path.string() + "' rgba:/dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("ImageMagick's convert failed or is missing");
            break;
        }
    }
}

// The open of an uncompressed file, which builds its colour view apart.
void openAndBuildColourView(benchmark::State& state, int bitCount)
{
    openFile(state, sampleFile(bitCount));
    state.SetBytesProcessed(state.iterations() * kSide * kSide * (bitCount / 8));
}

void BM_Open32(benchmark::State& state)
{
    openAndBuildColourView(state, 32);
}
void BM_Open24(benchmark::State& state)
{
    openAndBuildColourView(state, 24);
}
void BM_Open16(benchmark::State& state)
{
    openAndBuildColourView(state, 16);
}

// Decoding alone, from bytes already in memory, to tell the decoder's cost
// from the file system's.
void BM_Decode32InMemory(benchmark::State& state)
{
    const std::string file =
        texpeek::testing::ddsFile(kSide, kSide, 32,
                                  std::string(std::size_t{kSide} * kSide * 4, '\x5A'));
    const auto* pixels = reinterpret_cast<const unsigned char*>(file.data()) + 128;
    texpeek::DdsHeader header;
    header.width = kSide;
    header.height = kSide;
    header.pixelFormat.bitCount = 32;
    Quiet progress;
    for (auto _ : state) {
        auto grid = texpeek::decodePixels(pixels, file.size() - 128, header, progress);
        benchmark::DoNotOptimize(grid->cells());
    }
    state.SetBytesProcessed(state.iterations() * kSide * kSide * 4);
}

// Answers every open dialog with one path and keeps quiet otherwise.
class OnePath final : public suite::Dialogs {
public:
    explicit OnePath(QString path) : path_(std::move(path)) {}
    void message(QWidget*, suite::MessageIcon, const QString&, const QString& text) override
    {
        failure = text;
    }
    bool question(QWidget*, suite::MessageIcon, const QString&, const QString&) override
    {
        return false;
    }
    std::optional<QString> input(QWidget*, const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    QString openFile(QWidget*, const QString&, const QString&) override { return path_; }
    QString saveFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString chooseFolder(QWidget*, const QString&) override { return {}; }
    QString failure;

private:
    QString path_;
};

// The process's peak resident memory in MiB since the last resetPeakMemory
// (Linux; 0 elsewhere).
double peakMemoryMib()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void resetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// The whole open as the user sees it: dialog answer to picture shown, with
// every status text, progress update and repaint of the window. Besides the
// time, the process's peak memory while opening, alone and as a multiple of
// the picture's pixel bytes (64 MiB). The window's own thread's CPU time is
// the benchmark's CPU time; the process's (the decoding thread's too) is
// counted apart.
void BM_WindowOpen32(benchmark::State& state)
{
    const auto path = sampleFile(32);
    OnePath dialogs(QString::fromStdString(path.string()));
    double peak = 0;
    double idle = 0;
    const std::clock_t start = std::clock();
    {
        texpeek::MainWindow window(QString(), dialogs);
        window.show();
        // Lets the window be exposed, so that its repaints really paint.
        QApplication::processEvents();
        resetPeakMemory();
        idle = peakMemoryMib();
        for (auto _ : state) {
            // The open drops the previous picture before taking the new one.
            window.Abrir();
            if (!dialogs.failure.isEmpty()) {
                state.SkipWithError("the open failed");
                break;
            }
            peak = std::max(peak, peakMemoryMib());
        }
    }
    const double pixelMib = double{kSide} * kSide * 4 / (1 << 20);
    state.counters["process_cpu_ms"] = 1000.0 * static_cast<double>(std::clock() - start) /
                                       CLOCKS_PER_SEC / static_cast<double>(state.iterations());
    state.counters["peak_mib"] = peak;
    state.counters["before_open_mib"] = idle;
    state.counters["peak_per_pixel_bytes"] = peak / pixelMib;
    state.SetBytesProcessed(state.iterations() * kSide * kSide * 4);
}

// The whole open of the BC7 file in the window.
void BM_WindowOpenBc7(benchmark::State& state)
{
    const auto path = compressedSample("BC7", 98, 16);
    OnePath dialogs(QString::fromStdString(path.string()));
    texpeek::MainWindow window(QString(), dialogs);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.Abrir();
        if (!dialogs.failure.isEmpty()) {
            state.SkipWithError("the open failed");
            break;
        }
    }
}

// A zoom step on an open 32-bit file, repainted at once: the picture is the
// view image scaled on the fly, so the cost follows the window, not the image.
void BM_WindowZoom32(benchmark::State& state)
{
    const auto path = sampleFile(32);
    OnePath dialogs(QString::fromStdString(path.string()));
    texpeek::MainWindow window(QString(), dialogs);
    window.resize(1200, 900);
    window.show();
    // Lets the window be exposed, so that its repaints really paint.
    QApplication::processEvents();
    window.Abrir();
    bool in = true;
    for (auto _ : state) {
        if (in)
            window.ZoomIn(4);
        else
            window.ZoomOut(4);
        if (window.cellSize() >= 63 || window.cellSize() <= 3)
            in = !in;
        window.repaint();
    }
}

// One repaint of the whole window with a 32-bit file on show, as an open does
// four times.
void BM_WindowRepaint(benchmark::State& state)
{
    const auto path = sampleFile(32);
    OnePath dialogs(QString::fromStdString(path.string()));
    texpeek::MainWindow window(QString(), dialogs);
    window.show();
    QApplication::processEvents();
    window.Abrir();
    for (auto _ : state)
        window.repaint();
}

} // namespace

BENCHMARK(BM_WindowRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowOpen32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowZoom32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decode32InMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenBc1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenBc3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenBc7)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WindowOpenBc7)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImageMagickBc1)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

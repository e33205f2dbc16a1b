// Takes the screenshots of the docs folder: a 32-bit image in the colour
// view, the alpha view and the red channel view, and a BC1 cube map with one
// of its faces chosen, a BC5 normal map with the strip that says how its
// data is read, a 32-bit picture compared with its BC1 copy, and the
// window in English. Usage: texpeek_screenshots <output
// folder>
#include "common/testing/fake_dialogs.h"
#include "common/ui/language.h"
#include "texpeek/tests/block_builders.h"
#include "texpeek/tests/dds_files.h"
#include "texpeek/ui/compare_window.h"
#include "texpeek/ui/main_window.h"

#include <squish.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <string>

namespace {

// A 256 x 256 colour wheel whose alpha falls off from the middle.
std::string sampleImage()
{
    constexpr int side = 256;
    std::string pixels;
    pixels.reserve(side * side * 4);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double dx = x - 127.5;
            const double dy = y - 127.5;
            const double angle = std::atan2(dy, dx);
            const double distance = std::sqrt(dx * dx + dy * dy) / 181.0;
            auto channel = [&](double phase) {
                return static_cast<unsigned char>(
                    std::lround(127.5 + 127.5 * std::cos(angle + phase) * (1.0 - distance * 0.5)));
            };
            const auto alpha =
                static_cast<unsigned char>(std::lround(255.0 * std::max(0.0, 1.0 - distance)));
            pixels += static_cast<char>(channel(4.18879)); // blue
            pixels += static_cast<char>(channel(2.09440)); // green
            pixels += static_cast<char>(channel(0.0)); // red
            pixels += static_cast<char>(alpha);
        }
    }
    return texpeek::testing::ddsFile(side, side, 32, pixels);
}

// A 256 x 256 BC1 cube map with two levels: the colour wheel, its channels
// turned round differently on each face.
std::string cubeMap()
{
    std::string bytes = texpeek::testing::fourCCHeader(256, 256, "DXT1", 2, 0x200 | 0xFC00);
    for (int face = 0; face < 6; ++face) {
        for (int side : {256, 128}) {
            std::vector<unsigned char> rgba = texpeek::testing::colourWheel(side, side);
            for (std::size_t i = 0; i < rgba.size(); i += 4) {
                const unsigned char r = rgba[i], g = rgba[i + 1], b = rgba[i + 2];
                const unsigned char turned[3][3] = {{r, g, b}, {g, b, r}, {b, r, g}};
                const unsigned char* pick = turned[face % 3];
                rgba[i] = face >= 3 ? static_cast<unsigned char>(255 - pick[0]) : pick[0];
                rgba[i + 1] = pick[1];
                rgba[i + 2] = pick[2];
                rgba[i + 3] = 255;
            }
            bytes += texpeek::testing::squishCompressed(rgba, side, side, squish::kDxt1);
        }
    }
    return bytes;
}

bool writeBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("wheel.dds"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    const std::string bytes = sampleImage();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();

    suite::testing::FakeDialogs dialogs;
    dialogs.paths.push_back(path);
    texpeek::MainWindow window(folder.path(), dialogs);
    window.show();
    window.Abrir();
    app.processEvents();
    if (!window.grab().save(QDir(out).filePath(QStringLiteral("texpeek-colour.png"))))
        return 1;
    window.showAlpha();
    app.processEvents();
    if (!window.grab().save(QDir(out).filePath(QStringLiteral("texpeek-alpha.png"))))
        return 1;
    window.showChannel(texpeek::ChannelView::Red);
    app.processEvents();
    if (!window.grab().save(QDir(out).filePath(QStringLiteral("texpeek-red-channel.png"))))
        return 1;

    const QString cubePath = QDir(folder.path()).filePath(QStringLiteral("sky.dds"));
    if (!writeBytes(cubePath, cubeMap()))
        return 1;
    window.showRGB();
    window.openFile(cubePath);
    window.showSurface(0, 4);
    app.processEvents();
    if (!window.grab().save(QDir(out).filePath(QStringLiteral("texpeek-cube-face.png"))))
        return 1;

    const QString normalPath = QDir(folder.path()).filePath(QStringLiteral("bumps.dds"));
    if (!writeBytes(normalPath, texpeek::testing::normalMapBc5(256)))
        return 1;
    window.openFile(normalPath);
    app.processEvents();
    if (!window.grab().save(QDir(out).filePath(QStringLiteral("texpeek-interpretation.png"))))
        return 1;

    // The colour wheel against its BC1 copy, as their difference.
    std::vector<unsigned char> opaque = texpeek::testing::colourWheel(256, 256);
    for (std::size_t i = 3; i < opaque.size(); i += 4)
        opaque[i] = 255;
    std::string pixels;
    for (std::size_t i = 0; i < opaque.size(); i += 4)
        pixels += {static_cast<char>(opaque[i + 2]), static_cast<char>(opaque[i + 1]),
                   static_cast<char>(opaque[i]), static_cast<char>(opaque[i + 3])};
    const std::string original = texpeek::testing::ddsFile(256, 256, 32, pixels);
    const QString originalPath = QDir(folder.path()).filePath(QStringLiteral("wheel-32.dds"));
    const QString compressedPath = QDir(folder.path()).filePath(QStringLiteral("wheel-bc1.dds"));
    if (!writeBytes(originalPath, original) ||
        !writeBytes(compressedPath,
                    texpeek::testing::fourCCHeader(256, 256, "DXT1") +
                        texpeek::testing::squishCompressed(opaque, 256, 256, squish::kDxt1)))
        return 1;
    window.openFile(originalPath);
    window.compareWith(compressedPath);
    texpeek::CompareWindow* compare = window.compareWindow();
    if (compare == nullptr)
        return 1;
    compare->resize(760, 420);
    compare->setMode(texpeek::CompareWindow::Mode::Difference);
    app.processEvents();
    if (!compare->grab().save(QDir(out).filePath(QStringLiteral("texpeek-compare.png"))))
        return 1;
    compare->close();

    // The window in English with the colour wheel open.
    suite::setUpLanguages({QStringLiteral("texpeek"), suite::kPortuguese, QString()});
    if (!suite::switchLanguage(suite::kEnglish))
        return 1;
    app.processEvents();
    window.openFile(path);
    app.processEvents();
    if (!window.grab().save(QDir(out).filePath(QStringLiteral("texpeek-english.png"))))
        return 1;
    return 0;
}

// Takes the screenshots of the docs folder: an animated alpha-test sprite,
// read and previewed, then with the keyboard on the "Parallel Oriented"
// option, which describes it. Usage: pivotel_screenshot <output folder>
#include "common/testing/fake_dialogs.h"
#include "tests/sprite_files.h"
#include "ui/form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace pivotel::testing;

namespace {

// Yellow through orange to deep red, for a flame.
std::string flamePalette()
{
    std::string bytes("\x00\x01", 2);
    for (int i = 0; i < 256; ++i) {
        const double t = i / 254.0;
        bytes += static_cast<char>(255 - static_cast<int>(90 * t));
        bytes += static_cast<char>(static_cast<int>(230 * (1.0 - t)));
        bytes += static_cast<char>(static_cast<int>(80 * (1.0 - t) * (1.0 - t)));
    }
    return bytes;
}

// A ring that swells from frame to frame; outside it the clear colour.
std::string ring(int side, double radius)
{
    std::string indices;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double dx = x - (side - 1) / 2.0;
            const double dy = y - (side - 1) / 2.0;
            const double off = std::abs(std::sqrt(dx * dx + dy * dy) - radius);
            const int index = off > 6.0 ? 255 : std::min(254, static_cast<int>(off * 42));
            indices += static_cast<char>(index);
        }
    }
    return indices;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    constexpr int side = 56;
    std::vector<std::string> pictures;
    for (int i = 0; i < 6; ++i)
        pictures.push_back(picture(side, side, ring(side, 8.0 + 3.5 * i), -side / 2, side / 2));
    const std::string bytes = header(2, 2, 3, 2, side, side) + flamePalette() +
                              singleFrame(side, side, ring(side, 20.0)) + frameGroup(pictures);

    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("ring.spr"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();

    suite::testing::FakeDialogs dialogs;
    pivotel::Form1 window(dialogs);
    window.show();
    window.openFile(path);
    app.processEvents();
    if (!window.grab().save(QDir(out).filePath(QStringLiteral("pivotel-preview.png"))))
        return 1;

    window.activateWindow();
    if (auto* option = window.findChild<QRadioButton*>(QStringLiteral("Option5")))
        option->setFocus(Qt::TabFocusReason);
    app.processEvents();
    return window.grab().save(QDir(out).filePath(QStringLiteral("pivotel-main.png"))) ? 0 : 1;
}

// Takes the screenshots of the docs folder: an animated alpha-test sprite,
// read and previewed, then with the keyboard on the "Parallel Oriented"
// option, which describes it; and the workshop's preview of an additive glow
// over a picture. Usage: pivotel_screenshot <output folder>
#include "common/testing/fake_dialogs.h"
#include "pivotel/tests/sprite_files.h"
#include "pivotel/core/sprite_model.h"
#include "pivotel/ui/form1.h"
#include "pivotel/ui/workshop.h"

#include <QComboBox>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

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

// Black through orange to white: an additive glow's colours.
std::string glowPalette()
{
    std::string bytes("\x00\x01", 2);
    for (int i = 0; i < 256; ++i) {
        const double t = i / 255.0;
        bytes += static_cast<char>(std::min(255, static_cast<int>(255 * t * 1.6)));
        bytes += static_cast<char>(static_cast<int>(255 * t * t));
        bytes += static_cast<char>(static_cast<int>(255 * t * t * t * t));
    }
    return bytes;
}

// A soft round glow with four rays.
std::string glow(int side)
{
    std::string indices;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double dx = (x - (side - 1) / 2.0) / (side / 2.0);
            const double dy = (y - (side - 1) / 2.0) / (side / 2.0);
            const double r = std::sqrt(dx * dx + dy * dy);
            double level = std::max(0.0, 1.0 - r) * std::max(0.0, 1.0 - r);
            level += 0.5 * std::max(0.0, 1.0 - r) * std::exp(-std::min(dx * dx, dy * dy) * 400);
            indices += static_cast<char>(std::min(255, static_cast<int>(level * 255)));
        }
    }
    return indices;
}

// A dusky street: sky, a wall of bricks and a dark doorway.
QImage streetPicture()
{
    QImage image(480, 360, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 150);
    sky.setColorAt(0, QColor(25, 30, 70));
    sky.setColorAt(1, QColor(120, 70, 90));
    painter.fillRect(0, 0, 480, 150, sky);
    painter.fillRect(0, 150, 480, 210, QColor(70, 45, 38));
    painter.setPen(QColor(40, 28, 24));
    for (int row = 0; row * 14 < 210; ++row) {
        const int y = 150 + row * 14;
        painter.drawLine(0, y, 480, y);
        for (int x = (row % 2) * 20; x < 480; x += 40)
            painter.drawLine(x, y, x, y + 14);
    }
    painter.fillRect(300, 220, 70, 140, QColor(20, 16, 16));
    return image;
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
    if (!window.grab().save(QDir(out).filePath(QStringLiteral("pivotel-main.png"))))
        return 1;

    constexpr int glowSide = 96;
    const std::string glowBytes = header(2, 2, 1, 1, glowSide, glowSide) + glowPalette() +
                                  singleFrame(glowSide, glowSide, glow(glowSide));
    const QString street = QDir(folder.path()).filePath(QStringLiteral("street.png"));
    if (!streetPicture().save(street))
        return 1;
    pivotel::Workshop workshop(dialogs);
    workshop.loadSprite(*pivotel::parseSprite(glowBytes));
    while (workshop.isBuilding())
        app.processEvents(QEventLoop::WaitForMoreEvents);
    workshop.resize(820, 560);
    workshop.show();
    dialogs.paths = {street};
    if (auto* button = workshop.findChild<QPushButton*>(QStringLiteral("cmbBackground")))
        button->click();
    if (auto* mode = workshop.findChild<QComboBox*>(QStringLiteral("cboRenderMode")))
        mode->setCurrentIndex(5);
    app.processEvents();
    return workshop.grab().save(QDir(out).filePath(QStringLiteral("pivotel-additive.png"))) ? 0 : 1;
}

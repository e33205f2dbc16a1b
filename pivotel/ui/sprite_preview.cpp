#include "pivotel/ui/sprite_preview.h"

#include "pivotel/core/sprite.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>

namespace pivotel {
namespace {

constexpr int kLargestCell = 256;
constexpr int kSheetWidth = 480;
constexpr int kGap = 4;
constexpr int kChequer = 8;

QString fromStd(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void paintChequer(QPainter& painter, const QRect& area)
{
    painter.save();
    painter.setClipRect(area);
    for (int y = area.top(); y <= area.bottom(); y += kChequer) {
        for (int x = area.left(); x <= area.right(); x += kChequer) {
            const bool dark = ((x - area.left()) / kChequer + (y - area.top()) / kChequer) % 2 != 0;
            painter.fillRect(x, y, kChequer, kChequer,
                             dark ? QColor(0x99, 0x99, 0x99) : QColor(0xCC, 0xCC, 0xCC));
        }
    }
    painter.restore();
}

} // namespace

QImage frameImage(const DecodedFrame& frame)
{
    const qsizetype bytesPerLine = qsizetype{frame.width} * 4;
    if (frame.width < 1 || frame.height < 1 ||
        frame.rgba.size() !=
            static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(frame.height))
        return {};
    // The wrapping image only borrows the bytes; copy() gives it its own.
    const QImage borrowed(frame.rgba.data(), frame.width, frame.height, bytesPerLine,
                          QImage::Format_RGBA8888);
    return borrowed.copy();
}

QImage framesSheet(const SpriteFrames& frames)
{
    const int shown =
        std::min<int>(static_cast<int>(frames.frames.size()), SpritePreview::kShownFrames);
    if (shown == 0)
        return {};
    int cell = 1;
    for (int i = 0; i < shown; ++i) {
        const DecodedFrame& frame = frames.frames[static_cast<std::size_t>(i)];
        cell = std::max(
            {cell, std::min(frame.width, kLargestCell), std::min(frame.height, kLargestCell)});
    }
    const int columns = std::max(1, std::min(shown, (kSheetWidth + kGap) / (cell + kGap)));
    const int rows = (shown + columns - 1) / columns;
    QImage sheet(columns * (cell + kGap) - kGap, rows * (cell + kGap) - kGap,
                 QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);

    QPainter painter(&sheet);
    for (int i = 0; i < shown; ++i) {
        const QRect area((i % columns) * (cell + kGap), (i / columns) * (cell + kGap), cell, cell);
        paintChequer(painter, area);
        QImage image = frameImage(frames.frames[static_cast<std::size_t>(i)]);
        if (image.isNull())
            continue;
        if (image.width() > cell || image.height() > cell)
            image = image.scaled(cell, cell, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const QPoint at(area.left() + (cell - image.width()) / 2,
                        area.top() + (cell - image.height()) / 2);
        painter.drawImage(at, image);
    }
    return sheet;
}

SpritePreview::SpritePreview(QWidget* parent) : QGroupBox(QStringLiteral("Preview"), parent)
{
    setObjectName(QStringLiteral("fraPreview"));
    lblPreview = new QLabel;
    lblPreview->setObjectName(QStringLiteral("lblPreview"));
    lblPreview->setAlignment(Qt::AlignCenter);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrPreview"));
    scroll->setWidget(lblPreview);
    scroll->setWidgetResizable(true);
    scroll->setMinimumHeight(140);
    lblPreviewInfo = new QLabel(this);
    lblPreviewInfo->setObjectName(QStringLiteral("lblPreviewInfo"));
    lblPreviewInfo->setWordWrap(true);
    lblPreviewInfo->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(lblPreviewInfo);
    showNothing(QStringLiteral("No sprite read."));
}

void SpritePreview::showFrames(const SpriteFrames& frames)
{
    QStringList lines;
    const auto count = static_cast<qsizetype>(frames.frames.size());
    lines << QStringLiteral("Frames: %1").arg(count);
    if (const DecodedFrame* largest = largestFrame(frames))
        lines << QStringLiteral("Largest frame: %1 x %2").arg(largest->width).arg(largest->height);
    lines << QStringLiteral("Texture format: %1").arg(fromStd(textureFormatName(frames)));
    if (!frames.paletteInFile && frames.version == kQuakeVersion)
        lines << QStringLiteral("No palette in file: shown in greys.");
    if (count > kShownFrames)
        lines << QStringLiteral("The first %1 frames are shown.").arg(kShownFrames);
    if (!frames.problem.empty())
        lines << QStringLiteral("Damaged: %1.").arg(fromStd(frames.problem));
    lblPreviewInfo->setText(lines.join(QLatin1Char('\n')));

    const QImage sheet = framesSheet(frames);
    if (sheet.isNull())
        lblPreview->clear();
    else
        lblPreview->setPixmap(QPixmap::fromImage(sheet));
}

void SpritePreview::showNothing(const QString& why)
{
    lblPreview->clear();
    lblPreviewInfo->setText(why);
}

} // namespace pivotel

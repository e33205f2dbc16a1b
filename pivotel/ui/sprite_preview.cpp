#include "pivotel/ui/sprite_preview.h"

#include "pivotel/core/sprite.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QEvent>
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

SpritePreview::SpritePreview(QWidget* parent) : QGroupBox(parent)
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
    lblPreview->setAccessibleName(tr("Sprite frames"));
    lblPreview->setAccessibleDescription(tr("The frames of the sprite last read, side by side."));
    lblPreviewInfo->setAccessibleName(tr("About the frames"));
    scroll->setAccessibleName(tr("Sprite frames"));
    showNothing([] { return tr("No sprite read."); });
    retranslate();
}

void SpritePreview::retranslate()
{
    setTitle(tr("Preview"));
    if (info_)
        lblPreviewInfo->setText(info_());
}

void SpritePreview::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QGroupBox::changeEvent(event);
}

void SpritePreview::showFrames(const SpriteFrames& frames)
{
    // Only what the text needs is kept, so that it can be worded again in
    // another language.
    const auto count = static_cast<qsizetype>(frames.frames.size());
    const DecodedFrame* largest = largestFrame(frames);
    const QSize largestSize = largest ? QSize(largest->width, largest->height) : QSize();
    const QString format = fromStd(textureFormatName(frames));
    const bool greys = !frames.paletteInFile && frames.version == kQuakeVersion;
    const QString problem = fromStd(frames.problem);
    info_ = [=] {
        QStringList lines;
        lines << tr("Frames: %1").arg(count);
        if (largestSize.isValid())
            lines
                << tr("Largest frame: %1 x %2").arg(largestSize.width()).arg(largestSize.height());
        lines << tr("Texture format: %1").arg(format);
        if (greys)
            lines << tr("No palette in file: shown in greys.");
        if (count > kShownFrames)
            lines << tr("The first %1 frames are shown.").arg(kShownFrames);
        if (!problem.isEmpty())
            lines << tr("Damaged: %1.").arg(problem);
        return lines.join(QLatin1Char('\n'));
    };
    lblPreviewInfo->setText(info_());

    const QImage sheet = framesSheet(frames);
    if (sheet.isNull())
        lblPreview->clear();
    else
        lblPreview->setPixmap(QPixmap::fromImage(sheet));
}

void SpritePreview::showNothing(std::function<QString()> why)
{
    lblPreview->clear();
    info_ = std::move(why);
    lblPreviewInfo->setText(info_());
}

} // namespace pivotel

#include "texpeek/ui/progress_reporter.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include <algorithm>

namespace texpeek {

namespace {

// The decoders name their stages in the program's source language; the
// window shows them in its own.
constexpr const char* kContext = "texpeek::ProgressReporter";
const char* const kStageTexts[] = {
    QT_TRANSLATE_NOOP("texpeek::ProgressReporter", "Adquirindo cores da imagem 32 bits..."),
    QT_TRANSLATE_NOOP("texpeek::ProgressReporter", "Adquirindo cores da imagem 24 bits..."),
    QT_TRANSLATE_NOOP("texpeek::ProgressReporter", "Adquirindo cores da imagem 16 bits..."),
    QT_TRANSLATE_NOOP("texpeek::ProgressReporter", "Montando imagem..."),
    QT_TRANSLATE_NOOP("texpeek::ProgressReporter", "Transormando dados..."),
};

QString stageText(std::string_view status)
{
    const QString text = QString::fromUtf8(status.data(), static_cast<qsizetype>(status.size()));
    for (const char* known : kStageTexts)
        if (text == QLatin1String(known))
            return QCoreApplication::translate(kContext, known);
    const QString decoding = QStringLiteral("Decodificando ");
    const QString ellipsis = QStringLiteral("...");
    if (text.startsWith(decoding) && text.endsWith(ellipsis))
        return QCoreApplication::translate("texpeek::ProgressReporter", "Decodificando %1...")
            .arg(text.mid(decoding.size(), text.size() - decoding.size() - ellipsis.size()));
    return text;
}

} // namespace

ProgressReporter::ProgressReporter(QWidget* window, QLabel* status, QLabel* format,
                                   QProgressBar* bar, QLabel* percent)
    : window_(window), status_(status), format_(format), bar_(bar), percent_(percent)
{
}

void ProgressReporter::setTotal(std::int32_t total)
{
    total_ = total;
    // A range of 0 to 0 would turn the bar into a busy indicator.
    bar_->setRange(0, std::max(total, 1));
}

void ProgressReporter::restart(Stage stage)
{
    stage_ = stage;
    value_ = 0;
    shownPercent_ = -1;
    sinceRepaint_.invalidate();
    bar_->setValue(0);
}

void ProgressReporter::stageStarted(Stage stage, std::string_view status,
                                    std::string_view formatName)
{
    restart(stage);
    status_->setText(stageText(status));
    if (!formatName.empty())
        format_->setText(
            QString::fromUtf8(formatName.data(), static_cast<qsizetype>(formatName.size())));
    // The converting stage follows the reading one straight away and shows
    // its status with the first percentage.
    if (stage != Stage::Converting)
        window_->repaint();
}

void ProgressReporter::pixelsDone(std::int64_t count)
{
    value_ += count;
    if (total_ <= 0)
        return;
    // The bar and the label follow the whole percentage, and are repainted
    // at most once a frame: each repaint costs about as much as decoding a
    // percent of a large image, and a faster one would not be seen.
    const std::int64_t percent = value_ * 100 / total_;
    if (percent == shownPercent_)
        return;
    shownPercent_ = percent;
    if (stage_ != Stage::Drawing)
        percent_->setText(QString::number(percent) + QLatin1Char('%'));
    if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < kFrameMs && percent < 100)
        return;
    sinceRepaint_.start();
    bar_->setValue(static_cast<int>(std::min<std::int64_t>(value_, bar_->maximum())));
    if (stage_ != Stage::Drawing)
        percent_->repaint();
}

void ProgressReporter::stageFinished(Stage stage)
{
    bar_->setValue(static_cast<int>(std::min<std::int64_t>(value_, bar_->maximum())));
    if (stage != Stage::Drawing)
        percent_->clear();
}

} // namespace texpeek

#include "ui/progress_reporter.h"

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include <algorithm>

namespace texpeek {

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
    bar_->setValue(0);
}

void ProgressReporter::stageStarted(Stage stage, std::string_view status,
                                    std::string_view formatName)
{
    restart(stage);
    status_->setText(QString::fromUtf8(status.data(), static_cast<qsizetype>(status.size())));
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
    bar_->setValue(static_cast<int>(std::min<std::int64_t>(value_, bar_->maximum())));
    if (stage_ == Stage::Drawing || total_ <= 0)
        return;
    const std::int64_t percent = value_ * 100 / total_;
    if (percent != shownPercent_) {
        shownPercent_ = percent;
        percent_->setText(QString::number(percent) + QLatin1Char('%'));
        percent_->repaint();
    }
}

void ProgressReporter::stageFinished(Stage stage)
{
    if (stage != Stage::Drawing)
        percent_->clear();
}

} // namespace texpeek

#pragma once

#include "texpeek/core/pixels.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdint>

class QLabel;
class QProgressBar;
class QWidget;

namespace texpeek {

// Shows the progress of an open or a redraw: the bar counts pixels, and the
// reading and converting stages also show the whole percentage. Both move
// with the whole percentage and are repainted at most once a frame.
class ProgressReporter final : public ProgressSink {
public:
    ProgressReporter(QWidget* window, QLabel* status, QLabel* format, QProgressBar* bar,
                     QLabel* percent);

    // The pixel count a stage runs to; the bar's maximum.
    void setTotal(std::int32_t total);
    // A stage whose status text the caller shows: the count goes back to 0.
    void restart(Stage stage);

    void stageStarted(Stage stage, std::string_view status, std::string_view formatName) override;
    void pixelsDone(std::int64_t count) override;
    void stageFinished(Stage stage) override;

private:
    QWidget* window_;
    QLabel* status_;
    QLabel* format_;
    QProgressBar* bar_;
    QLabel* percent_;
    Stage stage_ = Stage::Drawing;
    std::int64_t total_ = 0;
    std::int64_t value_ = 0;
    std::int64_t shownPercent_ = -1;
    QElapsedTimer sinceRepaint_;
    static constexpr qint64 kFrameMs = 16;
};

} // namespace texpeek

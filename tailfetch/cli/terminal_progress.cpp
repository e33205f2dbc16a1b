#include "tailfetch/cli/terminal_progress.h"

#include "tailfetch/core/progress_figures.h"

#include <QByteArray>

namespace tailfetch {

TerminalProgress::TerminalProgress(std::FILE* stream) : stream_(stream)
{
    clock_.start();
}

bool TerminalProgress::due()
{
    const qint64 now = clock_.elapsed();
    if (now - lastShownMs_ < 250)
        return false;
    lastShownMs_ = now;
    return true;
}

void TerminalProgress::show(const QByteArray& line)
{
    // Carriage return and erase to the end of the line.
    std::fprintf(stream_, "\r%s\033[K", line.constData());
    std::fflush(stream_);
    shown_ = true;
}

void TerminalProgress::transfer(qint64 have, qint64 total)
{
    if (firstHave_ < 0)
        firstHave_ = have;
    if (!due())
        return;
    const auto percent = PercentDone(have, total);
    const qint64 seconds = std::max<qint64>(clock_.elapsed() / 1000, 1);
    const qint64 speed = AverageSpeed(have - firstHave_, seconds);
    QByteArray line = QByteArray::number(percent.value_or(0)) + "%  " + QByteArray::number(have) +
                      " / " + QByteArray::number(total) + " bytes  " +
                      QByteArray::number(speed / 1024) + " KiB/s";
    if (const auto left = SecondsLeft(total - have, speed); left && clock_.elapsed() >= 1000)
        line += "  " + QByteArray::fromStdString(DurationText(*left));
    show(line);
}

void TerminalProgress::verifying(qint64 done, qint64 total)
{
    if (!due() && done != total)
        return;
    show("verificando " + QByteArray::number(PercentDone(done, total).value_or(0)) + "%");
}

void TerminalProgress::end()
{
    if (shown_)
        std::fputc('\n', stream_);
    std::fflush(stream_);
}

} // namespace tailfetch

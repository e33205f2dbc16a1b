#include "texpeek/ui/open_job.h"

#include <QEventLoop>

#include <chrono>
#include <string>
#include <thread>

namespace texpeek {

namespace {

// The work's side of the progress display: each report is copied and
// posted to the window's thread, and a pending cancel is raised at the next.
// Pixel counts are gathered and posted at most about 30 times a second: every
// post wakes the window's thread, and on a busy machine a few hundred of them
// cost more than the decoding they report. A stage's start and end are always
// posted, after the pixels gathered before them.
class ForwardingSink final : public ProgressSink {
public:
    ForwardingSink(OpenJob& job, ProgressSink& display, const std::atomic<bool>& cancelled)
        : job_(job), display_(display), cancelled_(cancelled)
    {
    }

    void stageStarted(Stage stage, std::string_view status, std::string_view formatName) override
    {
        stopIfCancelled();
        flush();
        job_.onWindow([this, stage, text = std::string(status), name = std::string(formatName)] {
            display_.stageStarted(stage, text, name);
        });
    }
    void pixelsDone(std::int64_t count) override
    {
        stopIfCancelled();
        pending_ += count;
        if (Clock::now() - lastPost_ >= kPostInterval)
            flush();
    }
    void stageFinished(Stage stage) override
    {
        flush();
        job_.onWindow([this, stage] { display_.stageFinished(stage); });
    }

    void flush()
    {
        lastPost_ = Clock::now();
        if (pending_ == 0)
            return;
        job_.onWindow([this, count = pending_] { display_.pixelsDone(count); });
        pending_ = 0;
    }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kPostInterval = std::chrono::milliseconds(33);

    void stopIfCancelled() const
    {
        if (cancelled_)
            throw JobCancelled{};
    }

    OpenJob& job_;
    ProgressSink& display_;
    const std::atomic<bool>& cancelled_;
    std::int64_t pending_ = 0;
    // The first pixels of a job wait a whole interval: a short job then
    // posts nothing but its stages.
    Clock::time_point lastPost_ = Clock::now();
};

} // namespace

OpenJob::OpenJob(ProgressSink& display, QObject* parent) : QObject(parent), display_(display)
{
}

void OpenJob::onWindow(std::function<void()> step)
{
    QMetaObject::invokeMethod(this, std::move(step), Qt::QueuedConnection);
}

std::exception_ptr OpenJob::run(const std::function<void(ProgressSink& progress)>& work)
{
    cancelled_ = false;
    running_ = true;
    QEventLoop loop;
    std::exception_ptr failure;
    ForwardingSink sink(*this, display_, cancelled_);
    std::thread worker([&] {
        try {
            work(sink);
        } catch (...) {
            failure = std::current_exception();
        }
        sink.flush();
        // Posted after every report of the work, so those are all shown
        // before the loop ends.
        QMetaObject::invokeMethod(
            &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    emit started();
    loop.exec();
    worker.join();
    running_ = false;
    // A cancel that came after the work's last report still cancels: the
    // user pressed Esc before seeing the result.
    if (cancelled_ && !failure)
        failure = std::make_exception_ptr(JobCancelled{});
    return failure;
}

} // namespace texpeek

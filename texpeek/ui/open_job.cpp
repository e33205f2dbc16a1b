#include "ui/open_job.h"

#include <QEventLoop>

#include <string>
#include <thread>

namespace texpeek {

namespace {

// The work's side of the progress display: each report is copied and
// posted to the window's thread, and a pending cancel is raised at the next.
class ForwardingSink final : public ProgressSink {
public:
    ForwardingSink(OpenJob& job, ProgressSink& display, const std::atomic<bool>& cancelled)
        : job_(job), display_(display), cancelled_(cancelled)
    {
    }

    void stageStarted(Stage stage, std::string_view status, std::string_view formatName) override
    {
        stopIfCancelled();
        job_.onWindow([this, stage, text = std::string(status), name = std::string(formatName)] {
            display_.stageStarted(stage, text, name);
        });
    }
    void pixelsDone(std::int64_t count) override
    {
        stopIfCancelled();
        job_.onWindow([this, count] { display_.pixelsDone(count); });
    }
    void stageFinished(Stage stage) override
    {
        job_.onWindow([this, stage] { display_.stageFinished(stage); });
    }

private:
    void stopIfCancelled() const
    {
        if (cancelled_)
            throw JobCancelled{};
    }

    OpenJob& job_;
    ProgressSink& display_;
    const std::atomic<bool>& cancelled_;
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

#pragma once

#include "texpeek/core/pixels.h"

#include <QObject>

#include <atomic>
#include <exception>
#include <functional>

namespace texpeek {

// Thrown inside a job's work when the user has asked to stop it.
struct JobCancelled {};

// Runs one piece of long work (reading, decoding, building a view) on a
// thread of its own while the window's thread keeps handling events, and
// returns when the work has ended. What the work tells its progress sink is
// handed to `display` on the window's thread, in order; other steps the
// window must take midway go through `onWindow`.
class OpenJob final : public QObject {
    Q_OBJECT

public:
    explicit OpenJob(ProgressSink& display, QObject* parent = nullptr);

    // Runs `work` and returns what it threw (JobCancelled once cancel() was
    // called at any time before the end), or nothing.
    std::exception_ptr run(const std::function<void(ProgressSink& progress)>& work);

    // From the window's thread, while run() waits: asks the work to stop at
    // its next progress report.
    void cancel() { cancelled_ = true; }
    bool isRunning() const { return running_; }

    // From the work: runs `step` on the window's thread, after every
    // progress report made so far.
    void onWindow(std::function<void()> step);

signals:
    // The work has started; the window's events are being handled.
    void started();

private:
    ProgressSink& display_;
    std::atomic<bool> cancelled_{false};
    bool running_ = false;
};

} // namespace texpeek

#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <thread>
#include <vector>

namespace texpeek {

// How many threads share one surface's work: one per core, at most 8.
inline std::size_t workerCount()
{
    return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
}

// Runs `work(first, last)` over [0, count) in chunks of `chunk` items, which
// the calling thread and one helper per further core take in turn from a
// shared counter: a thread slowed by another process just takes fewer
// chunks, where halves fixed in advance would leave the others waiting for
// it. `work` returns the units of progress its chunk made (pixels, say).
//
// Only the calling thread calls `report(units)`, after each of its own
// chunks and once the helpers are done, with the units finished by every
// thread since its last call; the counts add up to all of them. `report`
// may throw to stop the work (that is how an open is cancelled): chunks
// under way are finished, no new ones are started, the helpers are joined
// and the exception goes on. An exception from `work` on a helper comes out
// on the calling thread too.
template <typename Work, typename Report>
void runInChunks(std::size_t count, std::size_t chunk, std::size_t threads, Work work,
                 Report report)
{
    chunk = std::max<std::size_t>(chunk, 1);
    const std::size_t chunks = (count + chunk - 1) / chunk;
    threads = std::clamp<std::size_t>(threads, 1, std::max<std::size_t>(chunks, 1));

    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> finished{0};
    std::atomic<bool> stop{false};
    std::exception_ptr helperFailure;
    std::atomic<bool> helperFailed{false};

    // Takes the next chunk and runs it; false once none is left.
    auto takeChunk = [&]() -> bool {
        if (stop.load(std::memory_order_relaxed))
            return false;
        const std::size_t index = next.fetch_add(1, std::memory_order_relaxed);
        if (index >= chunks)
            return false;
        const std::size_t first = index * chunk;
        const std::size_t units = work(first, std::min(count, first + chunk));
        finished.fetch_add(units, std::memory_order_release);
        return true;
    };

    // Joins the helpers however the calling thread leaves.
    struct Helpers {
        std::vector<std::thread> threads;
        std::atomic<bool>& stop;
        ~Helpers()
        {
            stop = true;
            for (std::thread& helper : threads)
                helper.join();
        }
    } helpers{{}, stop};
    helpers.threads.reserve(threads - 1);
    for (std::size_t i = 1; i < threads; ++i) {
        helpers.threads.emplace_back([&] {
            try {
                while (takeChunk()) {}
            } catch (...) {
                // Only the first failure is kept; the flag orders the writes.
                if (!helperFailed.exchange(true)) {
                    helperFailure = std::current_exception();
                }
                stop = true;
            }
        });
    }

    std::size_t reported = 0;
    auto reportFinished = [&] {
        const std::size_t now = finished.load(std::memory_order_acquire);
        if (now != reported) {
            const std::size_t units = now - reported;
            reported = now;
            report(units);
        }
    };
    while (takeChunk())
        reportFinished();
    for (std::thread& helper : helpers.threads)
        helper.join();
    helpers.threads.clear();
    if (helperFailure)
        std::rethrow_exception(helperFailure);
    reportFinished();
}

} // namespace texpeek

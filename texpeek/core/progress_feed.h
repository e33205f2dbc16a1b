#pragma once

#include "texpeek/core/pixels.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace texpeek {

// Hands out pixel counts to a progress sink in the batches it expects,
// however many pixels a piece of work did at once: at most one percent of
// the stage's `total`, so that a display of whole percentages passes through
// every value, and at most kProgressBatch, so that the bytes of one batch of
// work stay in the cache between reading and writing. A null sink hears
// nothing.
class ProgressFeed {
public:
    ProgressFeed(ProgressSink* sink, std::size_t total)
        : sink_(sink),
          batch_(std::clamp<std::size_t>(total / 100, 1, static_cast<std::size_t>(kProgressBatch)))
    {
    }
    ProgressFeed(ProgressSink& sink, std::size_t total) : ProgressFeed(&sink, total) {}

    void done(std::size_t count)
    {
        while (sink_ != nullptr && count > 0) {
            const std::size_t piece = std::min(count, batch_);
            sink_->pixelsDone(static_cast<std::int64_t>(piece));
            count -= piece;
        }
    }
    std::size_t batch() const { return batch_; }

private:
    ProgressSink* sink_;
    std::size_t batch_;
};

} // namespace texpeek

#pragma once

#include "texpeek/core/pixels.h"

namespace texpeek::testing {

// A progress sink for the tests that only want the result.
struct Quiet final : ProgressSink {
    void stageStarted(Stage, std::string_view, std::string_view) override {}
    void pixelsDone(std::int64_t) override {}
    void stageFinished(Stage) override {}
};

} // namespace texpeek::testing

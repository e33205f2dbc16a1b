#pragma once

#include "probegrid/core/daily.h"

#include <optional>

// "--daily YYYY-MM-DD" (or "--daily=YYYY-MM-DD"): open that date's puzzle
// instead of the start window. Read before anything else, so that a bad date
// is answered without a window system.
namespace probegrid {

struct DailyOption {
    std::optional<Date> date; // the date asked for, if any
    std::optional<int> exitCode; // set (2) when the option was misused
};

// Takes the option out of argv, so the common command line never sees it;
// a misuse is reported on standard error.
DailyOption takeDailyOption(int& argc, char** argv);

// What --help says of it.
inline constexpr char kDailyHelp[] =
    "Commands:\n"
    "  --daily YYYY-MM-DD   Opens the puzzle of that date (\"Desafio do dia\").\n";

} // namespace probegrid

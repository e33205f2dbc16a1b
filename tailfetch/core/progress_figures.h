#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The figures the window shows while a job runs.
namespace tailfetch {

// Bytes a second over `ticks` one-second ticks, rounded half to even; 0
// before the first tick.
std::int64_t AverageSpeed(std::int64_t received, std::int64_t ticks);

// How far the whole file is, in whole percent (rounded down, so 100 only
// when it is whole); nothing while the total is unknown.
std::optional<int> PercentDone(std::int64_t have, std::int64_t total);

// Seconds until `left` bytes arrive at `bytesPerSecond`, rounded up;
// nothing while no speed is known.
std::optional<std::int64_t> SecondsLeft(std::int64_t left, std::int64_t bytesPerSecond);

// "45 s", "3 min 05 s", "2 h 07 min".
std::string DurationText(std::int64_t seconds);

} // namespace tailfetch

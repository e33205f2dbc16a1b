#include "tailfetch/core/progress_figures.h"

#include "common/core/numbers.h"

namespace tailfetch {

std::int64_t AverageSpeed(std::int64_t received, std::int64_t ticks)
{
    if (ticks <= 0)
        return 0;
    return static_cast<std::int64_t>(
        numbers::roundHalfEven(static_cast<double>(received) / static_cast<double>(ticks)));
}

std::optional<int> PercentDone(std::int64_t have, std::int64_t total)
{
    if (total <= 0 || have < 0)
        return std::nullopt;
    if (have >= total)
        return 100;
    return static_cast<int>(have * 100.0L / static_cast<long double>(total));
}

std::optional<std::int64_t> SecondsLeft(std::int64_t left, std::int64_t bytesPerSecond)
{
    if (bytesPerSecond <= 0 || left < 0)
        return std::nullopt;
    return (left + bytesPerSecond - 1) / bytesPerSecond;
}

std::string DurationText(std::int64_t seconds)
{
    const auto two = [](std::int64_t value) {
        return (value < 10 ? "0" : "") + std::to_string(value);
    };
    if (seconds < 60)
        return std::to_string(seconds) + " s";
    if (seconds < 3600)
        return std::to_string(seconds / 60) + " min " + two(seconds % 60) + " s";
    return std::to_string(seconds / 3600) + " h " + two(seconds / 60 % 60) + " min";
}

} // namespace tailfetch

#pragma once

#include "probegrid/core/daily.h"

#include <filesystem>
#include <optional>
#include <string>

// The best time of each day's puzzle, in a file of its own beside the records
// file (the records file holds scored games of random boards, which a puzzle
// with free shots could not fairly be compared with). One line a day:
// "YYYY-MM-DD SECONDS".
namespace probegrid {

inline constexpr char kDailyBestFileName[] = "desafio.dat";
// A century of days fits many times over; a larger file is not this one.
inline constexpr std::uint64_t kDailyBestLimit = 1024 * 1024;

// That day's best time in seconds; nothing when the file, or that day's
// line, is missing or cannot be read.
std::optional<int> readDailyBest(const std::filesystem::path& path, const Date& date);

// Sets that day's best time, keeping every other line as it was; a missing
// file is created. A file that cannot be read whole is left alone. False
// with `error` set on failure.
bool writeDailyBest(const std::filesystem::path& path, const Date& date, int seconds,
                    std::string* error = nullptr);

} // namespace probegrid

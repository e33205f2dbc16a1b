#include "probegrid/core/daily_best.h"

#include "common/core/file_io.h"

#include <charconv>
#include <system_error>

namespace probegrid {
namespace {

// The seconds of a line of that date, or nothing.
std::optional<int> secondsOn(std::string_view line, const std::string& day)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.size() <= day.size() + 1 || line.substr(0, day.size()) != day ||
        line[day.size()] != ' ')
        return std::nullopt;
    const std::string_view number = line.substr(day.size() + 1);
    int seconds = 0;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), seconds);
    if (error != std::errc() || end != number.data() + number.size() || seconds < 0)
        return std::nullopt;
    return seconds;
}

} // namespace

std::optional<int> readDailyBest(const std::filesystem::path& path, const Date& date)
{
    const std::optional<std::string> bytes = fileio::readAll(path, kDailyBestLimit);
    if (!bytes)
        return std::nullopt;
    const std::string day = dateText(date);
    std::string_view rest = *bytes;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        if (const std::optional<int> seconds = secondsOn(line, day))
            return seconds;
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return std::nullopt;
}

bool writeDailyBest(const std::filesystem::path& path, const Date& date, int seconds,
                    std::string* error)
{
    std::string old;
    std::error_code code;
    if (std::filesystem::exists(path, code)) {
        std::optional<std::string> bytes = fileio::readAll(path, kDailyBestLimit, error);
        if (!bytes)
            return false;
        old = std::move(*bytes);
    }
    const std::string day = dateText(date);
    const std::string ours = day + ' ' + std::to_string(seconds);
    std::string kept;
    bool replaced = false;
    std::string_view rest = old;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        if (!replaced && secondsOn(line, day)) {
            kept += ours;
            replaced = true;
        } else {
            kept += line;
        }
        kept += '\n';
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    if (!replaced)
        kept += ours + '\n';
    return fileio::writeAtomically(path, kept, error);
}

} // namespace probegrid

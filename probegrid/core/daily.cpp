#include "probegrid/core/daily.h"

#include "probegrid/core/solver.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <numeric>

namespace probegrid {
namespace {

bool leapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysIn(int year, int month)
{
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// SplitMix64: a fixed, portable sequence, unlike the standard library's
// distributions, so a date gives the same puzzle on every build.
class DateRandom {
public:
    explicit DateRandom(const Date& date)
        : state_(0x50524F4245475249ull ^
                 static_cast<std::uint64_t>(date.year * 10000 + date.month * 100 + date.day))
    {
    }

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in 0..bound-1 (the bias of a 64-bit modulus is far below notice
    // for bounds this small, and it is the same on every machine).
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint64_t>(bound)); }

private:
    std::uint64_t state_;
};

constexpr int kFewestItems = 4;
constexpr int kMostItems = 6;

Evidence evidenceOf(const Board& board, const std::vector<int>& shots)
{
    Evidence evidence;
    evidence.minItems = evidence.maxItems = board.count();
    for (const int position : shots) {
        const Ray ray = tracar(board, entryCell(position), shotDirection(position));
        evidence.rays.push_back({position, ray.result, ray.exitPosition});
    }
    return evidence;
}

// Whether exactly one board fits: the search stops at the second board it
// meets, which for the many ambiguous sets of shots tried comes early.
bool decides(const Board& board, const std::vector<int>& shots)
{
    int fitting = 0;
    forEachConsistentBoard(evidenceOf(board, shots),
                           [&fitting](const Board&) { return ++fitting < 2; });
    return fitting == 1;
}

} // namespace

std::optional<Date> parseDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto number = [&](std::size_t from, std::size_t length) {
        int value = 0;
        for (std::size_t i = from; i < from + length; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return -1;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    const Date date{number(0, 4), number(5, 2), number(8, 2)};
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > daysIn(date.year, date.month))
        return std::nullopt;
    return date;
}

std::string dateText(const Date& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

Date nextDay(const Date& date)
{
    Date next = date;
    if (++next.day > daysIn(next.year, next.month)) {
        next.day = 1;
        if (++next.month > 12) {
            next.month = 1;
            ++next.year;
        }
    }
    return next;
}

// Items are drawn, then the border cells are fired in a drawn order until the
// shots leave one layout; a board that stays ambiguous with every cell fired
// (items hidden behind others) is drawn again. Last, shots are taken back in
// drawn order wherever the rest still leave one layout, so the puzzle gives
// no more than it must.
DailyPuzzle dailyPuzzle(const Date& date)
{
    DateRandom random(date);
    DailyPuzzle puzzle;
    puzzle.date = date;
    while (true) {
        const int items = kFewestItems + random.below(kMostItems - kFewestItems + 1);
        Board board;
        while (board.count() < items)
            board.place(1 + random.below(kCells));
        std::array<int, kBorderPositions> order{};
        std::iota(order.begin(), order.end(), 1);
        for (int i = kBorderPositions - 1; i > 0; --i)
            std::swap(order[static_cast<std::size_t>(i)],
                      order[static_cast<std::size_t>(random.below(i + 1))]);

        std::vector<int> shots;
        std::array<bool, kBorderPositions + 1> shown{};
        bool decided = false;
        for (const int position : order) {
            if (shown[static_cast<std::size_t>(position)])
                continue;
            const Ray ray = tracar(board, entryCell(position), shotDirection(position));
            shown[static_cast<std::size_t>(position)] = true;
            if (ray.result == RayResult::Detour)
                shown[static_cast<std::size_t>(ray.exitPosition)] = true;
            shots.push_back(position);
            // Fewer than a handful of rays never pins down four items.
            if (shots.size() >= 6 && decides(board, shots)) {
                decided = true;
                break;
            }
        }
        if (!decided)
            continue;
        for (std::size_t i = 0; i < shots.size();) {
            std::vector<int> fewer = shots;
            fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
            if (decides(board, fewer))
                shots = std::move(fewer);
            else
                ++i;
        }
        std::sort(shots.begin(), shots.end());
        puzzle.board = board;
        puzzle.givenShots = std::move(shots);
        return puzzle;
    }
}

Game dailyGame(const DailyPuzzle& puzzle, int playerCount)
{
    Game game(puzzle.board, puzzle.board.count(), playerCount);
    for (const int position : puzzle.givenShots)
        game.giveShot(position);
    return game;
}

} // namespace probegrid

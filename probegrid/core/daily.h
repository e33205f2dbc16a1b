#pragma once

#include "probegrid/core/board.h"
#include "probegrid/core/game.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The puzzle of the day: its items and the shots it comes with follow from
// the date alone, so every player gets the same one without a network, and
// the solver has proved that exactly one layout of that many items fits the
// given shots.
namespace probegrid {

struct Date {
    int year = 2000;
    int month = 1;
    int day = 1;

    friend bool operator==(const Date&, const Date&) = default;
};

// A real calendar date written YYYY-MM-DD, years 1 to 9999; nothing else.
std::optional<Date> parseDate(std::string_view text);
std::string dateText(const Date& date);
// The day after.
Date nextDay(const Date& date);

struct DailyPuzzle {
    Date date;
    Board board;
    // Border positions fired before play, in border order (detour numbers
    // follow it); a detour's exit is not listed.
    std::vector<int> givenShots;
};

DailyPuzzle dailyPuzzle(const Date& date);

// A game on the puzzle with its given shots already on the border.
Game dailyGame(const DailyPuzzle& puzzle, int playerCount);

} // namespace probegrid

#pragma once

#include "probegrid/core/board.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

// Deduction over the evidence of a game: which boards could still be the
// hidden one, given every ray result shown and every mark made.
namespace probegrid {

// One ray as the border shows it.
struct RayEvidence {
    int position = 0; // where it went in
    RayResult result = RayResult::Hit;
    int exitPosition = 0; // detours only
};

struct Evidence {
    std::vector<RayEvidence> rays;
    std::vector<int> itemCells; // found by a mark
    std::vector<int> emptyCells; // took a wrong mark
    // The number of hidden items, when the players know it; a drawn count is
    // only known to lie in a range.
    int minItems = 1;
    int maxItems = 12;
};

enum class CellVerdict { Open, Item, Empty };

// Past this many consistent boards the count is only "many".
inline constexpr std::uint64_t kManyBoards = 100000;

struct Analysis {
    // False when the time ran out; no board is then counted and every cell
    // stays open.
    bool finished = false;
    std::uint64_t boards = 0; // consistent boards
    std::uint64_t steps = 0; // branches the search took, for measuring it
    std::array<CellVerdict, kCells> cells{};
    // How many consistent boards hold an item in each cell.
    std::array<std::uint64_t, kCells> itemBoards{};

    bool many() const { return boards > kManyBoards; }
};

// Counts the boards consistent with the evidence and finds the cells on
// which they all agree. Gives up unfinished once `budget` has passed.
Analysis analyse(const Evidence& evidence,
                 std::chrono::milliseconds budget = std::chrono::milliseconds(2000));

// Hands every consistent board to `visit` until it returns false; false when
// the enumeration was cut short. Meant for checking the count, not for play:
// there can be very many boards.
bool forEachConsistentBoard(const Evidence& evidence,
                            const std::function<bool(const Board&)>& visit);

} // namespace probegrid

#pragma once

#include "probegrid/core/solver.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <vector>

// Which shot would tell the most about where the items are: each free border
// cell is weighed by how its possible results would split the boards still
// consistent with the evidence (expected information).
namespace probegrid {

// A shot's possible results: absorbed, turned back, or out at one of the 32
// border cells.
inline constexpr std::size_t kShotOutcomes = 2 + kBorderPositions;
std::size_t outcomeIndex(RayResult result, int exitPosition);

struct ShotValue {
    int position = 0;
    // How many consistent boards give each result.
    std::array<std::uint64_t, kShotOutcomes> outcomeBoards{};
    int groups = 0; // results with at least one board
    double bits = 0; // expected information, in bits
};

struct Hint {
    bool finished = false; // false when the time ran out: nothing is ranked
    std::uint64_t boards = 0; // consistent boards
    // Every border cell the evidence leaves free, most informative first;
    // equal ones in border order.
    std::vector<ShotValue> ranking;
};

// Ranks the shots nobody has fired (neither end of a detour is free). Gives
// up unfinished once `budget` has passed.
Hint rankShots(const Evidence& evidence,
               std::chrono::milliseconds budget = std::chrono::milliseconds(2000));

// The expected information of a split of boards into groups of these sizes.
double splitBits(const std::array<std::uint64_t, kShotOutcomes>& outcomeBoards);

} // namespace probegrid

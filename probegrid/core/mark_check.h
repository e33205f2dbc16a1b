#pragma once

#include "probegrid/core/game.h"

#include <array>

// Whether the player's own picture of the board, the marked cells and the
// "item here?" notes, would give the results the border shows.
namespace probegrid {

enum class MarkCheck { Unfired, Agrees, Disagrees };

// The board the player believes in: found items and "item here?" notes.
Board believedBoard(const Game& game);

// For every border cell: Unfired when it shows no result, otherwise whether a
// ray on the believed board gives what was seen. Both ends of a detour get
// the same answer.
std::array<MarkCheck, kBorderPositions> checkMarks(const Game& game);

} // namespace probegrid

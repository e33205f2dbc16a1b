#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

// The 8 by 8 board, its border ring and the path of a ray through it.
//
// Cells are numbered 1 to 64 row by row from the top left; border positions
// 1 to 8 run along the top, 9 to 16 down the right side, 17 to 24 along the
// bottom (left to right) and 25 to 32 down the left side.
namespace probegrid {

inline constexpr int kCells = 64;
inline constexpr int kBorderPositions = 32;

enum class Direction { Cima, Baixo, Esq, Dir };

// The game's own literals for the directions: "CIMA", "BAIXO", "ESQ", "DIR".
std::string_view directionName(Direction direction);

// Where a shot from border position `position` (1..32) enters, and which way
// it travels.
int entryCell(int position);
Direction shotDirection(int position);

// The border position a ray leaves at when it crosses edge `edge` from cell
// `cell` (which must lie on that edge). The inverse of entryCell.
int exitPosition(int cell, Direction edge);

// Whether a move from `cell` in `direction` would leave the board.
bool onBorder(int cell, Direction direction);

// The hidden items: at most one per cell.
class Board {
public:
    bool holds(int cell) const;
    void place(int cell);
    int count() const;
    std::vector<int> cells() const;

    static Board withItems(const std::vector<int>& cells);

private:
    std::array<bool, kCells> items_{};
};

enum class RayResult { Hit, Reflection, Detour };

// The letter the border shows for a hit or a reflection ("H", "R"); "M" for a
// detour, whose border text is its number instead.
std::string_view resultLetter(RayResult result);

struct Ray {
    RayResult result = RayResult::Hit;
    int exitPosition = 0; // detours only
};

// Follows a ray that enters at `entry` travelling `direction`.
Ray tracar(const Board& board, int entry, Direction direction);

} // namespace probegrid

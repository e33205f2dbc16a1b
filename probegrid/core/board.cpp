#include "core/board.h"

#include <stdexcept>

namespace probegrid {
namespace {

// What a ray travelling one way looks at from cell n: the cell ahead, the two
// diagonals ahead with the edge that guards each (a diagonal beyond that edge
// would be off the board or wrapped into another row) and the way the ray
// turns away from it, and the two edges beside the path.
struct Heading {
    int step;
    int diagonalA;
    Direction guardA;
    Direction turnA;
    int diagonalB;
    Direction guardB;
    Direction turnB;
    Direction side1;
    Direction side2;
};

Heading heading(Direction d)
{
    switch (d) {
    case Direction::Baixo:
        return {+8, +7, Direction::Esq, Direction::Dir, +9, Direction::Dir, Direction::Esq,
                Direction::Esq, Direction::Dir};
    case Direction::Esq:
        return {-1, -9, Direction::Cima, Direction::Baixo, +7, Direction::Baixo, Direction::Cima,
                Direction::Cima, Direction::Baixo};
    case Direction::Cima:
        return {-8, -9, Direction::Esq, Direction::Dir, -7, Direction::Dir, Direction::Esq,
                Direction::Esq, Direction::Dir};
    case Direction::Dir:
        break;
    }
    return {+1, -7, Direction::Cima, Direction::Baixo, +9, Direction::Baixo, Direction::Cima,
            Direction::Cima, Direction::Baixo};
}

void requireCell(int cell)
{
    if (cell < 1 || cell > kCells)
        throw std::out_of_range("cell outside the board");
}

// The neighbours across the path at the entry cell: an item there turns the
// ray straight back before it gets going.
bool besideEntryHoldsItem(const Board& board, int e, Direction d)
{
    const bool vertical = d == Direction::Baixo || d == Direction::Cima;
    const Direction low = vertical ? Direction::Esq : Direction::Cima;
    const Direction high = vertical ? Direction::Dir : Direction::Baixo;
    const int offset = vertical ? 1 : 8;
    if (!onBorder(e, low) && board.holds(e - offset))
        return true;
    return !onBorder(e, high) && board.holds(e + offset);
}

} // namespace

std::string_view directionName(Direction direction)
{
    switch (direction) {
    case Direction::Cima:
        return "CIMA";
    case Direction::Baixo:
        return "BAIXO";
    case Direction::Esq:
        return "ESQ";
    case Direction::Dir:
        break;
    }
    return "DIR";
}

int entryCell(int position)
{
    if (position >= 1 && position <= 8)
        return position;
    if (position >= 9 && position <= 16)
        return (position - 8) * 8;
    if (position >= 17 && position <= 24)
        return position + 40;
    if (position >= 25 && position <= 32)
        return (position - 25) * 8 + 1;
    throw std::out_of_range("border position outside 1..32");
}

Direction shotDirection(int position)
{
    if (position >= 1 && position <= 8)
        return Direction::Baixo;
    if (position >= 9 && position <= 16)
        return Direction::Esq;
    if (position >= 17 && position <= 24)
        return Direction::Cima;
    if (position >= 25 && position <= 32)
        return Direction::Dir;
    throw std::out_of_range("border position outside 1..32");
}

int exitPosition(int cell, Direction edge)
{
    requireCell(cell);
    if (!onBorder(cell, edge))
        throw std::invalid_argument("cell is not on that edge");
    switch (edge) {
    case Direction::Cima:
        return cell;
    case Direction::Dir:
        return (cell + 64) / 8;
    case Direction::Baixo:
        return cell - 40;
    case Direction::Esq:
        break;
    }
    return (cell + 199) / 8;
}

bool onBorder(int cell, Direction direction)
{
    switch (direction) {
    case Direction::Cima:
        return cell >= 1 && cell <= 8;
    case Direction::Dir:
        return cell % 8 == 0;
    case Direction::Baixo:
        return cell >= 57 && cell <= 64;
    case Direction::Esq:
        break;
    }
    return cell % 8 == 1;
}

bool Board::holds(int cell) const
{
    requireCell(cell);
    return items_[static_cast<std::size_t>(cell - 1)];
}

void Board::place(int cell)
{
    requireCell(cell);
    items_[static_cast<std::size_t>(cell - 1)] = true;
}

int Board::count() const
{
    int n = 0;
    for (const bool item : items_)
        n += item ? 1 : 0;
    return n;
}

std::vector<int> Board::cells() const
{
    std::vector<int> result;
    for (int cell = 1; cell <= kCells; ++cell) {
        if (holds(cell))
            result.push_back(cell);
    }
    return result;
}

Board Board::withItems(const std::vector<int>& cells)
{
    Board board;
    for (const int cell : cells)
        board.place(cell);
    return board;
}

std::string_view resultLetter(RayResult result)
{
    switch (result) {
    case RayResult::Hit:
        return "H";
    case RayResult::Reflection:
        return "R";
    case RayResult::Detour:
        break;
    }
    return "M";
}

Ray tracar(const Board& board, int entry, Direction direction)
{
    requireCell(entry);
    if (!onBorder(entry, direction == Direction::Baixo  ? Direction::Cima
                         : direction == Direction::Cima ? Direction::Baixo
                         : direction == Direction::Esq  ? Direction::Dir
                                                        : Direction::Esq))
        throw std::invalid_argument("a shot must enter at an edge cell facing inwards");

    if (board.holds(entry))
        return {RayResult::Hit, 0};
    if (besideEntryHoldsItem(board, entry, direction))
        return {RayResult::Reflection, 0};

    int n = entry;
    Direction d = direction;
    // There are 256 (cell, direction) states; a trace that outlived them all
    // would be going round in circles. The rules never produce one, but a
    // reflection is a safer answer than a hung window if that ever changed.
    for (int pass = 0; pass <= 4 * kCells; ++pass) {
        if (onBorder(n, d))
            return {RayResult::Detour, exitPosition(n, d)};
        const Heading h = heading(d);
        if (board.holds(n + h.step))
            return {RayResult::Hit, 0};
        if (!onBorder(n, h.side1) && !onBorder(n, h.side2) && board.holds(n + h.diagonalA) &&
            board.holds(n + h.diagonalB))
            return {RayResult::Reflection, 0};
        bool turned = false;
        if (!onBorder(n, h.guardA) && board.holds(n + h.diagonalA)) {
            d = h.turnA;
            turned = true;
        }
        if (!onBorder(n, h.guardB) && board.holds(n + h.diagonalB)) {
            d = h.turnB;
            turned = true;
        }
        if (!turned)
            n += h.step;
    }
    return {RayResult::Reflection, 0};
}

} // namespace probegrid

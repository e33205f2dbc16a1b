#include "probegrid/core/board.h"

#include "probegrid/core/ray_trace.h"

#include <stdexcept>

namespace probegrid {
namespace {

void requireCell(int cell)
{
    if (cell < 1 || cell > kCells)
        throw std::out_of_range("cell outside the board");
}

} // namespace

std::string_view directionName(Direction direction)
{
    switch (direction) {
    case Direction::Cima: return "CIMA";
    case Direction::Baixo: return "BAIXO";
    case Direction::Esq: return "ESQ";
    case Direction::Dir: break;
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
    case Direction::Cima: return cell;
    case Direction::Dir: return (cell + 64) / 8;
    case Direction::Baixo: return cell - 40;
    case Direction::Esq: break;
    }
    return (cell + 199) / 8;
}

bool onBorder(int cell, Direction direction)
{
    switch (direction) {
    case Direction::Cima: return cell >= 1 && cell <= 8;
    case Direction::Dir: return cell % 8 == 0;
    case Direction::Baixo: return cell >= 57 && cell <= 64;
    case Direction::Esq: break;
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
    case RayResult::Hit: return "H";
    case RayResult::Reflection: return "R";
    case RayResult::Detour: break;
    }
    return "M";
}

Ray tracar(const Board& board, int entry, Direction direction)
{
    requireCell(entry);
    const TraceStep step =
        traceRay([&board](int cell) { return board.holds(cell) ? 1 : 0; }, entry, direction);
    return step.ray;
}

} // namespace probegrid

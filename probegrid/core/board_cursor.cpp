#include "probegrid/core/board_cursor.h"

namespace probegrid {
namespace {

constexpr int kSide = 10;

bool isCorner(CursorSpot spot)
{
    const bool edgeRow = spot.row == 0 || spot.row == kSide - 1;
    const bool edgeColumn = spot.column == 0 || spot.column == kSide - 1;
    return edgeRow && edgeColumn;
}

} // namespace

CursorSpot moveCursor(CursorSpot spot, Direction direction)
{
    int rowStep = 0;
    int columnStep = 0;
    switch (direction) {
    case Direction::Cima: rowStep = -1; break;
    case Direction::Baixo: rowStep = 1; break;
    case Direction::Esq: columnStep = -1; break;
    case Direction::Dir: columnStep = 1; break;
    }
    do {
        spot.row = (spot.row + rowStep + kSide) % kSide;
        spot.column = (spot.column + columnStep + kSide) % kSide;
    } while (isCorner(spot));
    return spot;
}

int borderPositionAt(CursorSpot spot)
{
    if (isCorner(spot))
        return 0;
    if (spot.row == 0)
        return spot.column;
    if (spot.column == kSide - 1)
        return 8 + spot.row;
    if (spot.row == kSide - 1)
        return 16 + spot.column;
    if (spot.column == 0)
        return 24 + spot.row;
    return 0;
}

int cellAt(CursorSpot spot)
{
    if (spot.row < 1 || spot.row > 8 || spot.column < 1 || spot.column > 8)
        return 0;
    return (spot.row - 1) * 8 + spot.column;
}

CursorSpot spotOfBorder(int position)
{
    const int along = (position - 1) % 8 + 1;
    if (position <= 8)
        return {0, along};
    if (position <= 16)
        return {along, kSide - 1};
    if (position <= 24)
        return {kSide - 1, along};
    return {along, 0};
}

CursorSpot spotOfCell(int cell)
{
    return {(cell - 1) / 8 + 1, (cell - 1) % 8 + 1};
}

} // namespace probegrid

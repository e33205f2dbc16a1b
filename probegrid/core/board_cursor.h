#pragma once

#include "probegrid/core/board.h"

// The keyboard cursor: a spot on the 10 by 10 square made of the board and
// its border ring, never on one of the four corners (which belong to
// neither). Row and column 0 and 9 are the border.
namespace probegrid {

struct CursorSpot {
    int row = 0;
    int column = 1;

    friend bool operator==(const CursorSpot&, const CursorSpot&) = default;
};

// One step `direction` (Cima is up); past the ring the cursor comes round
// on the opposite side, and corners are stepped over.
CursorSpot moveCursor(CursorSpot spot, Direction direction);

// The border position (1..32) under the cursor, or 0 on a board cell.
int borderPositionAt(CursorSpot spot);
// The board cell (1..64) under the cursor, or 0 on the border.
int cellAt(CursorSpot spot);

// Where the cursor stands on that border position or cell.
CursorSpot spotOfBorder(int position);
CursorSpot spotOfCell(int cell);

} // namespace probegrid

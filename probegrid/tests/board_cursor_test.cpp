#include "probegrid/core/board_cursor.h"

#include <gtest/gtest.h>

#include <set>

namespace probegrid {
namespace {

TEST(BoardCursor, NamesEveryBorderPositionAndCellOnce)
{
    std::set<int> positions;
    std::set<int> cells;
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column) {
            const CursorSpot spot{row, column};
            const int position = borderPositionAt(spot);
            const int cell = cellAt(spot);
            EXPECT_FALSE(position != 0 && cell != 0);
            if (position != 0) {
                positions.insert(position);
                EXPECT_EQ(spotOfBorder(position), spot);
            }
            if (cell != 0) {
                cells.insert(cell);
                EXPECT_EQ(spotOfCell(cell), spot);
            }
        }
    }
    EXPECT_EQ(positions.size(), 32u);
    EXPECT_EQ(cells.size(), 64u);
    // The same numbering as the border table: 9 is the right side's top.
    EXPECT_EQ(spotOfBorder(9), (CursorSpot{1, 9}));
    EXPECT_EQ(spotOfBorder(32), (CursorSpot{8, 0}));
}

TEST(BoardCursor, WrapsFromBoardToBorderAndRoundAgain)
{
    CursorSpot spot = spotOfCell(8);
    spot = moveCursor(spot, Direction::Dir);
    EXPECT_EQ(borderPositionAt(spot), 9);
    spot = moveCursor(spot, Direction::Dir);
    EXPECT_EQ(borderPositionAt(spot), 25) << "round to the left side";
    spot = moveCursor(spot, Direction::Dir);
    EXPECT_EQ(cellAt(spot), 1);

    // Along a border row the corners are stepped over.
    EXPECT_EQ(borderPositionAt(moveCursor(spotOfBorder(8), Direction::Dir)), 1);
    EXPECT_EQ(borderPositionAt(moveCursor(spotOfBorder(1), Direction::Esq)), 8);
    EXPECT_EQ(borderPositionAt(moveCursor(spotOfBorder(9), Direction::Cima)), 16);
    // Every spot can be left in every direction and is never a corner.
    for (int position = 1; position <= 32; ++position) {
        for (const Direction d :
             {Direction::Cima, Direction::Baixo, Direction::Esq, Direction::Dir}) {
            const CursorSpot next = moveCursor(spotOfBorder(position), d);
            EXPECT_TRUE(borderPositionAt(next) != 0 || cellAt(next) != 0);
        }
    }
}

} // namespace
} // namespace probegrid

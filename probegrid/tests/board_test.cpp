#include "probegrid/core/board.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace probegrid {
namespace {

TEST(BorderTable, EntryCellsAndDirectionsOfEachSide)
{
    struct Case {
        int position;
        int cell;
        Direction direction;
    };
    for (const Case& c : {Case{1, 1, Direction::Baixo}, Case{8, 8, Direction::Baixo},
                          Case{9, 8, Direction::Esq}, Case{16, 64, Direction::Esq},
                          Case{17, 57, Direction::Cima}, Case{24, 64, Direction::Cima},
                          Case{25, 1, Direction::Dir}, Case{32, 57, Direction::Dir}}) {
        EXPECT_EQ(entryCell(c.position), c.cell) << "position " << c.position;
        EXPECT_EQ(shotDirection(c.position), c.direction) << "position " << c.position;
    }
    EXPECT_EQ(directionName(Direction::Cima), "CIMA");
    EXPECT_EQ(directionName(Direction::Baixo), "BAIXO");
    EXPECT_EQ(directionName(Direction::Esq), "ESQ");
    EXPECT_EQ(directionName(Direction::Dir), "DIR");
    EXPECT_THROW(entryCell(0), std::out_of_range);
    EXPECT_THROW(entryCell(33), std::out_of_range);
}

// On an empty board every ray runs straight across and leaves at the border
// cell facing its entry: top and bottom share a column, right and left a row.
TEST(BorderTable, ExitPositionFacesTheEntryAcrossTheBoard)
{
    for (int position = 1; position <= kBorderPositions; ++position) {
        const int across = position <= 16 ? position + 16 : position - 16;
        const Ray ray = tracar(Board{}, entryCell(position), shotDirection(position));
        EXPECT_EQ(ray.result, RayResult::Detour) << position;
        EXPECT_EQ(ray.exitPosition, across) << position;
    }
    EXPECT_EQ(exitPosition(1, Direction::Cima), 1);
    EXPECT_EQ(exitPosition(1, Direction::Esq), 25);
    EXPECT_EQ(exitPosition(64, Direction::Dir), 16);
    EXPECT_EQ(exitPosition(64, Direction::Baixo), 24);
    EXPECT_THROW(exitPosition(10, Direction::Cima), std::invalid_argument);
}

TEST(BorderTable, OnBorderFindsEachEdgeAndNothingElse)
{
    std::set<int> top, right, bottom, left;
    for (int cell = 1; cell <= kCells; ++cell) {
        if (onBorder(cell, Direction::Cima))
            top.insert(cell);
        if (onBorder(cell, Direction::Dir))
            right.insert(cell);
        if (onBorder(cell, Direction::Baixo))
            bottom.insert(cell);
        if (onBorder(cell, Direction::Esq))
            left.insert(cell);
    }
    EXPECT_EQ(top, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(right, (std::set<int>{8, 16, 24, 32, 40, 48, 56, 64}));
    EXPECT_EQ(bottom, (std::set<int>{57, 58, 59, 60, 61, 62, 63, 64}));
    EXPECT_EQ(left, (std::set<int>{1, 9, 17, 25, 33, 41, 49, 57}));
}

struct RayCase {
    std::vector<int> items;
    int position;
    RayResult result;
    int exit; // detours only
};

void PrintTo(const RayCase& c, std::ostream* out)
{
    *out << "shot " << c.position;
}

class RayCases : public ::testing::TestWithParam<RayCase> {};

TEST_P(RayCases, EndAsTheRulesSay)
{
    const RayCase& c = GetParam();
    const Board board = Board::withItems(c.items);
    const Ray ray = tracar(board, entryCell(c.position), shotDirection(c.position));
    EXPECT_EQ(resultLetter(ray.result), resultLetter(c.result));
    if (c.result == RayResult::Detour) {
        EXPECT_EQ(ray.exitPosition, c.exit);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Board, RayCases,
    ::testing::Values(
        // straight down column 1 past an item elsewhere
        RayCase{{64}, 1, RayResult::Detour, 17},
        // the item sits in the entry cell
        RayCase{{3}, 3, RayResult::Hit, 0},
        // the cell ahead of the entry cell
        RayCase{{9}, 1, RayResult::Hit, 0},
        // beside the entry cell along the top edge
        RayCase{{1}, 2, RayResult::Reflection, 0},
        // both diagonals ahead of the entry cell (the entry test looks only beside it)
        RayCase{{10, 12}, 3, RayResult::Reflection, 0},
        // turned right at cell 3, runs along the top row
        RayCase{{10}, 3, RayResult::Detour, 9},
        // turned left at cell 1 and out at once, and back the same way
        RayCase{{10}, 1, RayResult::Detour, 25}, RayCase{{10}, 25, RayResult::Detour, 1},
        // down to cell 12, turned right, out at the right of the second row
        RayCase{{19}, 4, RayResult::Detour, 10},
        // absorbed on the way down at cell 12
        RayCase{{20}, 4, RayResult::Hit, 0},
        // turned down at cell 64 and out at once
        RayCase{{55}, 16, RayResult::Detour, 24}, RayCase{{63}, 16, RayResult::Hit, 0},
        // a double deflection deep in the board
        RayCase{{35, 37}, 4, RayResult::Reflection, 0},
        // two turns: right at cell 20 (item at 27), then up at cell 22 (item at 31)
        RayCase{{27, 31}, 4, RayResult::Detour, 6},
        // an empty board lets every ray straight through
        RayCase{{}, 30, RayResult::Detour, 14}, RayCase{{}, 21, RayResult::Detour, 5}),
    [](const ::testing::TestParamInfo<RayCase>& param) {
        std::string name = "From" + std::to_string(param.param.position) + "Items";
        for (const int cell : param.param.items)
            name += "_" + std::to_string(cell);
        return name;
    });

// A detour never leaves at its own entry, and the ray fired back from its
// exit comes out at its entry: the two border cells carry one number.
TEST(RayProperty, DetoursAreReversibleOnRandomBoards)
{
    std::mt19937 generator(20260101u);
    std::uniform_int_distribution<int> countOf(1, 12);
    std::uniform_int_distribution<int> cellOf(1, kCells);
    int detours = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        Board board;
        const int count = trial < 2000 ? countOf(generator) : 20 + trial % 20;
        while (board.count() < count)
            board.place(cellOf(generator));
        for (int position = 1; position <= kBorderPositions; ++position) {
            const Ray ray = tracar(board, entryCell(position), shotDirection(position));
            if (ray.result != RayResult::Detour)
                continue;
            ++detours;
            ASSERT_NE(ray.exitPosition, position) << "trial " << trial;
            const Ray back =
                tracar(board, entryCell(ray.exitPosition), shotDirection(ray.exitPosition));
            ASSERT_EQ(back.result, RayResult::Detour) << "trial " << trial << " pos " << position;
            ASSERT_EQ(back.exitPosition, position) << "trial " << trial;
        }
    }
    EXPECT_GT(detours, 10000);
}

} // namespace
} // namespace probegrid

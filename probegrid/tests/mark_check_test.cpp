#include "probegrid/core/mark_check.h"

#include <gtest/gtest.h>

namespace probegrid {
namespace {

// The believed board (found items and "item here?" notes, never crossed
// cells) is judged by the rays, both ends of a detour alike; unfired cells
// stay unjudged.
TEST(MarkCheck, JudgesEachResultByTheBelievedBoard)
{
    Game game(Board::withItems({20, 64}), 2, 1);
    game.shoot(4); // hit at 20
    game.shoot(1); // straight down column 1: detour out at 17
    game.shoot(16); // hit at 64
    auto checks = checkMarks(game);
    EXPECT_EQ(checks[3], MarkCheck::Disagrees) << "nothing believed: the ray would pass";
    EXPECT_EQ(checks[0], MarkCheck::Agrees);
    EXPECT_EQ(checks[16], MarkCheck::Agrees) << "the exit of the detour";
    EXPECT_EQ(checks[15], MarkCheck::Disagrees);
    EXPECT_EQ(checks[1], MarkCheck::Unfired);

    game.markCell(20); // right: found
    game.cycleNote(9);
    game.cycleNote(9); // "item here?" on 9, wrongly: it stands in column 1's way
    checks = checkMarks(game);
    EXPECT_EQ(checks[3], MarkCheck::Agrees);
    EXPECT_EQ(checks[0], MarkCheck::Disagrees);
    EXPECT_EQ(checks[16], MarkCheck::Disagrees);
    EXPECT_EQ(believedBoard(game).cells(), (std::vector<int>{9, 20}));

    game.cycleNote(9); // back to no note
    game.markCell(63); // a wrong mark is no item
    checks = checkMarks(game);
    EXPECT_EQ(checks[0], MarkCheck::Agrees);
    EXPECT_EQ(checks[15], MarkCheck::Disagrees) << "63 is crossed, not believed";
}

} // namespace
} // namespace probegrid

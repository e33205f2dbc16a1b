#include "probegrid/core/game.h"
#include "probegrid/core/random_source.h"
#include "probegrid/core/start_entries.h"
#include "probegrid/tests/scripted_random.h"

#include <gtest/gtest.h>

#include <array>

namespace probegrid {
namespace {

TEST(GameShots, ScoreEachResultForTheCurrentPlayer)
{
    Game game(Board::withItems({9, 10, 12}), 3, 1);
    ASSERT_TRUE(game.shoot(1)); // cell 9 ahead: hit
    EXPECT_EQ(game.borderText(1), "H");
    ASSERT_TRUE(game.shoot(3)); // 10 and 12 diagonal ahead: reflection
    EXPECT_EQ(game.borderText(3), "R");
    const auto detour = game.shoot(24); // straight up column 8
    ASSERT_TRUE(detour);
    EXPECT_EQ(detour->result, RayResult::Detour);
    EXPECT_EQ(detour->exitPosition, 8);
    EXPECT_EQ(game.lastShotDirection(), Direction::Cima);

    const PlayerCounts& counts = game.counts(1);
    EXPECT_EQ(counts.points, 1 + 1 + 2);
    EXPECT_EQ(counts.hits, 1);
    EXPECT_EQ(counts.reflections, 1);
    EXPECT_EQ(counts.detours, 1);
    EXPECT_EQ(game.counts(2).points, 0);
}

TEST(GameShots, DetoursAreNumberedOnBothEndsAndUseUpBothCells)
{
    Game game(Board::withItems({64}), 1, 1);
    EXPECT_EQ(game.shoot(2)->detourNumber, 1);
    game.shoot(3); // position 3: straight down, the second detour
    EXPECT_EQ(game.borderText(3), "2");
    EXPECT_EQ(game.borderText(19), "2");
    game.shoot(16); // a hit does not use up a number
    const auto third = game.shoot(4);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->detourNumber, 3);
    EXPECT_EQ(game.borderText(4), "3");
    EXPECT_EQ(game.borderText(20), "3");
    EXPECT_EQ(game.detourCount(), 3);

    const PlayerCounts before = game.counts(1);
    EXPECT_FALSE(game.shoot(20)) << "the exit cell of a detour counts as used";
    EXPECT_FALSE(game.shoot(16)) << "a cell showing H cannot be fired again";
    EXPECT_EQ(game.counts(1).points, before.points);
}

// A puzzle's given shots show like fired ones and are numbered in turn with
// the players' own, but cost nobody anything.
TEST(GameShots, GivenShotsAreFreeAndDetourEndsKnowEachOther)
{
    Game game(Board::withItems({64}), 1, 1);
    EXPECT_EQ(game.giveShot(2)->detourNumber, 1);
    EXPECT_FALSE(game.giveShot(18)) << "the exit of a given detour is used up";
    EXPECT_EQ(game.shoot(3)->detourNumber, 2);
    EXPECT_EQ(game.counts(1).points, 2);
    EXPECT_EQ(game.counts(1).detours, 1);
    EXPECT_EQ(game.partnerPosition(18), 2);
    EXPECT_EQ(game.partnerPosition(3), 19);
    game.shoot(16);
    EXPECT_EQ(game.partnerPosition(16), 0) << "a hit has no other end";
    EXPECT_EQ(game.partnerPosition(5), 0);
    EXPECT_EQ(game.shots().size(), 3u);
}

TEST(GameMarks, CorrectWrongRepeatedAndFound)
{
    Game game(Board::withItems({5, 40}), 2, 1);
    EXPECT_TRUE(game.markCell(6));
    EXPECT_TRUE(game.markCell(6));
    EXPECT_EQ(game.counts(1).points, 10);
    EXPECT_TRUE(game.markCell(5));
    EXPECT_EQ(game.mark(5), CellMark::Found);
    EXPECT_EQ(game.counts(1).points, 10);
    EXPECT_TRUE(game.markCell(5));
    EXPECT_EQ(game.mark(5), CellMark::Found);
    EXPECT_EQ(game.counts(1).points, 15);
    EXPECT_FALSE(game.allFound());
    game.markCell(40);
    EXPECT_TRUE(game.allFound());
}

TEST(GameMarks, GivingUpRevealsEveryItemAndStopsPlay)
{
    Game game(Board::withItems({5, 40}), 2, 2);
    game.markCell(5);
    game.giveUp();
    EXPECT_TRUE(game.gameOver());
    EXPECT_EQ(game.mark(5), CellMark::Revealed);
    EXPECT_EQ(game.mark(40), CellMark::Revealed);
    EXPECT_EQ(game.mark(41), CellMark::Unmarked);
    EXPECT_FALSE(game.markCell(40));
    EXPECT_FALSE(game.shoot(1));
    EXPECT_FALSE(game.allFound());
    EXPECT_EQ(game.counts(1).points, 0);
}

// Notes are the player's own: they cost nothing, never count as found, and
// a mark on the cell clears them.
TEST(GameNotes, CycleCostNothingAndGoWithAMark)
{
    Game game(Board::withItems({5}), 1, 1);
    EXPECT_EQ(game.note(5), Note::None);
    EXPECT_TRUE(game.cycleNote(5));
    EXPECT_EQ(game.note(5), Note::NoItem);
    game.cycleNote(5);
    EXPECT_EQ(game.note(5), Note::MaybeItem);
    EXPECT_EQ(game.foundCount(), 0);
    EXPECT_FALSE(game.allFound());
    game.cycleNote(5);
    EXPECT_EQ(game.note(5), Note::None);
    game.cycleNote(6);
    game.cycleNote(5);
    EXPECT_EQ(game.counts(1).points, 0);
    EXPECT_EQ(game.currentPlayer(), 1);

    game.markCell(5);
    game.markCell(6);
    EXPECT_EQ(game.note(5), Note::None);
    EXPECT_EQ(game.note(6), Note::None);
    EXPECT_FALSE(game.cycleNote(5)) << "a found cell takes no note";
    game.giveUp();
    EXPECT_FALSE(game.cycleNote(7));
    EXPECT_EQ(game.note(7), Note::None);
}

TEST(GameMarks, WrongMarksOnEmptyCellsKeepACrossAndFoundCellsAreRemembered)
{
    Game game(Board::withItems({5, 9}), 2, 1);
    game.markCell(6);
    game.markCell(5);
    game.markCell(5); // wrong, but the cell holds an item
    EXPECT_TRUE(game.crossed(6));
    EXPECT_FALSE(game.crossed(5));
    EXPECT_TRUE(game.found(5));
    game.giveUp();
    EXPECT_EQ(game.mark(5), CellMark::Revealed);
    EXPECT_EQ(game.mark(9), CellMark::Revealed);
    EXPECT_TRUE(game.found(5)) << "found stays told apart after the reveal";
    EXPECT_FALSE(game.found(9));
    EXPECT_TRUE(game.crossed(6));

    const Evidence evidence = game.evidence(2, 2);
    EXPECT_EQ(evidence.itemCells, std::vector<int>{5});
    EXPECT_EQ(evidence.emptyCells, std::vector<int>{6});
}

TEST(GameTurns, TwoPlayersAlternateAndKeepTheirOwnCounts)
{
    Game single(Board::withItems({1}), 1, 1);
    EXPECT_FALSE(single.switchTurn());
    EXPECT_EQ(single.currentPlayer(), 1);
    Game unchosen(Board::withItems({1}), 1, 0);
    EXPECT_FALSE(unchosen.twoPlayers());

    Game game(Board::withItems({1}), 1, 2);
    game.markCell(30);
    EXPECT_TRUE(game.switchTurn());
    EXPECT_EQ(game.currentPlayer(), 2);
    game.shoot(17);
    EXPECT_EQ(game.counts(1).points, 5);
    EXPECT_EQ(game.counts(2).points, 1);
    EXPECT_EQ(game.outcome(), Outcome::Player2Wins);
    game.markCell(31);
    EXPECT_EQ(game.outcome(), Outcome::Player1Wins);
    game.switchTurn();
    game.shoot(25); // the item sits in the entry cell: a hit
    EXPECT_EQ(game.counts(1).points, 6);
    EXPECT_EQ(game.outcome(), Outcome::Tie);
    EXPECT_EQ(single.outcome(), Outcome::SinglePlayer);
}

TEST(GameCounts, StopAtTheTopInsteadOfWrapping)
{
    EXPECT_EQ(addClamped(32766, 1), 32767);
    EXPECT_EQ(addClamped(32765, 5), 32767);
    EXPECT_EQ(addClamped(32767, 2), 32767);
    Game game(Board::withItems({1}), 1, 1);
    for (int i = 0; i < 6600; ++i)
        game.markCell(64);
    EXPECT_EQ(game.counts(1).points, 32767);
}

TEST(RandomDraws, ItemCountIsDrawnAgainUntilFourToTwelve)
{
    testing::ScriptedRandom random;
    random.draws = {0.0, 0.19, 0.65, 0.999, 0.2};
    EXPECT_EQ(drawItemCount(random), 4);
    EXPECT_TRUE(random.draws.empty());
    random.draws = {0.64};
    EXPECT_EQ(drawItemCount(random), 12);
}

TEST(RandomDraws, HidingDrawsAgainOnAnOccupiedCell)
{
    testing::ScriptedRandom random;
    random.queueCells({7, 7, 64, 7, 1});
    const Board board = hideItems(random, 3);
    EXPECT_EQ(board.cells(), (std::vector<int>{1, 7, 64}));
    EXPECT_TRUE(random.draws.empty());
    EXPECT_EQ(hideItems(random, 0).count(), 0);
}

// Every cell should be chosen about equally often: a chi-square over 64 cells
// (63 degrees of freedom) stays far below 120 for a fair draw.
TEST(RandomDraws, EveryCellIsEquallyLikely)
{
    testing::ScriptedRandom random; // its fixed fallback generator
    std::array<int, 64> times{};
    constexpr int kBoards = 20000;
    constexpr int kItems = 4;
    for (int game = 0; game < kBoards; ++game) {
        const Board board = hideItems(random, kItems);
        ASSERT_EQ(board.count(), kItems);
        for (const int cell : board.cells())
            ++times[static_cast<std::size_t>(cell - 1)];
    }
    const double expected = kBoards * kItems / 64.0;
    double chiSquare = 0;
    for (const int n : times)
        chiSquare += (n - expected) * (n - expected) / expected;
    EXPECT_LT(chiSquare, 120.0);
}

TEST(StartEntries, RefuseMissingNamesAndCountsOutsideOneToTwelve)
{
    EXPECT_EQ(acceptStartEntries("Ana", "", false, "12"), 12);
    EXPECT_EQ(acceptStartEntries("Ana", "", false, "1"), 1);
    EXPECT_EQ(acceptStartEntries("Ana", "", false, "1.5"), 2);
    EXPECT_EQ(acceptStartEntries("Ana", "", false, "2.5"), 2);
    EXPECT_EQ(acceptStartEntries("Ana", "", false, " 4 "), 4);
    EXPECT_EQ(acceptStartEntries("Ana", "Bia", true, "4"), 4);
    for (const char* items : {"13", "0", "0.5", "12.5", "-3", "", "abc", "4x", "1,5"})
        EXPECT_FALSE(acceptStartEntries("Ana", "", false, items)) << items;
    EXPECT_FALSE(acceptStartEntries("", "Bia", false, "4"));
    EXPECT_FALSE(acceptStartEntries("Ana", "", true, "4"));
}

} // namespace
} // namespace probegrid

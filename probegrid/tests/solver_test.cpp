#include "probegrid/core/game.h"
#include "probegrid/core/solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace probegrid {
namespace {

using std::chrono::milliseconds;

// A game on `board` after shots from these positions (used ones skipped, as
// the window skips them) and these marks.
Game playedGame(const Board& board, const std::vector<int>& positions,
                const std::vector<int>& marks = {})
{
    Game game(board, board.count(), 1);
    for (const int position : positions)
        game.shoot(position);
    for (const int cell : marks)
        game.markCell(cell);
    return game;
}

Board randomBoard(std::mt19937& random, int items)
{
    std::vector<int> cells(kCells);
    for (int i = 0; i < kCells; ++i)
        cells[static_cast<std::size_t>(i)] = i + 1;
    std::shuffle(cells.begin(), cells.end(), random);
    cells.resize(static_cast<std::size_t>(items));
    return Board::withItems(cells);
}

// Whether `board` shows every result and agrees with every mark.
bool reproduces(const Board& board, const Evidence& evidence)
{
    for (const RayEvidence& ray : evidence.rays) {
        const Ray traced = tracar(board, entryCell(ray.position), shotDirection(ray.position));
        if (traced.result != ray.result)
            return false;
        if (ray.result == RayResult::Detour && traced.exitPosition != ray.exitPosition)
            return false;
    }
    for (const int cell : evidence.itemCells) {
        if (!board.holds(cell))
            return false;
    }
    for (const int cell : evidence.emptyCells) {
        if (board.holds(cell))
            return false;
    }
    return board.count() >= evidence.minItems && board.count() <= evidence.maxItems;
}

std::vector<int> cellsOf(const Board& board)
{
    return board.cells();
}

// Checks the analysis against the boards the solver lists and against the
// real board; returns how many boards were listed (0 when too many to list).
std::uint64_t checkSound(const Board& real, const Evidence& evidence, const Analysis& analysis)
{
    EXPECT_TRUE(analysis.finished);
    EXPECT_GE(analysis.boards, 1u) << "the real board is always consistent";
    for (int cell = 1; cell <= kCells; ++cell) {
        const CellVerdict verdict = analysis.cells[static_cast<std::size_t>(cell - 1)];
        if (verdict == CellVerdict::Item) {
            EXPECT_TRUE(real.holds(cell)) << "cell " << cell;
        } else if (verdict == CellVerdict::Empty) {
            EXPECT_FALSE(real.holds(cell)) << "cell " << cell;
        }
    }
    if (analysis.boards > 3000)
        return 0;

    std::set<std::vector<int>> seen;
    bool realSeen = false;
    std::array<std::uint64_t, kCells> itemBoards{};
    forEachConsistentBoard(evidence, [&](const Board& board) {
        EXPECT_TRUE(reproduces(board, evidence));
        EXPECT_TRUE(seen.insert(cellsOf(board)).second) << "a board listed twice";
        realSeen = realSeen || cellsOf(board) == cellsOf(real);
        for (const int cell : board.cells())
            ++itemBoards[static_cast<std::size_t>(cell - 1)];
        return true;
    });
    EXPECT_TRUE(realSeen);
    EXPECT_EQ(seen.size(), analysis.boards);
    EXPECT_EQ(itemBoards, analysis.itemBoards);
    return seen.size();
}

TEST(Solver, RandomGamesAreAnalysedSoundly)
{
    std::mt19937 random(20261207u);
    int listed = 0;
    int unique = 0;
    for (int round = 0; round < 144; ++round) {
        const int items = 1 + round % 12;
        const Board real = randomBoard(random, items);
        std::uniform_int_distribution<int> position(1, kBorderPositions);
        std::uniform_int_distribution<int> cell(1, kCells);
        const int shotCount = std::uniform_int_distribution<int>(0, 40)(random);
        std::vector<int> shots(static_cast<std::size_t>(shotCount));
        for (int& shot : shots)
            shot = position(random);
        std::vector<int> marks(static_cast<std::size_t>(random() % 4));
        for (int& mark : marks)
            mark = cell(random);
        const Game game = playedGame(real, shots, marks);

        // Half the games with the count known, half with only its range.
        const bool countKnown = round % 2 == 0;
        const Evidence evidence = game.evidence(countKnown ? items : 1, countKnown ? items : 12);
        SCOPED_TRACE("round " + std::to_string(round));
        const Analysis analysis = analyse(evidence, milliseconds(60000));
        const std::uint64_t boards = checkSound(real, evidence, analysis);
        listed += boards > 0 ? 1 : 0;
        if (boards == 1) {
            ++unique;
            for (int c = 1; c <= kCells; ++c)
                EXPECT_EQ(analysis.cells[static_cast<std::size_t>(c - 1)],
                          real.holds(c) ? CellVerdict::Item : CellVerdict::Empty);
        }
    }
    // The rounds must reach the cases worth checking.
    EXPECT_GT(listed, 40);
    EXPECT_GT(unique, 10);
}

// Every board of one or two items, tried against the rules directly: the
// solver must miss none of the consistent ones.
TEST(Solver, CountsMatchTryingEveryBoardOfFewItems)
{
    std::mt19937 random(77u);
    for (int round = 0; round < 12; ++round) {
        const int items = 1 + round % 2;
        const Board real = randomBoard(random, items);
        std::vector<int> shots(static_cast<std::size_t>(2 + round));
        for (int& shot : shots)
            shot = std::uniform_int_distribution<int>(1, kBorderPositions)(random);
        const Evidence evidence = playedGame(real, shots).evidence(items, items);

        std::uint64_t expected = 0;
        std::array<std::uint64_t, kCells> itemBoards{};
        const auto tryBoard = [&](const Board& board) {
            if (!reproduces(board, evidence))
                return;
            ++expected;
            for (const int cell : board.cells())
                ++itemBoards[static_cast<std::size_t>(cell - 1)];
        };
        for (int a = 1; a <= kCells; ++a) {
            if (items == 1)
                tryBoard(Board::withItems({a}));
            for (int b = a + 1; items == 2 && b <= kCells; ++b)
                tryBoard(Board::withItems({a, b}));
        }
        const Analysis analysis = analyse(evidence);
        SCOPED_TRACE("round " + std::to_string(round));
        EXPECT_TRUE(analysis.finished);
        EXPECT_EQ(analysis.boards, expected);
        EXPECT_EQ(analysis.itemBoards, itemBoards);
    }
}

TEST(Solver, ABoardFixedByItsRaysIsTheOnlyOne)
{
    std::vector<int> everyPosition;
    for (int p = 1; p <= kBorderPositions; ++p)
        everyPosition.push_back(p);
    const Board real = Board::withItems({28});
    const Analysis analysis = analyse(playedGame(real, everyPosition).evidence(1, 1));
    ASSERT_TRUE(analysis.finished);
    EXPECT_EQ(analysis.boards, 1u);
    for (int cell = 1; cell <= kCells; ++cell)
        EXPECT_EQ(analysis.cells[static_cast<std::size_t>(cell - 1)],
                  cell == 28 ? CellVerdict::Item : CellVerdict::Empty);
}

TEST(Solver, WithoutEvidenceEveryBoardCountsAndNoCellIsDecided)
{
    Evidence evidence;
    evidence.minItems = 4;
    evidence.maxItems = 4;
    const Analysis four = analyse(evidence);
    EXPECT_TRUE(four.finished);
    EXPECT_EQ(four.boards, 635376u); // 64 choose 4
    EXPECT_TRUE(four.many());
    EXPECT_EQ(std::count(four.cells.begin(), four.cells.end(), CellVerdict::Open), kCells);

    evidence.minItems = 1;
    evidence.maxItems = 12;
    EXPECT_EQ(analyse(evidence).boards, 4211954943768u) << "64 choose 1 + ... + 64 choose 12";
}

// Out of time the solver says so, and claims nothing about any cell.
TEST(Solver, AnAnalysisOutOfTimeSaysSoInsteadOfGuessing)
{
    std::mt19937 random(5u);
    for (int attempt = 0; attempt < 50; ++attempt) {
        const Board real = randomBoard(random, 12);
        std::vector<int> shots(10);
        for (int& shot : shots)
            shot = std::uniform_int_distribution<int>(1, kBorderPositions)(random);
        const Evidence evidence = playedGame(real, shots).evidence(1, 12);
        if (analyse(evidence).steps < 100000)
            continue;
        const Analysis cut = analyse(evidence, milliseconds(0));
        EXPECT_FALSE(cut.finished);
        EXPECT_EQ(cut.boards, 0u);
        EXPECT_EQ(std::count(cut.cells.begin(), cut.cells.end(), CellVerdict::Open), kCells);
        return;
    }
    FAIL() << "no game long enough to run out of time";
}

TEST(Solver, MarksAloneDecideTheirCells)
{
    const Board real = Board::withItems({10, 20});
    const Game game = playedGame(real, {}, {10, 11});
    const Analysis analysis = analyse(game.evidence(2, 2));
    EXPECT_EQ(analysis.boards, 62u) << "item at 10, the other in any of 62 cells";
    EXPECT_EQ(analysis.cells[9], CellVerdict::Item);
    EXPECT_EQ(analysis.cells[10], CellVerdict::Empty);
    EXPECT_EQ(analysis.cells[19], CellVerdict::Open);

    // With only the found item left to place, every other cell is empty.
    const Analysis one = analyse(playedGame(Board::withItems({10}), {}, {10}).evidence(1, 1));
    EXPECT_EQ(one.boards, 1u);
    EXPECT_EQ(one.cells[0], CellVerdict::Empty);
}

TEST(Solver, EvidenceNoBoardCanShowFindsNone)
{
    Evidence evidence;
    evidence.minItems = 1;
    evidence.maxItems = 1;
    evidence.rays = {{1, RayResult::Detour, 17}, {2, RayResult::Detour, 18}};
    evidence.itemCells = {9}; // would stop the first ray
    EXPECT_EQ(analyse(evidence).boards, 0u);
    evidence.itemCells = {};
    evidence.emptyCells = {5};
    evidence.itemCells = {5};
    EXPECT_EQ(analyse(evidence).boards, 0u);
}

} // namespace
} // namespace probegrid

#include "probegrid/core/daily.h"
#include "probegrid/core/daily_best.h"
#include "probegrid/core/solver.h"

#include "common/core/file_io.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace probegrid {
namespace {

namespace fs = std::filesystem;

Evidence givenEvidence(const DailyPuzzle& puzzle)
{
    const Game game = dailyGame(puzzle, 1);
    return game.evidence(puzzle.board.count(), puzzle.board.count());
}

// How many boards of `items` items give every result of `evidence`, trying
// them all; stops counting at 2.
int fittingBoards(const Evidence& evidence, int items)
{
    int found = 0;
    std::vector<int> cells;
    std::function<void(int)> next = [&](int from) {
        if (found > 1)
            return;
        if (static_cast<int>(cells.size()) == items) {
            const Board board = Board::withItems(cells);
            for (const RayEvidence& ray : evidence.rays) {
                const Ray traced =
                    tracar(board, entryCell(ray.position), shotDirection(ray.position));
                if (traced.result != ray.result || traced.exitPosition != ray.exitPosition)
                    return;
            }
            ++found;
            return;
        }
        for (int cell = from; cell <= kCells - (items - static_cast<int>(cells.size())) + 1;
             ++cell) {
            cells.push_back(cell);
            next(cell + 1);
            cells.pop_back();
        }
    };
    next(1);
    return found;
}

// Sixty days in a row, across a month's and a year's end: each puzzle's given
// shots leave exactly one layout of its items, the hidden one (tried board by
// board where the count is small enough), and asking again gives the same.
TEST(Daily, SixtyDaysEachWithExactlyOneFittingLayout)
{
    Date date{2026, 12, 1};
    int bruteForced = 0;
    for (int day = 0; day < 60; ++day, date = nextDay(date)) {
        const DailyPuzzle puzzle = dailyPuzzle(date);
        SCOPED_TRACE(dateText(date));
        EXPECT_EQ(puzzle.date, date);
        EXPECT_GE(puzzle.board.count(), 4);
        EXPECT_LE(puzzle.board.count(), 6);
        EXPECT_FALSE(puzzle.givenShots.empty());
        const Evidence evidence = givenEvidence(puzzle);
        EXPECT_EQ(evidence.rays.size(), puzzle.givenShots.size()) << "every given shot is fired";
        const Analysis analysis = analyse(evidence, std::chrono::hours(1));
        ASSERT_TRUE(analysis.finished);
        EXPECT_EQ(analysis.boards, 1u);
        for (const int cell : puzzle.board.cells())
            EXPECT_EQ(analysis.cells[static_cast<std::size_t>(cell - 1)], CellVerdict::Item);
        if (puzzle.board.count() == 4) {
            EXPECT_EQ(fittingBoards(evidence, 4), 1);
            ++bruteForced;
        }
        if (day % 10 == 0) {
            const DailyPuzzle again = dailyPuzzle(date);
            EXPECT_EQ(again.board.cells(), puzzle.board.cells());
            EXPECT_EQ(again.givenShots, puzzle.givenShots);
        }
    }
    EXPECT_GT(bruteForced, 5);
    EXPECT_EQ(date, (Date{2027, 1, 30}));
}

// The puzzle of a date is fixed for good, whatever machine builds it: a
// change to the generator would hand players a different puzzle on the same
// day, so one is pinned here.
TEST(Daily, ADateGivesTheSamePuzzleOnEveryBuild)
{
    const DailyPuzzle puzzle = dailyPuzzle({2026, 12, 8});
    EXPECT_EQ(puzzle.board.cells(), (std::vector<int>{7, 23, 39, 44, 64}));
    EXPECT_EQ(puzzle.givenShots, (std::vector<int>{4, 5, 8, 13, 14, 17, 26, 29, 32}));
    EXPECT_NE(dailyPuzzle({2026, 12, 9}).board.cells(), puzzle.board.cells());
}

TEST(Daily, DatesAreRealCalendarDaysWrittenInFull)
{
    EXPECT_EQ(parseDate("2024-02-29"), (Date{2024, 2, 29}));
    EXPECT_EQ(parseDate("2000-02-29"), (Date{2000, 2, 29}));
    for (const char* bad :
         {"2023-02-29", "1900-02-29", "2026-13-01", "2026-04-31", "2026-00-10", "0000-01-01",
          "2026-1-01", "2026/01/01", "2026-01-01x", "", "+026-01-01", "2026-01- 1"})
        EXPECT_FALSE(parseDate(bad)) << bad;
    EXPECT_EQ(dateText({987, 3, 4}), "0987-03-04");
    EXPECT_EQ(nextDay({2024, 2, 28}), (Date{2024, 2, 29}));
    EXPECT_EQ(nextDay({2026, 12, 31}), (Date{2027, 1, 1}));
}

class DailyBestFile : public ::testing::Test {
protected:
    fs::path dir_ = fs::temp_directory_path() /
                    (std::string("probegrid_daily_") +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::path file_ = dir_ / kDailyBestFileName;

    void SetUp() override
    {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
};

TEST_F(DailyBestFile, EachDayKeepsItsOwnLineAndOtherLinesStay)
{
    const Date day{2026, 12, 8};
    EXPECT_FALSE(readDailyBest(file_, day));
    ASSERT_TRUE(writeDailyBest(file_, day, 95));
    EXPECT_EQ(readDailyBest(file_, day), 95);
    EXPECT_FALSE(readDailyBest(file_, nextDay(day)));

    {
        std::ofstream out(file_, std::ios::app | std::ios::binary);
        out << "a line of someone else's\r\n2026-12-09 40\r\n";
    }
    EXPECT_EQ(readDailyBest(file_, nextDay(day)), 40) << "Windows line ends read too";
    ASSERT_TRUE(writeDailyBest(file_, day, 61));
    EXPECT_EQ(fileio::readAll(file_),
              "2026-12-08 61\na line of someone else's\r\n2026-12-09 40\r\n");
}

TEST_F(DailyBestFile, AFileTooLargeToBeOursIsLeftAlone)
{
    {
        std::ofstream out(file_, std::ios::binary);
        out << std::string(kDailyBestLimit + 1, 'x');
    }
    std::string error;
    EXPECT_FALSE(writeDailyBest(file_, {2026, 12, 8}, 10, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(fs::file_size(file_), kDailyBestLimit + 1);
    EXPECT_FALSE(readDailyBest(file_, {2026, 12, 8}));
}

} // namespace
} // namespace probegrid

#include "probegrid/core/hint.h"

#include "probegrid/core/game.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

namespace probegrid {
namespace {

bool fits(const Board& board, const Evidence& evidence)
{
    for (const RayEvidence& ray : evidence.rays) {
        const Ray traced = tracar(board, entryCell(ray.position), shotDirection(ray.position));
        if (traced.result != ray.result ||
            (ray.result == RayResult::Detour && traced.exitPosition != ray.exitPosition))
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
    return true;
}

// Every board of `items` items, as cell lists in order.
void everyBoard(int items, int from, std::vector<int>& cells,
                const std::function<void(const Board&)>& visit)
{
    if (static_cast<int>(cells.size()) == items) {
        visit(Board::withItems(cells));
        return;
    }
    for (int cell = from; cell <= kCells; ++cell) {
        cells.push_back(cell);
        everyBoard(items, cell + 1, cells, visit);
        cells.pop_back();
    }
}

// The split of every fitting board by each free shot's result, found by
// trying every board with the evidence's item counts.
std::map<int, std::array<std::uint64_t, kShotOutcomes>> bruteSplits(const Evidence& evidence,
                                                                    const Hint& hint)
{
    std::map<int, std::array<std::uint64_t, kShotOutcomes>> splits;
    for (const ShotValue& shot : hint.ranking)
        splits[shot.position] = {};
    for (int items = evidence.minItems; items <= evidence.maxItems; ++items) {
        std::vector<int> cells;
        everyBoard(items, 1, cells, [&](const Board& board) {
            if (!fits(board, evidence))
                return;
            for (auto& [position, split] : splits) {
                const Ray ray = tracar(board, entryCell(position), shotDirection(position));
                ++split[outcomeIndex(ray.result, ray.exitPosition)];
            }
        });
    }
    return splits;
}

// Small boards, random shots and marks: every free shot's split of the
// consistent boards is exactly the one found by trying every board, no fired
// cell (nor a detour's exit) is ranked, and the best shot comes first.
TEST(Hint, SplitsMatchTryingEveryBoard)
{
    std::mt19937 random(20261208u);
    std::uniform_int_distribution<int> cellOf(1, kCells);
    std::uniform_int_distribution<int> positionOf(1, kBorderPositions);
    struct Size {
        int items;
        int minItems;
        int maxItems;
        int shots;
    };
    int compared = 0;
    for (const Size size : {Size{1, 1, 1, 2}, Size{2, 2, 2, 3}, Size{2, 1, 3, 5}, Size{3, 3, 3, 6},
                            Size{2, 2, 2, 0}}) {
        for (int trial = 0; trial < 3; ++trial) {
            Board board;
            while (board.count() < size.items)
                board.place(cellOf(random));
            Game game(board, size.items, 1);
            for (int i = 0; i < size.shots; ++i)
                game.shoot(positionOf(random));
            if (trial == 2)
                game.markCell(cellOf(random)); // found or crossed
            Evidence evidence = game.evidence(size.minItems, size.maxItems);

            const Hint hint = rankShots(evidence, std::chrono::hours(1));
            ASSERT_TRUE(hint.finished);
            const auto splits = bruteSplits(evidence, hint);
            std::uint64_t boards = 0;
            for (int position = 1; position <= kBorderPositions; ++position) {
                const bool used = !game.borderText(position).empty();
                EXPECT_EQ(splits.count(position) == 1, !used) << "position " << position;
            }
            for (std::size_t i = 0; i < hint.ranking.size(); ++i) {
                const ShotValue& shot = hint.ranking[i];
                EXPECT_EQ(shot.outcomeBoards, splits.at(shot.position)) << "shot " << shot.position;
                boards = 0;
                for (const std::uint64_t count : shot.outcomeBoards)
                    boards += count;
                EXPECT_EQ(boards, hint.boards);
                if (i > 0) {
                    EXPECT_LE(shot.bits, hint.ranking[i - 1].bits);
                }
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 300);
}

TEST(Hint, ExpectedInformationOfASplit)
{
    std::array<std::uint64_t, kShotOutcomes> split{};
    split[0] = 8;
    EXPECT_DOUBLE_EQ(splitBits(split), 0.0) << "one group tells nothing";
    split[1] = 8;
    EXPECT_DOUBLE_EQ(splitBits(split), 1.0);
    split[5] = 8;
    split[6] = 8;
    EXPECT_DOUBLE_EQ(splitBits(split), 2.0);
    split[6] = 0;
    split[0] = 16; // halves: one bit, then a quarter each: half a bit more
    EXPECT_DOUBLE_EQ(splitBits(split), 1.5);
}

TEST(Hint, RunsOutOfTimeWithoutRankingAnything)
{
    Evidence evidence;
    evidence.rays.push_back({1, RayResult::Detour, 17});
    const Hint hint = rankShots(evidence, std::chrono::milliseconds(0));
    EXPECT_FALSE(hint.finished);
    EXPECT_TRUE(hint.ranking.empty());
}

} // namespace
} // namespace probegrid

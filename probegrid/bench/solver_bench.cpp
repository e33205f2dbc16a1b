// Time to analyse a game, and to rank its free shots for "Dica", after 8,
// 16 and 32 shots on boards of 4 and 8 items, the item count known. Each
// benchmark cycles through the same 16 games (fixed random streams), so runs
// compare; "worst_ms" is the slowest single run seen and "unfinished" how
// many of the 16 ran out of time. Last, the time to build and prove the
// puzzles of 16 days in a row.
#include "probegrid/core/daily.h"
#include "probegrid/core/game.h"
#include "probegrid/core/hint.h"
#include "probegrid/core/solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

namespace {

using namespace probegrid;

constexpr int kGames = 16;

// A game on a random board after up to `shots` shots at random free border
// positions (detours use up two positions, so a board may run out first).
Evidence playedEvidence(int items, int shots, unsigned stream)
{
    std::mt19937 random(stream);
    std::vector<int> cells(kCells);
    for (int i = 0; i < kCells; ++i)
        cells[static_cast<std::size_t>(i)] = i + 1;
    std::shuffle(cells.begin(), cells.end(), random);
    cells.resize(static_cast<std::size_t>(items));
    Game game(Board::withItems(cells), items, 1);

    std::vector<int> positions(kBorderPositions);
    for (int i = 0; i < kBorderPositions; ++i)
        positions[static_cast<std::size_t>(i)] = i + 1;
    std::shuffle(positions.begin(), positions.end(), random);
    int fired = 0;
    for (const int position : positions) {
        if (fired == shots)
            break;
        if (game.shoot(position))
            ++fired;
    }
    return game.evidence(items, items);
}

// Runs `solve` over the 16 games of the benchmark's arguments, one a pass;
// `solve` answers whether it finished in time.
template <typename Solve>
void timeGames(benchmark::State& state, Solve solve)
{
    const int items = static_cast<int>(state.range(0));
    const int shots = static_cast<int>(state.range(1));
    std::vector<Evidence> games;
    for (int g = 0; g < kGames; ++g)
        games.push_back(playedEvidence(
            items, shots, 1000u * static_cast<unsigned>(items) + static_cast<unsigned>(g)));
    double worst = 0;
    int unfinished = 0;
    std::size_t next = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const bool finished = solve(games[next]);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        worst = std::max(worst, ms);
        if (!finished)
            ++unfinished;
        next = (next + 1) % games.size();
    }
    state.counters["worst_ms"] = worst;
    state.counters["unfinished"] = std::min(unfinished, kGames);
}

void BM_Analyse(benchmark::State& state)
{
    timeGames(state, [](const Evidence& evidence) {
        const Analysis analysis = analyse(evidence);
        benchmark::DoNotOptimize(analysis.boards);
        return analysis.finished;
    });
}

void BM_Hint(benchmark::State& state)
{
    timeGames(state, [](const Evidence& evidence) {
        const Hint hint = rankShots(evidence);
        benchmark::DoNotOptimize(hint.boards);
        return hint.finished;
    });
}

void BM_DailyPuzzle(benchmark::State& state)
{
    Date date{2026, 12, 1};
    double worst = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const DailyPuzzle puzzle = dailyPuzzle(date);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        benchmark::DoNotOptimize(puzzle.givenShots.data());
        worst = std::max(worst, ms);
        date = nextDay(date);
    }
    state.counters["worst_ms"] = worst;
}

BENCHMARK(BM_Analyse)
    ->ArgNames({"items", "shots"})
    ->ArgsProduct({{4, 8}, {8, 16, 32}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(kGames);

BENCHMARK(BM_Hint)
    ->ArgNames({"items", "shots"})
    ->ArgsProduct({{4, 8}, {8, 16, 32}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(kGames);

BENCHMARK(BM_DailyPuzzle)->Unit(benchmark::kMillisecond)->Iterations(kGames);

} // namespace

BENCHMARK_MAIN();

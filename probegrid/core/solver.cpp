#include "probegrid/core/solver.h"

#include "probegrid/core/consistent_search.h"

namespace probegrid {
using search::binomials;
using search::Binomials;
using search::Clock;
using search::kUnknown;
using search::Search;

Analysis analyse(const Evidence& evidence, std::chrono::milliseconds budget)
{
    const Binomials& choose = binomials();
    // Only the leaf's own weights are added here; which cells they fall on
    // is gathered on the way back up, so a leaf costs no pass over the board.
    const auto leaf = [&](const std::array<signed char, kCells>&, int placed, int open,
                          Search::Totals& totals) {
        for (int items = evidence.minItems; items <= evidence.maxItems; ++items) {
            totals.boards += choose(open, items - placed);
            totals.withOpenItem += choose(open - 1, items - placed - 1);
        }
        return true;
    };
    Search search(evidence, Clock::now() + budget, leaf);
    Analysis analysis;
    analysis.finished = search.run();
    analysis.steps = search.nodes();
    // Half a search proves nothing about any cell.
    if (!analysis.finished)
        return analysis;
    const Search::Totals& totals = search.totals();
    analysis.boards = totals.boards;
    for (std::size_t i = 0; i < analysis.cells.size(); ++i)
        analysis.itemBoards[i] =
            search.itemWhereFixed()[i] + totals.withOpenItem - search.openWeightWhereFixed()[i];
    // Cells the marks decide were never open.
    for (const int cell : evidence.itemCells) {
        if (cell >= 1 && cell <= kCells)
            analysis.itemBoards[static_cast<std::size_t>(cell - 1)] = totals.boards;
    }
    for (const int cell : evidence.emptyCells) {
        if (cell >= 1 && cell <= kCells)
            analysis.itemBoards[static_cast<std::size_t>(cell - 1)] = 0;
    }
    for (std::size_t i = 0; i < analysis.cells.size(); ++i) {
        if (analysis.boards == 0)
            analysis.cells[i] = CellVerdict::Open;
        else if (analysis.itemBoards[i] == analysis.boards)
            analysis.cells[i] = CellVerdict::Item;
        else if (analysis.itemBoards[i] == 0)
            analysis.cells[i] = CellVerdict::Empty;
        else
            analysis.cells[i] = CellVerdict::Open;
    }
    return analysis;
}

bool forEachConsistentBoard(const Evidence& evidence,
                            const std::function<bool(const Board&)>& visit)
{
    const auto leaf = [&](const std::array<signed char, kCells>& cells, int placed, int,
                          Search::Totals&) {
        Board fixedPart;
        std::vector<int> open;
        for (int cell = 1; cell <= kCells; ++cell) {
            const signed char value = cells[static_cast<std::size_t>(cell - 1)];
            if (value == 1)
                fixedPart.place(cell);
            else if (value == kUnknown)
                open.push_back(cell);
        }
        const int openCount = static_cast<int>(open.size());
        for (int items = evidence.minItems; items <= evidence.maxItems; ++items) {
            const int extra = items - placed;
            if (extra < 0 || extra > openCount)
                continue;
            // Every choice of `extra` open cells, in order.
            std::vector<int> pick(static_cast<std::size_t>(extra));
            for (int i = 0; i < extra; ++i)
                pick[static_cast<std::size_t>(i)] = i;
            while (true) {
                Board board = fixedPart;
                for (const int index : pick)
                    board.place(open[static_cast<std::size_t>(index)]);
                if (!visit(board))
                    return false;
                int i = extra - 1;
                while (i >= 0 && pick[static_cast<std::size_t>(i)] == openCount - extra + i)
                    --i;
                if (i < 0)
                    break;
                ++pick[static_cast<std::size_t>(i)];
                for (int j = i + 1; j < extra; ++j)
                    pick[static_cast<std::size_t>(j)] = pick[static_cast<std::size_t>(j - 1)] + 1;
            }
        }
        return true;
    };
    Search search(evidence, Clock::time_point::max(), leaf);
    return search.run();
}

} // namespace probegrid

// Builds a board and a game from arbitrary bytes and checks the solver's
// answer against the real board: the real board is counted, and no cell is
// decided against it. Bytes: item count, then cells, then shot positions and
// marks (a byte with the top bit set marks a cell instead of shooting).
#include "probegrid/core/game.h"
#include "probegrid/core/solver.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using namespace probegrid;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int items = 1 + data[0] % 12;
    std::size_t at = 1;
    Board board;
    while (board.count() < items && at < size)
        board.place(1 + data[at++] % kCells);
    if (board.count() < items)
        return 0;
    Game game(board, items, 1);
    for (; at < size; ++at) {
        if ((data[at] & 0x80) != 0)
            game.markCell(1 + (data[at] & 0x7F) % kCells);
        else
            game.shoot(1 + data[at] % kBorderPositions);
    }
    const bool countKnown = (data[0] & 0x80) == 0;
    const Evidence evidence = game.evidence(countKnown ? items : 1, countKnown ? items : 12);
    const Analysis analysis = analyse(evidence, std::chrono::milliseconds(300));
    if (!analysis.finished)
        return 0;
    check(analysis.boards >= 1);
    for (int cell = 1; cell <= kCells; ++cell) {
        const CellVerdict verdict = analysis.cells[static_cast<std::size_t>(cell - 1)];
        check(verdict != CellVerdict::Item || board.holds(cell));
        check(verdict != CellVerdict::Empty || !board.holds(cell));
        check(analysis.itemBoards[static_cast<std::size_t>(cell - 1)] <= analysis.boards);
    }
    return 0;
}

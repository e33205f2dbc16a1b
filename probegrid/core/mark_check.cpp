#include "probegrid/core/mark_check.h"

namespace probegrid {

Board believedBoard(const Game& game)
{
    Board board;
    for (int cell = 1; cell <= kCells; ++cell) {
        if (game.found(cell) || game.note(cell) == Note::MaybeItem)
            board.place(cell);
    }
    return board;
}

std::array<MarkCheck, kBorderPositions> checkMarks(const Game& game)
{
    std::array<MarkCheck, kBorderPositions> checks{};
    const Board believed = believedBoard(game);
    for (const ShotRecord& shot : game.shots()) {
        const Ray ray = tracar(believed, entryCell(shot.position), shotDirection(shot.position));
        const bool agrees = ray.result == shot.result && (shot.result != RayResult::Detour ||
                                                          ray.exitPosition == shot.exitPosition);
        const MarkCheck check = agrees ? MarkCheck::Agrees : MarkCheck::Disagrees;
        checks[static_cast<std::size_t>(shot.position - 1)] = check;
        if (shot.result == RayResult::Detour)
            checks[static_cast<std::size_t>(shot.exitPosition - 1)] = check;
    }
    return checks;
}

} // namespace probegrid

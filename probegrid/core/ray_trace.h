#pragma once

#include "probegrid/core/board.h"

#include <stdexcept>

// The ray rules written once over a cell probe, so that the game and the
// deduction solver follow rays by the very same steps. The probe answers 1
// for an item, 0 for an empty cell and -1 for a cell not known yet; a trace
// that meets an unknown cell stops there and names it, which is exactly the
// cell the rules would have looked at next.
namespace probegrid {

struct TraceStep {
    bool known = true;
    int neededCell = 0; // when not known
    Ray ray;
};

namespace detail {

// What a ray travelling one way looks at from cell n: the cell ahead, the two
// diagonals ahead with the edge that guards each (a diagonal beyond that edge
// would be off the board or wrapped into another row) and the way the ray
// turns away from it, and the two edges beside the path.
struct Heading {
    int step;
    int diagonalA;
    Direction guardA;
    Direction turnA;
    int diagonalB;
    Direction guardB;
    Direction turnB;
    Direction side1;
    Direction side2;
};

inline Heading heading(Direction d)
{
    switch (d) {
    case Direction::Baixo:
        return {+8,
                +7,
                Direction::Esq,
                Direction::Dir,
                +9,
                Direction::Dir,
                Direction::Esq,
                Direction::Esq,
                Direction::Dir};
    case Direction::Esq:
        return {-1,
                -9,
                Direction::Cima,
                Direction::Baixo,
                +7,
                Direction::Baixo,
                Direction::Cima,
                Direction::Cima,
                Direction::Baixo};
    case Direction::Cima:
        return {-8,
                -9,
                Direction::Esq,
                Direction::Dir,
                -7,
                Direction::Dir,
                Direction::Esq,
                Direction::Esq,
                Direction::Dir};
    case Direction::Dir: break;
    }
    return {+1,
            -7,
            Direction::Cima,
            Direction::Baixo,
            +9,
            Direction::Baixo,
            Direction::Cima,
            Direction::Cima,
            Direction::Baixo};
}

inline Direction opposite(Direction d)
{
    switch (d) {
    case Direction::Baixo: return Direction::Cima;
    case Direction::Cima: return Direction::Baixo;
    case Direction::Esq: return Direction::Dir;
    case Direction::Dir: break;
    }
    return Direction::Esq;
}

inline TraceStep need(int cell)
{
    return {false, cell, {}};
}

inline TraceStep answer(RayResult result, int exit = 0)
{
    return {true, 0, {result, exit}};
}

} // namespace detail

// Follows a ray that enters at `entry` travelling `direction`.
template <typename Probe>
TraceStep traceRay(Probe&& probe, int entry, Direction direction)
{
    using namespace detail;
    if (!onBorder(entry, opposite(direction)))
        throw std::invalid_argument("a shot must enter at an edge cell facing inwards");

    int v = probe(entry);
    if (v < 0)
        return need(entry);
    if (v > 0)
        return answer(RayResult::Hit);

    // The neighbours across the path at the entry cell: an item there turns
    // the ray straight back before it gets going.
    const bool vertical = direction == Direction::Baixo || direction == Direction::Cima;
    const int offset = vertical ? 1 : 8;
    if (!onBorder(entry, vertical ? Direction::Esq : Direction::Cima)) {
        v = probe(entry - offset);
        if (v < 0)
            return need(entry - offset);
        if (v > 0)
            return answer(RayResult::Reflection);
    }
    if (!onBorder(entry, vertical ? Direction::Dir : Direction::Baixo)) {
        v = probe(entry + offset);
        if (v < 0)
            return need(entry + offset);
        if (v > 0)
            return answer(RayResult::Reflection);
    }

    int n = entry;
    Direction d = direction;
    // There are 256 (cell, direction) states; a trace that outlived them all
    // would be going round in circles. The rules never produce one, but a
    // reflection is a safer answer than a hung window if that ever changed.
    for (int pass = 0; pass <= 4 * kCells; ++pass) {
        if (onBorder(n, d))
            return answer(RayResult::Detour, exitPosition(n, d));
        const Heading h = heading(d);
        v = probe(n + h.step);
        if (v < 0)
            return need(n + h.step);
        if (v > 0)
            return answer(RayResult::Hit);
        const bool aInside = !onBorder(n, h.guardA);
        const bool bInside = !onBorder(n, h.guardB);
        int a = 0;
        if (aInside) {
            a = probe(n + h.diagonalA);
            if (a < 0)
                return need(n + h.diagonalA);
        }
        int b = 0;
        if (bInside) {
            b = probe(n + h.diagonalB);
            if (b < 0)
                return need(n + h.diagonalB);
        }
        if (!onBorder(n, h.side1) && !onBorder(n, h.side2) && a > 0 && b > 0)
            return answer(RayResult::Reflection);
        bool turned = false;
        if (a > 0) {
            d = h.turnA;
            turned = true;
        }
        if (b > 0) {
            d = h.turnB;
            turned = true;
        }
        if (!turned)
            n += h.step;
    }
    return answer(RayResult::Reflection);
}

} // namespace probegrid

#include "probegrid/core/cell_face.h"

namespace probegrid {

Rgb markColour(CellMark mark)
{
    switch (mark) {
    case CellMark::Unmarked: return {255, 255, 255};
    case CellMark::Found: return {0, 128, 0};
    case CellMark::Revealed: break;
    }
    return {0, 0, 0};
}

Rgb verdictColour(CellVerdict verdict)
{
    switch (verdict) {
    case CellVerdict::Item: return {255, 214, 120};
    case CellVerdict::Empty: return {200, 222, 255};
    case CellVerdict::Open: break;
    }
    return markColour(CellMark::Unmarked);
}

CellFace cellFace(const Game& game, int cell, const Analysis* analysis)
{
    const CellMark mark = game.mark(cell);
    CellFace face;
    face.background = markColour(mark);
    if (game.found(cell)) {
        face.symbol = CellSymbol::Found;
        face.ink = {255, 255, 255};
    } else if (mark == CellMark::Revealed) {
        face.symbol = CellSymbol::Unfound;
    } else if (game.crossed(cell)) {
        face.symbol = CellSymbol::Crossed;
        face.ink = {190, 0, 0};
    } else if (game.note(cell) == Note::NoItem) {
        face.symbol = CellSymbol::NoItemNote;
        face.ink = {70, 70, 70};
    } else if (game.note(cell) == Note::MaybeItem) {
        face.symbol = CellSymbol::MaybeItemNote;
        face.ink = {0, 0, 190};
    }
    // Found and revealed cells are settled; only an unmarked one is lit.
    if (analysis && mark == CellMark::Unmarked) {
        face.verdict = analysis->cells[static_cast<std::size_t>(cell - 1)];
        if (face.verdict != CellVerdict::Open) {
            face.background = verdictColour(face.verdict);
            if (face.symbol == CellSymbol::None) {
                const bool item = face.verdict == CellVerdict::Item;
                face.symbol = item ? CellSymbol::SureItem : CellSymbol::SureEmpty;
                face.ink = item ? Rgb{110, 55, 0} : Rgb{30, 60, 130};
            }
        }
    }
    return face;
}

} // namespace probegrid

#pragma once

#include "probegrid/core/game.h"
#include "probegrid/core/solver.h"

#include <cstdint>

// What a board cell shows: its colour is the rules' own (white, green,
// black); the symbol says the same again and adds what the colours do not
// tell: which black cells were found, wrong marks, the player's notes and the
// solver's findings. The window turns a face into its symbol and tip text.
namespace probegrid {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

Rgb markColour(CellMark mark);
// The lighting of a cell the solver has decided.
Rgb verdictColour(CellVerdict verdict);

// The symbol a cell carries, one for each thing it can tell.
enum class CellSymbol {
    None,
    Found,
    Unfound,
    Crossed,
    NoItemNote,
    MaybeItemNote,
    SureItem,
    SureEmpty
};

struct CellFace {
    Rgb background;
    Rgb ink;
    CellSymbol symbol = CellSymbol::None; // what the cell says about itself
    // The solver's finding, added to the tip (and shown as the symbol when
    // the cell says nothing else); Open when there is none.
    CellVerdict verdict = CellVerdict::Open;
};

// `analysis` is the latest finished analysis of the game, or null.
CellFace cellFace(const Game& game, int cell, const Analysis* analysis);

} // namespace probegrid

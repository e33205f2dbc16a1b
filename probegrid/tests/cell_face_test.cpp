#include "probegrid/core/cell_face.h"

#include <gtest/gtest.h>

namespace probegrid {
namespace {

// What a cell says about itself comes first; the solver's finding lights only
// cells still unmarked and shows its own symbol where the cell says nothing.
TEST(CellFace, OwnStateBeforeTheSolversAndOnlyOnUnmarkedCells)
{
    Game game(Board::withItems({1, 2}), 2, 1);
    game.markCell(1); // found
    game.markCell(9); // wrong: crossed
    game.cycleNote(10); // no item here
    game.cycleNote(11);
    game.cycleNote(11); // item here?
    Analysis analysis;
    analysis.finished = true;
    analysis.cells.fill(CellVerdict::Empty);
    analysis.cells[1] = CellVerdict::Item; // cell 2
    analysis.cells[10] = CellVerdict::Item; // cell 11, noted "?"

    EXPECT_EQ(cellFace(game, 1, &analysis).symbol, CellSymbol::Found);
    EXPECT_EQ(cellFace(game, 1, &analysis).background, markColour(CellMark::Found));
    EXPECT_EQ(cellFace(game, 1, &analysis).verdict, CellVerdict::Open);
    EXPECT_EQ(cellFace(game, 9, &analysis).symbol, CellSymbol::Crossed);
    EXPECT_EQ(cellFace(game, 10, nullptr).symbol, CellSymbol::NoItemNote);
    EXPECT_EQ(cellFace(game, 10, nullptr).background, markColour(CellMark::Unmarked));

    const CellFace noted = cellFace(game, 11, &analysis);
    EXPECT_EQ(noted.symbol, CellSymbol::MaybeItemNote);
    EXPECT_EQ(noted.verdict, CellVerdict::Item);
    EXPECT_EQ(noted.background, verdictColour(CellVerdict::Item));
    EXPECT_EQ(cellFace(game, 2, &analysis).symbol, CellSymbol::SureItem);
    EXPECT_EQ(cellFace(game, 30, &analysis).symbol, CellSymbol::SureEmpty);
    EXPECT_EQ(cellFace(game, 30, nullptr).symbol, CellSymbol::None);

    game.giveUp();
    EXPECT_EQ(cellFace(game, 1, &analysis).symbol, CellSymbol::Found) << "found stays found";
    const CellFace unfound = cellFace(game, 2, &analysis);
    EXPECT_EQ(unfound.symbol, CellSymbol::Unfound);
    EXPECT_EQ(unfound.background, markColour(CellMark::Revealed));
    EXPECT_EQ(unfound.verdict, CellVerdict::Open);
}

TEST(CellFace, TheAnalysisKnowsTheItemCountOnlyWhenItWasTyped)
{
    EXPECT_EQ(knownItemRange(7, false).min, 7);
    EXPECT_EQ(knownItemRange(7, false).max, 7);
    EXPECT_EQ(knownItemRange(7, true).min, 1);
    EXPECT_EQ(knownItemRange(7, true).max, 12);
}

} // namespace
} // namespace probegrid

#pragma once

#include "probegrid/core/board.h"
#include "probegrid/core/solver.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One game on the board window: shots, marks, each player's counts, the turn
// and the end of the game. Holds no names and shows nothing.
namespace probegrid {

// Counts and the clock are 16-bit; they stop at the top instead of wrapping.
inline constexpr std::int16_t kCountLimit = 32767;
std::int16_t addClamped(std::int16_t value, int amount);

enum class CellMark { Unmarked, Found, Revealed };

struct PlayerCounts {
    std::int16_t points = 0; // points lost: fewer is better
    std::int16_t hits = 0;
    std::int16_t detours = 0;
    std::int16_t reflections = 0;
};

struct Shot {
    RayResult result = RayResult::Hit;
    int exitPosition = 0; // detours only
    int detourNumber = 0; // detours only
};

// A player's own reminder on a board cell: costs nothing and is not a mark.
enum class Note { None, NoItem, MaybeItem };

// A shot as the players saw it: where it went in and what became of it.
struct ShotRecord {
    int position = 0;
    RayResult result = RayResult::Hit;
    int exitPosition = 0; // detours only
};

// What the players know of the item count: exactly the typed one, or, when it
// was drawn, only that it lies in 1..12.
struct ItemRange {
    int min = 1;
    int max = 12;
};
ItemRange knownItemRange(int itemCount, bool countDrawn);

enum class Outcome { SinglePlayer, Player1Wins, Player2Wins, Tie };

class Game {
public:
    // playerCount 2 makes a two-player game; any other value one player.
    Game(const Board& board, int itemCount, int playerCount);

    const Board& board() const { return board_; }
    int itemCount() const { return itemCount_; }
    bool twoPlayers() const { return twoPlayers_; }
    int currentPlayer() const { return currentPlayer_; }
    int detourCount() const { return detourCount_; }
    bool gameOver() const { return gameOver_; }
    std::optional<Direction> lastShotDirection() const { return shotDirection_; }

    const PlayerCounts& counts(int player) const;
    CellMark mark(int cell) const;
    // "" before a shot, then "H", "R" or the detour number.
    const std::string& borderText(int position) const;

    // Fires from border position 1..32. Nothing (no points, no turn) when the
    // game was given up or the position already shows a result.
    std::optional<Shot> shoot(int position);
    // A shot the puzzle comes with: shown and numbered like any other, but it
    // costs nobody anything.
    std::optional<Shot> giveShot(int position);

    // The other end of the detour whose number `position` shows, or 0.
    int partnerPosition(int position) const;

    // Marks cell 1..64 as holding an item: true when the mark was taken (it
    // may still be wrong), false when the game was given up.
    bool markCell(int cell);

    // Every shot fired so far, in order.
    const std::vector<ShotRecord>& shots() const { return shots_; }
    // Whether a mark found the item in this cell (still true once revealed).
    bool found(int cell) const;
    // Whether the cell took a wrong mark while holding no item.
    bool crossed(int cell) const;

    Note note(int cell) const;
    // Moves the note of a cell on: none, "no item here", "item here?", none.
    // Ignored (false) after giving up and on a cell already found.
    bool cycleNote(int cell);

    // What the players have seen: every ray, every found item and every
    // crossed cell, with the item count as far as they know it.
    Evidence evidence(int minItems, int maxItems) const;

    int foundCount() const;
    bool allFound() const { return foundCount() == itemCount_; }

    // Shows every item and stops all play.
    void giveUp();

    // Hands the turn to the other player in a two-player game; true when it
    // changed.
    bool switchTurn();

    Outcome outcome() const;

private:
    std::optional<Shot> fire(int position, bool scored);
    PlayerCounts& current();

    Board board_;
    int itemCount_;
    bool twoPlayers_;
    int currentPlayer_ = 1;
    int detourCount_ = 0;
    bool gameOver_ = false;
    std::optional<Direction> shotDirection_;
    std::array<PlayerCounts, 2> counts_{};
    std::array<CellMark, kCells> marks_{};
    std::array<std::string, kBorderPositions> borderTexts_{};
    std::array<bool, kCells> found_{};
    std::array<bool, kCells> crossed_{};
    std::array<Note, kCells> notes_{};
    std::vector<ShotRecord> shots_;
};

} // namespace probegrid

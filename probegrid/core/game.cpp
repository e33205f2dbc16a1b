#include "probegrid/core/game.h"

#include <stdexcept>

namespace probegrid {
namespace {

std::size_t cellIndex(int cell)
{
    if (cell < 1 || cell > kCells)
        throw std::out_of_range("cell outside the board");
    return static_cast<std::size_t>(cell - 1);
}

std::size_t positionIndex(int position)
{
    if (position < 1 || position > kBorderPositions)
        throw std::out_of_range("border position outside 1..32");
    return static_cast<std::size_t>(position - 1);
}

} // namespace

std::int16_t addClamped(std::int16_t value, int amount)
{
    const int sum = value + amount;
    return static_cast<std::int16_t>(sum > kCountLimit ? kCountLimit : sum);
}

Game::Game(const Board& board, int itemCount, int playerCount)
    : board_(board), itemCount_(itemCount), twoPlayers_(playerCount == 2)
{
    marks_.fill(CellMark::Unmarked);
}

const PlayerCounts& Game::counts(int player) const
{
    return counts_[player == 1 ? 0 : 1];
}

PlayerCounts& Game::current()
{
    return counts_[currentPlayer_ == 1 ? 0 : 1];
}

CellMark Game::mark(int cell) const
{
    return marks_[cellIndex(cell)];
}

const std::string& Game::borderText(int position) const
{
    return borderTexts_[positionIndex(position)];
}

ItemRange knownItemRange(int itemCount, bool countDrawn)
{
    if (countDrawn)
        return {};
    return {itemCount, itemCount};
}

std::optional<Shot> Game::shoot(int position)
{
    return fire(position, true);
}

std::optional<Shot> Game::giveShot(int position)
{
    return fire(position, false);
}

int Game::partnerPosition(int position) const
{
    for (const ShotRecord& shot : shots_) {
        if (shot.result != RayResult::Detour)
            continue;
        if (shot.position == position)
            return shot.exitPosition;
        if (shot.exitPosition == position)
            return shot.position;
    }
    return 0;
}

std::optional<Shot> Game::fire(int position, bool scored)
{
    std::string& entryText = borderTexts_[positionIndex(position)];
    if (gameOver_ || !entryText.empty())
        return std::nullopt;

    const Direction direction = shotDirection(position);
    shotDirection_ = direction;
    const Ray ray = tracar(board_, entryCell(position), direction);

    Shot shot{ray.result, 0, 0};
    PlayerCounts given;
    PlayerCounts& counts = scored ? current() : given;
    switch (ray.result) {
    case RayResult::Hit:
        counts.points = addClamped(counts.points, 1);
        counts.hits = addClamped(counts.hits, 1);
        entryText = resultLetter(ray.result);
        break;
    case RayResult::Reflection:
        counts.points = addClamped(counts.points, 1);
        counts.reflections = addClamped(counts.reflections, 1);
        entryText = resultLetter(ray.result);
        break;
    case RayResult::Detour:
        ++detourCount_;
        shot.exitPosition = ray.exitPosition;
        shot.detourNumber = detourCount_;
        borderTexts_[positionIndex(ray.exitPosition)] = std::to_string(detourCount_);
        entryText = std::to_string(detourCount_);
        counts.points = addClamped(counts.points, 2);
        counts.detours = addClamped(counts.detours, 1);
        break;
    }
    shots_.push_back({position, shot.result, shot.exitPosition});
    return shot;
}

bool Game::markCell(int cell)
{
    CellMark& mark = marks_[cellIndex(cell)];
    if (gameOver_)
        return false;
    const std::size_t index = cellIndex(cell);
    notes_[index] = Note::None;
    if (mark == CellMark::Unmarked && board_.holds(cell)) {
        mark = CellMark::Found;
        found_[index] = true;
    } else {
        current().points = addClamped(current().points, 5);
        // A second wrong mark on a found cell teaches nothing about the
        // cell, so only empty cells keep a cross.
        if (!board_.holds(cell))
            crossed_[index] = true;
    }
    return true;
}

bool Game::found(int cell) const
{
    return found_[cellIndex(cell)];
}

bool Game::crossed(int cell) const
{
    return crossed_[cellIndex(cell)];
}

Note Game::note(int cell) const
{
    return notes_[cellIndex(cell)];
}

bool Game::cycleNote(int cell)
{
    const std::size_t index = cellIndex(cell);
    if (gameOver_ || found_[index])
        return false;
    Note& note = notes_[index];
    note = note == Note::None ? Note::NoItem : note == Note::NoItem ? Note::MaybeItem : Note::None;
    return true;
}

Evidence Game::evidence(int minItems, int maxItems) const
{
    Evidence evidence;
    for (const ShotRecord& shot : shots_)
        evidence.rays.push_back({shot.position, shot.result, shot.exitPosition});
    for (int cell = 1; cell <= kCells; ++cell) {
        if (found(cell))
            evidence.itemCells.push_back(cell);
        else if (crossed(cell))
            evidence.emptyCells.push_back(cell);
    }
    evidence.minItems = minItems;
    evidence.maxItems = maxItems;
    return evidence;
}

int Game::foundCount() const
{
    int found = 0;
    for (const CellMark mark : marks_)
        found += mark == CellMark::Found ? 1 : 0;
    return found;
}

void Game::giveUp()
{
    for (const int cell : board_.cells())
        marks_[cellIndex(cell)] = CellMark::Revealed;
    gameOver_ = true;
}

bool Game::switchTurn()
{
    if (!twoPlayers_)
        return false;
    currentPlayer_ = currentPlayer_ == 1 ? 2 : 1;
    return true;
}

Outcome Game::outcome() const
{
    if (!twoPlayers_)
        return Outcome::SinglePlayer;
    const int p1 = counts_[0].points;
    const int p2 = counts_[1].points;
    if (p1 < p2)
        return Outcome::Player1Wins;
    if (p2 < p1)
        return Outcome::Player2Wins;
    return Outcome::Tie;
}

} // namespace probegrid

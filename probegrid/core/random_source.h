#pragma once

#include "probegrid/core/board.h"

#include <cstdint>
#include <random>

namespace probegrid {

// Where the game's random draws come from, so that tests can choose boards.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts the generator afresh from the clock (done before each draw of a
    // count and before each board is hidden).
    virtual void restartFromClock() = 0;
    // A uniform real in [0, 1).
    virtual double next() = 0;
};

class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    void restartFromClock() override;
    double next() override;

private:
    std::mt19937_64 generator_;
};

// A count from 4 to 12, each equally likely: the integer part of r * 20,
// drawn again until it falls in range.
std::int16_t drawItemCount(RandomSource& random);

// `count` items in distinct cells, each cell equally likely: cell
// 1 + int(r * 64), drawn again when it already holds one. `count` is 0..64.
Board hideItems(RandomSource& random, int count);

} // namespace probegrid

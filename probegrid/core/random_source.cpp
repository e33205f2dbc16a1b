#include "probegrid/core/random_source.h"

#include <chrono>
#include <stdexcept>

namespace probegrid {
namespace {

std::uint64_t clockValue()
{
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

// The integer part of r * scale, kept inside [0, scale) even if a source
// hands back something at or past 1.
int scaled(double r, int scale)
{
    const int value = static_cast<int>(r * scale);
    return value < 0 ? 0 : (value >= scale ? scale - 1 : value);
}

} // namespace

ClockRandom::ClockRandom() : generator_(clockValue())
{
}

void ClockRandom::restartFromClock()
{
    generator_ = std::mt19937_64(clockValue());
}

double ClockRandom::next()
{
    return std::generate_canonical<double, 53>(generator_);
}

std::int16_t drawItemCount(RandomSource& random)
{
    for (;;) {
        const int n = scaled(random.next(), 20);
        if (n >= 4 && n <= 12)
            return static_cast<std::int16_t>(n);
    }
}

Board hideItems(RandomSource& random, int count)
{
    if (count < 0 || count > kCells)
        throw std::out_of_range("item count outside 0..64");
    Board board;
    int placed = 0;
    while (placed < count) {
        const int cell = 1 + scaled(random.next(), kCells);
        if (!board.holds(cell)) {
            board.place(cell);
            ++placed;
        }
    }
    return board;
}

} // namespace probegrid

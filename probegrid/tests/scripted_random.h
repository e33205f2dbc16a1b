#pragma once

#include "probegrid/core/random_source.h"

#include <deque>
#include <random>
#include <vector>

namespace probegrid::testing {

// Hands out the draws a test lists, then falls back to a fixed generator.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<double> draws;
    int restarts = 0;

    void restartFromClock() override { ++restarts; }
    double next() override
    {
        if (draws.empty())
            return std::generate_canonical<double, 53>(fallback_);
        const double r = draws.front();
        draws.pop_front();
        return r;
    }

    // The draw that hides an item in `cell`.
    static double forCell(int cell) { return (cell - 1 + 0.5) / 64.0; }
    void queueCells(const std::vector<int>& cells)
    {
        for (const int cell : cells)
            draws.push_back(forCell(cell));
    }

private:
    std::mt19937 fallback_{12345u};
};

} // namespace probegrid::testing

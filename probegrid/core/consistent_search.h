#pragma once

#include "probegrid/core/ray_trace.h"
#include "probegrid/core/solver.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>

// The search behind the solver, shared by the analysis and the hint: it
// walks the boards consistent with the evidence, settling one ray at a time.
// For the solver's own files only.
namespace probegrid::search {

using Clock = std::chrono::steady_clock;

inline constexpr signed char kUnknown = -1;

struct Binomials {
    std::array<std::array<std::uint64_t, kCells + 1>, kCells + 1> c{};

    Binomials()
    {
        for (std::size_t n = 0; n <= kCells; ++n) {
            c[n][0] = 1;
            for (std::size_t k = 1; k <= n; ++k)
                c[n][k] = c[n - 1][k - 1] + (k <= n - 1 ? c[n - 1][k] : 0);
        }
    }

    std::uint64_t operator()(int n, int k) const
    {
        if (n < 0 || k < 0 || k > n)
            return 0;
        return c[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
    }
};

inline const Binomials& binomials()
{
    static const Binomials table;
    return table;
}

// A board known in part: the cells the rays of the evidence have looked at
// so far are fixed, the rest are open. Branching only on the cell a ray needs
// next means that once every ray is settled the open cells affect no ray at
// all, so every way of filling them is consistent and they can be counted
// instead of listed.
class Search {
public:
    // A settled branch: `cells` holds 1, 0 or kUnknown; `placed` items are
    // fixed among them and `open` cells are free.
    // A leaf adds what it holds to `totals` and says whether to go on.
    struct Totals {
        std::uint64_t boards = 0;
        std::uint64_t withOpenItem = 0; // boards in which a given open cell holds an item
    };
    using Leaf = std::function<bool(const std::array<signed char, kCells>& cells, int placed,
                                    int open, Totals& totals)>;

    Search(const Evidence& evidence, Clock::time_point deadline, Leaf leaf)
        : evidence_(evidence), deadline_(deadline), leaf_(std::move(leaf))
    {
        cells_.fill(kUnknown);
    }

    // False when the search was cut short (time, or the leaf said stop).
    bool run()
    {
        for (const int cell : evidence_.itemCells) {
            if (!fix(cell, 1))
                return true; // contradictory marks: no board at all
        }
        for (const int cell : evidence_.emptyCells) {
            if (!fix(cell, 0))
                return true;
        }
        for (const RayEvidence& ray : evidence_.rays) {
            if (ray.position < 1 || ray.position > kBorderPositions)
                return true;
        }
        Pending pending{};
        int count = 0;
        for (std::size_t i = 0; i < evidence_.rays.size() && i < pending.size(); ++i)
            pending[static_cast<std::size_t>(count++)] = static_cast<std::uint8_t>(i);
        // Detours pin down the most cells and hits the fewest; settling the
        // strict rays first cuts branches off early.
        const auto strictness = [this](std::uint8_t ray) {
            switch (evidence_.rays[ray].result) {
            case RayResult::Detour: return 0;
            case RayResult::Reflection: return 1;
            case RayResult::Hit: break;
            }
            return 2;
        };
        std::stable_sort(pending.begin(), pending.begin() + count,
                         [&](std::uint8_t a, std::uint8_t b) {
                             return strictness(a) < strictness(b);
                         });
        // More rays than border positions cannot come from one game.
        if (evidence_.rays.size() > pending.size())
            return true;
        totals_ = descend(pending, Pending{}, count, 0);
        return !stopped_;
    }

    const Totals& totals() const { return totals_; }
    std::uint64_t nodes() const { return nodes_; }
    // Consistent boards with an item in a cell the search branched on, and
    // the open-cell weight of the leaves below such branches (in which the
    // cell was not open).
    const std::array<std::uint64_t, kCells>& itemWhereFixed() const { return itemWhereFixed_; }
    const std::array<std::uint64_t, kCells>& openWeightWhereFixed() const
    {
        return openWeightWhereFixed_;
    }

private:
    using Pending = std::array<std::uint8_t, kBorderPositions>;

    bool fix(int cell, signed char value)
    {
        if (cell < 1 || cell > kCells)
            return false;
        signed char& slot = cells_[static_cast<std::size_t>(cell - 1)];
        if (slot != kUnknown)
            return slot == value;
        slot = value;
        --open_;
        placed_ += value;
        return true;
    }

    // `pending` holds the rays not settled yet, each with the cell it waits
    // for (0: not traced yet). Only the rays waiting for the cell just fixed
    // can move on, so only they are traced again.
    Totals descend(Pending pending, Pending waiting, int count, int justFixed)
    {
        if (stopped_)
            return {};
        if ((++nodes_ & 0x3FF) == 0 && Clock::now() > deadline_) {
            stopped_ = true;
            return {};
        }
        if (placed_ > evidence_.maxItems || placed_ + open_ < evidence_.minItems)
            return {};

        const auto probe = [this](int cell) {
            return static_cast<int>(cells_[static_cast<std::size_t>(cell - 1)]);
        };
        int kept = 0;
        for (int i = 0; i < count; ++i) {
            const std::size_t at = static_cast<std::size_t>(i);
            if (waiting[at] != 0 && waiting[at] != justFixed) {
                pending[static_cast<std::size_t>(kept)] = pending[at];
                waiting[static_cast<std::size_t>(kept++)] = waiting[at];
                continue;
            }
            const RayEvidence& ray = evidence_.rays[pending[at]];
            const TraceStep step =
                traceRay(probe, entryCell(ray.position), shotDirection(ray.position));
            if (!step.known) {
                pending[static_cast<std::size_t>(kept)] = pending[at];
                waiting[static_cast<std::size_t>(kept++)] =
                    static_cast<std::uint8_t>(step.neededCell);
                continue;
            }
            if (step.ray.result != ray.result)
                return {};
            if (ray.result == RayResult::Detour && step.ray.exitPosition != ray.exitPosition)
                return {};
        }

        if (kept == 0) {
            Totals totals;
            if (!leaf_(cells_, placed_, open_, totals))
                stopped_ = true;
            return totals;
        }

        // Branch on the cell most rays wait for: fixing it moves them all on.
        std::array<std::uint8_t, kCells + 1> demand{};
        int needed = waiting[0];
        for (int i = 0; i < kept; ++i) {
            const std::uint8_t cell = waiting[static_cast<std::size_t>(i)];
            if (++demand[cell] > demand[static_cast<std::size_t>(needed)])
                needed = cell;
        }

        const std::size_t index = static_cast<std::size_t>(needed - 1);
        signed char& slot = cells_[index];
        --open_;
        slot = 0;
        const Totals withoutItem = descend(pending, waiting, kept, needed);
        slot = 1;
        ++placed_;
        const Totals withItem = descend(pending, waiting, kept, needed);
        --placed_;
        slot = kUnknown;
        ++open_;

        itemWhereFixed_[index] += withItem.boards;
        openWeightWhereFixed_[index] += withoutItem.withOpenItem + withItem.withOpenItem;
        return {withoutItem.boards + withItem.boards,
                withoutItem.withOpenItem + withItem.withOpenItem};
    }

    const Evidence& evidence_;
    Clock::time_point deadline_;
    Leaf leaf_;
    std::array<signed char, kCells> cells_{};
    int placed_ = 0;
    int open_ = kCells;
    std::uint64_t nodes_ = 0;
    Totals totals_;
    std::array<std::uint64_t, kCells> itemWhereFixed_{};
    std::array<std::uint64_t, kCells> openWeightWhereFixed_{};
    bool stopped_ = false;
};

} // namespace probegrid::search

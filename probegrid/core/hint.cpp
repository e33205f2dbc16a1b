#include "probegrid/core/hint.h"

#include "probegrid/core/consistent_search.h"

#include <algorithm>
#include <cmath>

namespace probegrid {
namespace {

using search::Binomials;
using search::Clock;
using search::kUnknown;
using search::Search;

using Cells = std::array<signed char, kCells>;

// At a settled branch every open cell is free. A candidate ray is followed
// over the fixed cells, branching on each open cell it needs; the boards of a
// branch that fixed `fixed` more cells, `added` of them items, are counted
// with binomials, as the analysis counts them.
class Follower {
public:
    Follower(const Evidence& evidence, Clock::time_point deadline)
        : evidence_(evidence), deadline_(deadline), choose_(search::binomials())
    {
    }

    // False when the time ran out.
    bool weigh(Cells& cells, int placed, int open, int position,
               std::array<std::uint64_t, kShotOutcomes>& outcomes)
    {
        placed_ = placed;
        open_ = open;
        follow(cells, position, 0, 0, outcomes);
        return !stopped_;
    }

private:
    std::uint64_t boards(int fixed, int added) const
    {
        std::uint64_t total = 0;
        for (int items = evidence_.minItems; items <= evidence_.maxItems; ++items)
            total += choose_(open_ - fixed, items - placed_ - added);
        return total;
    }

    void follow(Cells& cells, int position, int fixed, int added,
                std::array<std::uint64_t, kShotOutcomes>& outcomes)
    {
        if (stopped_)
            return;
        if ((++nodes_ & 0x3FF) == 0 && Clock::now() > deadline_) {
            stopped_ = true;
            return;
        }
        const std::uint64_t weight = boards(fixed, added);
        if (weight == 0)
            return;
        const auto probe = [&cells](int cell) {
            return static_cast<int>(cells[static_cast<std::size_t>(cell - 1)]);
        };
        const TraceStep step = traceRay(probe, entryCell(position), shotDirection(position));
        if (step.known) {
            outcomes[outcomeIndex(step.ray.result, step.ray.exitPosition)] += weight;
            return;
        }
        signed char& slot = cells[static_cast<std::size_t>(step.neededCell - 1)];
        slot = 0;
        follow(cells, position, fixed + 1, added, outcomes);
        slot = 1;
        follow(cells, position, fixed + 1, added + 1, outcomes);
        slot = kUnknown;
    }

    const Evidence& evidence_;
    Clock::time_point deadline_;
    const Binomials& choose_;
    int placed_ = 0;
    int open_ = 0;
    std::uint64_t nodes_ = 0;
    bool stopped_ = false;
};

} // namespace

std::size_t outcomeIndex(RayResult result, int exitPosition)
{
    switch (result) {
    case RayResult::Hit: return 0;
    case RayResult::Reflection: return 1;
    case RayResult::Detour: break;
    }
    return 1 + static_cast<std::size_t>(exitPosition);
}

double splitBits(const std::array<std::uint64_t, kShotOutcomes>& outcomeBoards)
{
    double total = 0;
    for (const std::uint64_t boards : outcomeBoards)
        total += static_cast<double>(boards);
    double bits = 0;
    for (const std::uint64_t boards : outcomeBoards) {
        if (boards == 0)
            continue;
        const double share = static_cast<double>(boards) / total;
        bits -= share * std::log2(share);
    }
    return bits;
}

Hint rankShots(const Evidence& evidence, std::chrono::milliseconds budget)
{
    std::array<bool, kBorderPositions> used{};
    for (const RayEvidence& ray : evidence.rays) {
        for (const int position : {ray.position, ray.exitPosition}) {
            if (position >= 1 && position <= kBorderPositions)
                used[static_cast<std::size_t>(position - 1)] = true;
        }
    }
    std::vector<ShotValue> free;
    for (int position = 1; position <= kBorderPositions; ++position) {
        if (!used[static_cast<std::size_t>(position - 1)])
            free.push_back(ShotValue{position, {}, 0, 0});
    }

    const Clock::time_point deadline = Clock::now() + budget;
    const Binomials& choose = search::binomials();
    Follower follower(evidence, deadline);
    const auto leaf = [&](const Cells& settled, int placed, int open, Search::Totals& totals) {
        for (int items = evidence.minItems; items <= evidence.maxItems; ++items)
            totals.boards += choose(open, items - placed);
        Cells cells = settled;
        for (ShotValue& shot : free) {
            if (!follower.weigh(cells, placed, open, shot.position, shot.outcomeBoards))
                return false;
        }
        return true;
    };
    Search search(evidence, deadline, leaf);
    Hint hint;
    hint.finished = search.run();
    if (!hint.finished)
        return hint;
    hint.boards = search.totals().boards;
    for (ShotValue& shot : free) {
        shot.groups =
            static_cast<int>(std::count_if(shot.outcomeBoards.begin(), shot.outcomeBoards.end(),
                                           [](std::uint64_t boards) { return boards != 0; }));
        shot.bits = hint.boards == 0 ? 0 : splitBits(shot.outcomeBoards);
    }
    std::stable_sort(free.begin(), free.end(),
                     [](const ShotValue& a, const ShotValue& b) { return a.bits > b.bits; });
    hint.ranking = std::move(free);
    return hint;
}

} // namespace probegrid

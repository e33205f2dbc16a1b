#include "tailfetch/core/range_plan.h"

#include <algorithm>

namespace tailfetch {

std::optional<RangePlan> PlanRange(const HeldBytes& held, std::int64_t remoteLength,
                                   std::int64_t window)
{
    RangePlan plan;
    plan.writeFrom = held.base + held.outputSize;
    if (plan.writeFrom >= remoteLength)
        return std::nullopt;
    // The incomplete file and the output touch or overlap when the output
    // starts inside the file; otherwise only the output's bytes are known.
    const bool joined = held.sourceLength >= held.base;
    plan.heldStart = joined ? 0 : held.base;
    plan.compareUntil = std::min(std::max(held.sourceLength, plan.writeFrom), remoteLength);
    plan.from = std::max(plan.heldStart, plan.compareUntil - std::max<std::int64_t>(window, 0));
    plan.from = std::min(plan.from, plan.writeFrom);
    return plan;
}

} // namespace tailfetch

#pragma once

#include <algorithm>
#include <cstddef>
#include <thread>
#include <vector>

namespace texpeek {

// Runs `work(first, last)` over [0, count) split between the machine's
// cores, the calling thread taking the first share; small counts stay on
// the calling thread. `work` must not throw.
template <typename Work>
void splitAcrossCores(std::size_t count, Work work)
{
    const std::size_t cores = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
    if (cores == 1 || count < 2 * cores) {
        work(std::size_t{0}, count);
        return;
    }
    std::vector<std::thread> helpers;
    const std::size_t share = (count + cores - 1) / cores;
    for (std::size_t start = share; start < count; start += share)
        helpers.emplace_back(work, start, std::min(count, start + share));
    work(std::size_t{0}, std::min(count, share));
    for (std::thread& helper : helpers)
        helper.join();
}

} // namespace texpeek

#pragma once

#include <cstdint>
#include <optional>

// Which bytes one ranged request asks for, and what becomes of each body byte.
// Offsets are 0-based in the whole remote file.
namespace tailfetch {

// How much of what is already held is fetched again and compared before a
// single byte is written: one byte alone cannot tell two builds of a file
// apart when they share it.
inline constexpr std::int64_t kCheckWindow = 64 * 1024;

// What is on disk: the incomplete file holds the whole file's bytes
// [0, sourceLength); the output collects from `base` on and has `outputSize`
// of them. Completing in place, the output is the incomplete file itself
// (base 0, outputSize = sourceLength).
struct HeldBytes {
    std::int64_t sourceLength = 0;
    std::int64_t base = 0;
    std::int64_t outputSize = 0;
};

struct RangePlan {
    std::int64_t from = 0; // first byte asked for
    std::int64_t compareUntil = 0; // body bytes below this are compared, never written over
    std::int64_t writeFrom = 0; // body bytes from here on go into the output
    std::int64_t heldStart = 0; // the first byte held (bytes below it cannot be compared)
};

// Nothing when the output already reaches the remote file's end.
std::optional<RangePlan> PlanRange(const HeldBytes& held, std::int64_t remoteLength,
                                   std::int64_t window = kCheckWindow);

} // namespace tailfetch

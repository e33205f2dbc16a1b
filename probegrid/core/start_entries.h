#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace probegrid {

// The start window's checks: a first name, a second name when two players
// play, and an item count that reads as a number from 1 to 12. The count is
// checked even when it is about to be drawn at random. Gives the typed count
// rounded half to even, or nothing when the entries are refused.
std::optional<std::int16_t> acceptStartEntries(std::string_view name1, std::string_view name2,
                                               bool twoPlayers, std::string_view itemsText);

} // namespace probegrid

#include "probegrid/core/start_entries.h"

#include "common/core/numbers.h"

namespace probegrid {

std::optional<std::int16_t> acceptStartEntries(std::string_view name1, std::string_view name2,
                                               bool twoPlayers, std::string_view itemsText)
{
    if (name1.empty() || (twoPlayers && name2.empty()))
        return std::nullopt;
    const std::optional<double> items = numbers::parseReal(itemsText);
    if (!items || *items > 12 || *items < 1)
        return std::nullopt;
    return static_cast<std::int16_t>(numbers::roundHalfEven(*items));
}

} // namespace probegrid

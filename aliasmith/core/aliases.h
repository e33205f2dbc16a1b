#pragma once

#include "core/profiles.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Alias addresses: the network part of the user's own Hamachi address
// followed by a number of the program's choosing.
namespace aliasmith {

// The own address up to and including its last dot, the final character not
// counting; empty without such a dot. "5.12.34.56" gives "5.12.34.".
std::string AliasPrefix(std::string_view ownAddress);

struct NextAlias {
    enum class Outcome {
        Ok,
        InvalidIp,     // no prefix and the address does not end in a digit
        YourIpInvalid, // the address has no numeric fourth part
    };
    Outcome outcome = Outcome::Ok;
    std::string alias;
};

// The alias for a new row: one above the highest fourth part among the
// existing aliases, stepping over the user's own number. Aliases without a
// numeric fourth part are left out of the count.
NextAlias nextAlias(std::string_view ownAddress, const std::vector<std::string>& aliases);

// "Update masks": the prefix followed by 1, 2, ... for `count` rows.
std::vector<std::string> renumberedAliases(std::string_view ownAddress, std::size_t count);

// Hamachi's aliases.txt: "true IP alias" per row, CR LF after each line.
std::string formatAliasesFile(const std::vector<AliasRow>& rows);

} // namespace aliasmith

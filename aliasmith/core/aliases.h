#pragma once

#include "aliasmith/core/profiles.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Alias addresses: the network part of the user's own Hamachi address
// followed by a number of the program's choosing.
namespace aliasmith {

// The own address up to and including its last dot, the final character not
// counting; empty without such a dot. "5.12.34.56" gives "5.12.34.".
std::string AliasPrefix(std::string_view ownAddress);

// The last number of an address that exists: 255 is the broadcast address
// of the network and Hamachi never hands it out.
inline constexpr int kHighestAliasNumber = 254;

struct NextAlias {
    enum class Outcome {
        Ok,
        InvalidIp, // no prefix and the address does not end in a digit
        YourIpInvalid, // the address has no numeric fourth part
        NoAliasLeft, // the next number would pass kHighestAliasNumber
    };
    Outcome outcome = Outcome::Ok;
    std::string alias;
};

// The alias for a new row: one above the highest fourth part among the
// existing aliases, stepping over the user's own number. Aliases without a
// numeric fourth part are left out of the count.
NextAlias nextAlias(std::string_view ownAddress, const std::vector<std::string>& aliases);

// "Update masks": the prefix followed by 1, 2, ... for `count` rows; nothing
// when there are more rows than numbers up to kHighestAliasNumber.
std::optional<std::vector<std::string>> renumberedAliases(std::string_view ownAddress,
                                                          std::size_t count);

enum class FieldCheck {
    Ok,
    Separator, // a blank, tab, line end or other control character inside
    NotWindows1252, // a character Hamachi's alias file cannot hold
};

// An address as a row or the own-address box holds it. The files split rows
// at spaces and line ends, so an address with a blank inside would shift
// the fields of its row once written; blanks at the ends are the caller's
// to trim.
FieldCheck checkAddress(std::string_view address);

// A nick is the rest of its row line, so only line ends and other control
// characters split it; it must also fit the alias file's code page, which
// the profile shares so that one nick does not change the whole file's
// encoding.
FieldCheck checkNick(std::string_view nick);

// Hamachi's aliases.txt: "true IP alias" per row, CR LF after each line, in
// Windows-1252. Nothing when a row's address could not be read back as
// written (see checkAddress).
std::optional<std::string> formatAliasesFile(const std::vector<AliasRow>& rows);

// One line of aliases.txt as Hamachi would take it apart.
struct AliasLine {
    std::string trueIp;
    std::string alias;

    bool operator==(const AliasLine&) const = default;
};

// The lines of an aliases.txt: true IP up to the first space, the alias after
// it; a line without a space is a true IP alone.
std::vector<AliasLine> parseAliasesFile(std::string_view bytes);

} // namespace aliasmith

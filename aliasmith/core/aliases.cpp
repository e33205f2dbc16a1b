#include "core/aliases.h"

#include "core/text_files.h"

#include "common/core/numbers.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace aliasmith {
namespace {

// Beyond this a double no longer holds every whole number, so a larger
// fourth part cannot be counted up from exactly.
constexpr double kLargestAliasNumber = 1e15;

std::optional<double> fourthPart(std::string_view address)
{
    const auto parts = splitAt(address, '.');
    if (parts.size() < 4)
        return std::nullopt;
    return numbers::parseReal(parts[3]);
}

} // namespace

std::string AliasPrefix(std::string_view ownAddress)
{
    if (ownAddress.size() < 2)
        return {};
    const auto dot = ownAddress.substr(0, ownAddress.size() - 1).rfind('.');
    if (dot == std::string_view::npos)
        return {};
    return std::string(ownAddress.substr(0, dot + 1));
}

NextAlias nextAlias(std::string_view ownAddress, const std::vector<std::string>& aliases)
{
    const std::string prefix = AliasPrefix(ownAddress);
    const bool endsInDigit = !ownAddress.empty() && ownAddress.back() >= '0' &&
                             ownAddress.back() <= '9';
    if (prefix.empty() && !endsInDigit)
        return {NextAlias::Outcome::InvalidIp, {}};

    std::int64_t number = 0;
    for (const auto& alias : aliases) {
        const auto part = fourthPart(alias);
        if (!part || !std::isfinite(*part) || *part > kLargestAliasNumber)
            continue;
        if (*part > static_cast<double>(number))
            number = static_cast<std::int64_t>(numbers::roundHalfEven(*part));
    }
    ++number;

    const auto own = fourthPart(ownAddress);
    if (!own)
        return {NextAlias::Outcome::YourIpInvalid, {}};
    if (*own == static_cast<double>(number))
        ++number;
    return {NextAlias::Outcome::Ok, prefix + std::to_string(number)};
}

std::vector<std::string> renumberedAliases(std::string_view ownAddress, std::size_t count)
{
    const std::string prefix = AliasPrefix(ownAddress);
    std::vector<std::string> aliases;
    aliases.reserve(count);
    for (std::size_t i = 1; i <= count; ++i)
        aliases.push_back(prefix + std::to_string(i));
    return aliases;
}

std::string formatAliasesFile(const std::vector<AliasRow>& rows)
{
    std::string text;
    for (const auto& row : rows)
        text += oneLine(row.trueIp) + ' ' + oneLine(row.alias) + "\r\n";
    return encodeText(text);
}

} // namespace aliasmith

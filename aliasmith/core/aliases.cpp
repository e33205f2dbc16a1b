#include "aliasmith/core/aliases.h"

#include "aliasmith/core/text_files.h"

#include "common/core/cp1252.h"
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

// Bytes of UTF-8 text below 0x80 are whole characters, so a byte test finds
// every ASCII blank and control character and nothing else.
bool isSeparatorOrControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F;
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
    const bool endsInDigit =
        !ownAddress.empty() && ownAddress.back() >= '0' && ownAddress.back() <= '9';
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
    if (number > kHighestAliasNumber)
        return {NextAlias::Outcome::NoAliasLeft, {}};
    return {NextAlias::Outcome::Ok, prefix + std::to_string(number)};
}

std::optional<std::vector<std::string>> renumberedAliases(std::string_view ownAddress,
                                                          std::size_t count)
{
    if (count > static_cast<std::size_t>(kHighestAliasNumber))
        return std::nullopt;
    const std::string prefix = AliasPrefix(ownAddress);
    std::vector<std::string> aliases;
    aliases.reserve(count);
    for (std::size_t i = 1; i <= count; ++i)
        aliases.push_back(prefix + std::to_string(i));
    return aliases;
}

FieldCheck checkAddress(std::string_view address)
{
    for (const char c : address) {
        if (isSeparatorOrControl(c))
            return FieldCheck::Separator;
    }
    return fitsWindows1252(address) ? FieldCheck::Ok : FieldCheck::NotWindows1252;
}

FieldCheck checkNick(std::string_view nick)
{
    for (const char c : nick) {
        if (c != ' ' && isSeparatorOrControl(c))
            return FieldCheck::Separator;
    }
    return fitsWindows1252(nick) ? FieldCheck::Ok : FieldCheck::NotWindows1252;
}

std::optional<std::string> formatAliasesFile(const std::vector<AliasRow>& rows)
{
    std::string text;
    for (const auto& row : rows) {
        if (checkAddress(row.trueIp) != FieldCheck::Ok || checkAddress(row.alias) != FieldCheck::Ok)
            return std::nullopt;
        text += row.trueIp + ' ' + row.alias + "\r\n";
    }
    return encodeWindows1252(text);
}

std::vector<AliasLine> parseAliasesFile(std::string_view bytes)
{
    std::vector<AliasLine> lines;
    for (const auto& line : splitLines(cp1252::toUtf8(bytes))) {
        const auto space = line.find(' ');
        if (space == std::string::npos)
            lines.push_back({line, {}});
        else
            lines.push_back({line.substr(0, space), line.substr(space + 1)});
    }
    return lines;
}

} // namespace aliasmith

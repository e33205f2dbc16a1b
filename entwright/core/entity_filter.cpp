#include "entwright/core/entity_filter.h"

#include <algorithm>

namespace ent {
namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool containsFolded(std::string_view text, std::string_view needle)
{
    if (needle.empty())
        return true;
    const auto found = std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                                   [](char a, char b) { return lower(a) == lower(b); });
    return found != text.end();
}

// The text between the quote at `from` (or the first quote after it) and the
// next quote.
std::optional<std::string_view> quoted(std::string_view line, std::size_t& from)
{
    const std::size_t open = line.find('"', from);
    if (open == std::string_view::npos)
        return std::nullopt;
    const std::size_t close = line.find('"', open + 1);
    if (close == std::string_view::npos)
        return std::nullopt;
    from = close + 1;
    return line.substr(open + 1, close - open - 1);
}

} // namespace

std::optional<std::string_view> KeyValue(const EntityRecord& record, std::string_view key)
{
    for (const std::string_view line : record.KeyLines) {
        std::size_t at = line.find_first_not_of(" \t");
        if (at == std::string_view::npos || line[at] != '"')
            continue;
        const std::optional<std::string_view> lineKey = quoted(line, at);
        if (!lineKey || *lineKey != key)
            continue;
        if (const std::optional<std::string_view> value = quoted(line, at))
            return value;
    }
    return std::nullopt;
}

std::string EntityDetail(const EntityRecord& record)
{
    if (const auto name = KeyValue(record, "targetname"); name && !name->empty())
        return std::string(*name);
    if (const auto origin = KeyValue(record, "origin"); origin && !origin->empty())
        return std::string(*origin);
    return {};
}

bool EntityMatches(const EntityRecord& record, FilterField field, std::string_view needle)
{
    if (needle.empty())
        return true;
    switch (field) {
    case FilterField::ClassName: {
        const std::optional<std::string> name = EntityListName(record.ClassLine);
        return name && containsFolded(*name, needle);
    }
    case FilterField::TargetName: {
        const std::optional<std::string_view> name = KeyValue(record, "targetname");
        return name && containsFolded(*name, needle);
    }
    case FilterField::AnyText:
        return std::any_of(record.KeyLines.begin(), record.KeyLines.end(),
                           [needle](std::string_view line) {
                               return containsFolded(line, needle);
                           });
    }
    return false;
}

std::vector<std::size_t> MatchingEntities(const EntityTable& table, FilterField field,
                                          std::string_view needle)
{
    std::vector<std::size_t> rows;
    rows.reserve(needle.empty() ? table.Entities.size() : 0);
    for (std::size_t i = 0; i < table.Entities.size(); ++i)
        if (EntityMatches(table.Entities[i], field, needle))
            rows.push_back(i);
    return rows;
}

} // namespace ent

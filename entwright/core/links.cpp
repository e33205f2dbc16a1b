#include "entwright/core/links.h"

#include "entwright/core/map_check.h"

#include <algorithm>

namespace ent {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A quoted text from `at`, which must point at its opening quote; moves
// `at` past the closing quote.
std::optional<std::string_view> quoted(std::string_view line, std::size_t& at)
{
    if (at >= line.size() || line[at] != '"')
        return std::nullopt;
    const std::size_t close = line.find('"', at + 1);
    if (close == std::string_view::npos)
        return std::nullopt;
    const std::string_view text = line.substr(at + 1, close - at - 1);
    at = close + 1;
    return text;
}

void skipBlanks(std::string_view line, std::size_t& at)
{
    while (at < line.size() && isBlank(line[at]))
        ++at;
}

} // namespace

std::optional<KeyValueView> ReadKeyValue(std::string_view line)
{
    std::size_t at = 0;
    skipBlanks(line, at);
    const std::optional<std::string_view> key = quoted(line, at);
    if (!key)
        return std::nullopt;
    skipBlanks(line, at);
    const std::optional<std::string_view> value = quoted(line, at);
    if (!value)
        return std::nullopt;
    // Trailing blanks (and the CR of a CR LF line) are not part of the pair.
    while (at < line.size() && (isBlank(line[at]) || line[at] == '\r'))
        ++at;
    if (at != line.size())
        return std::nullopt;
    return KeyValueView{*key, *value};
}

std::string WithValue(std::string_view line, std::string_view value, std::string_view newValue)
{
    const auto at = static_cast<std::size_t>(value.data() - line.data());
    std::string out;
    out.reserve(line.size() - value.size() + newValue.size());
    out.append(line.substr(0, at));
    out.append(newValue);
    out.append(line.substr(at + value.size()));
    return out;
}

std::optional<std::string_view> ValueOf(const EntityRecord& record, std::string_view key)
{
    for (const std::string_view line : record.KeyLines) {
        const std::optional<KeyValueView> pair = ReadKeyValue(line);
        if (pair && pair->key == key)
            return pair->value;
    }
    return std::nullopt;
}

std::string_view ClassOf(const EntityRecord& record)
{
    std::string_view name;
    for (const std::string_view line : record.KeyLines) {
        const std::optional<KeyValueView> pair = ReadKeyValue(line);
        if (pair && pair->key == "classname")
            name = pair->value;
    }
    return name;
}

bool LinkKeyByName(std::string_view, std::string_view key)
{
    return IsTargetKeyName(key);
}

std::vector<std::size_t> EntitiesNamed(const EntityTable& table, std::string_view name)
{
    std::vector<std::size_t> found;
    if (name.empty())
        return found;
    for (std::size_t i = 0; i < table.Entities.size(); ++i) {
        const std::optional<std::string_view> own = ValueOf(table.Entities[i], "targetname");
        if (own && *own == name)
            found.push_back(i);
    }
    return found;
}

std::vector<Reference> ReferencesTo(const EntityTable& table, std::string_view name,
                                    const LinkKeyRule& isLink)
{
    std::vector<Reference> found;
    if (name.empty())
        return found;
    for (std::size_t i = 0; i < table.Entities.size(); ++i) {
        const EntityRecord& record = table.Entities[i];
        const std::string_view className = ClassOf(record);
        std::size_t lineIndex = 0;
        for (const std::string_view line : record.KeyLines) {
            const std::optional<KeyValueView> pair = ReadKeyValue(line);
            if (pair && pair->value == name && isLink(className, pair->key))
                found.push_back({i, lineIndex});
            ++lineIndex;
        }
    }
    return found;
}

std::vector<std::size_t> UsedBy(const EntityTable& table, std::size_t entity,
                                const LinkKeyRule& isLink)
{
    std::vector<std::size_t> users;
    if (entity >= table.Entities.size())
        return users;
    const std::optional<std::string_view> name = ValueOf(table.Entities[entity], "targetname");
    if (!name)
        return users;
    for (const Reference& reference : ReferencesTo(table, *name, isLink))
        if (users.empty() || users.back() != reference.entity)
            users.push_back(reference.entity);
    return users;
}

std::optional<std::size_t> NextNamed(const EntityTable& table, std::string_view name,
                                     std::optional<std::size_t> current)
{
    const std::vector<std::size_t> named = EntitiesNamed(table, name);
    if (named.empty())
        return std::nullopt;
    if (current) {
        const auto after = std::upper_bound(named.begin(), named.end(), *current);
        if (after != named.end())
            return *after;
    }
    return named.front();
}

} // namespace ent

#include "entwright/core/property_rows.h"

#include "entwright/core/links.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace ent {
namespace {

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The first three numbers of a colour and where the text after them starts.
struct ColourParts {
    std::array<double, 3> numbers{};
    std::size_t rest = 0;
};

std::optional<ColourParts> colourParts(std::string_view value)
{
    ColourParts parts;
    std::size_t at = 0;
    for (double& number : parts.numbers) {
        while (at < value.size() && value[at] == ' ')
            ++at;
        const std::size_t start = at;
        while (at < value.size() && value[at] != ' ')
            ++at;
        if (start == at)
            return std::nullopt;
        const std::string word(value.substr(start, at - start));
        char* end = nullptr;
        number = std::strtod(word.c_str(), &end);
        if (end != word.c_str() + word.size())
            return std::nullopt;
    }
    parts.rest = at;
    return parts;
}

} // namespace

const FgdClass* ClassForRecord(const GameData& data, const EntityRecord& record)
{
    const std::string_view name = ClassOf(record);
    return name.empty() ? nullptr : data.findEntityClass(name);
}

std::vector<PropertyRow> PropertyRows(const GameData& data, const FgdClass* cls,
                                      const EntityRecord& record)
{
    std::vector<PropertyRow> rows;
    std::vector<const FgdKey*> keys;
    if (cls)
        keys = data.keys(*cls);
    rows.reserve(keys.size() + record.KeyLines.size());

    // Where each line of the record goes: a known key's row, or a raw row.
    struct Line {
        std::string_view key;
        std::string_view value;
        bool pair = false;
        bool used = false;
    };
    std::vector<Line> lines;
    lines.reserve(record.KeyLines.size());
    for (const std::string_view text : record.KeyLines) {
        const std::optional<KeyValueView> pair = ReadKeyValue(text);
        lines.push_back(pair ? Line{pair->key, pair->value, true, false} : Line{text, {}, false});
    }

    for (const FgdKey* key : keys) {
        PropertyRow row;
        row.definition = key;
        row.key = key->name;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].pair && !lines[i].used && sameName(lines[i].key, key->name)) {
                lines[i].used = true;
                row.line = i;
                row.key = std::string(lines[i].key);
                row.value = std::string(lines[i].value);
                break;
            }
        }
        if (!row.line)
            row.value = key->defaultValue.value_or(std::string());
        row.isDefault = !row.line || (key->defaultValue && *key->defaultValue == row.value);
        rows.push_back(std::move(row));
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].used)
            continue;
        PropertyRow row;
        row.line = i;
        row.key = std::string(lines[i].key);
        row.value = std::string(lines[i].value);
        row.unreadable = !lines[i].pair;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<long long> WholeNumber(std::string_view value)
{
    const std::string_view text = trimmed(value);
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return number;
}

bool FlagIsSet(std::string_view value, std::uint32_t bit)
{
    const auto number = static_cast<unsigned long long>(WholeNumber(value).value_or(0));
    return (number & bit) != 0;
}

std::string WithFlag(std::string_view value, std::uint32_t bit, bool on)
{
    auto number = static_cast<unsigned long long>(WholeNumber(value).value_or(0));
    if (on == ((number & bit) != 0))
        return std::string(value);
    number = on ? number | bit : number & ~static_cast<unsigned long long>(bit);
    return std::to_string(static_cast<long long>(number));
}

std::optional<std::array<int, 3>> ColourOf(std::string_view value, bool unitRange)
{
    const std::optional<ColourParts> parts = colourParts(value);
    if (!parts)
        return std::nullopt;
    std::array<int, 3> rgb{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double scaled = unitRange ? parts->numbers[i] * 255.0 : parts->numbers[i];
        rgb[i] = static_cast<int>(std::lround(std::fmin(255.0, std::fmax(0.0, scaled))));
    }
    return rgb;
}

std::string WithColour(std::string_view value, const std::array<int, 3>& rgb, bool unitRange)
{
    std::string out;
    for (std::size_t i = 0; i < 3; ++i) {
        if (i > 0)
            out += ' ';
        if (unitRange) {
            char text[32];
            std::snprintf(text, sizeof text, "%g", rgb[i] / 255.0);
            out += text;
        } else {
            out += std::to_string(rgb[i]);
        }
    }
    const std::optional<ColourParts> parts = colourParts(value);
    if (parts)
        out.append(value.substr(parts->rest));
    return out;
}

std::vector<std::pair<std::string, std::string>> DefaultKeys(const GameData& data,
                                                             const FgdClass& cls)
{
    std::vector<std::pair<std::string, std::string>> keys;
    for (const FgdKey* key : data.keys(cls)) {
        // Flags with defaults set are written as the number they make.
        if (key->type == FgdKeyType::Flags) {
            unsigned long long flags = 0;
            for (const FgdChoice& choice : key->choices) {
                if (choice.defaultOn)
                    flags |= static_cast<unsigned long long>(WholeNumber(choice.value).value_or(0));
            }
            if (flags != 0)
                keys.emplace_back(key->name, std::to_string(flags));
            continue;
        }
        if (key->defaultValue && !key->defaultValue->empty() && !sameName(key->name, "classname"))
            keys.emplace_back(key->name, *key->defaultValue);
    }
    return keys;
}

} // namespace ent

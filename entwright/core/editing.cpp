#include "entwright/core/editing.h"

#include <utility>

namespace ent {
namespace {

bool holdsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// The characters from 1-based `start`, at most `length` of them; nothing when
// the range lies outside the text or the length is not positive.
std::string_view mid(std::string_view text, std::ptrdiff_t start, std::ptrdiff_t length)
{
    const auto size = static_cast<std::ptrdiff_t>(text.size());
    if (length <= 0 || start < 1 || start > size)
        return {};
    return text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(length));
}

bool holdsQuote(std::string_view text)
{
    return text.find('"') != std::string_view::npos;
}

EditResult checkKeyAndValue(std::string_view key, std::string_view value)
{
    if (key.empty() || value.empty())
        return EditResult::EmptyField;
    if (holdsLineBreak(key) || holdsLineBreak(value))
        return EditResult::LineBreak;
    // The game reads a quote as the end of the key or value.
    if (holdsQuote(key) || holdsQuote(value))
        return EditResult::QuoteInside;
    return EditResult::Done;
}

constexpr std::size_t kLongestKey = 31;
constexpr std::size_t kLongestValue = 1023;

} // namespace

std::string MakeKeyLine(std::string_view key, std::string_view value)
{
    std::string line;
    line.reserve(key.size() + value.size() + 5);
    line += '"';
    line += key;
    line += "\" \"";
    line += value;
    line += '"';
    return line;
}

KeyAndValue SplitKeyLine(std::string_view line)
{
    line = SkipLeadingBlanks(line);
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos)
        return {std::string(line), {}};
    const auto p = static_cast<std::ptrdiff_t>(space) + 1;
    const auto n = static_cast<std::ptrdiff_t>(line.size());
    return {std::string(mid(line, 2, p - 3)), std::string(mid(line, p + 2, n - p - 2))};
}

EditResult AddKeyLine(EntityTable& table, std::size_t entity, std::string_view key,
                      std::string_view value)
{
    if (entity >= table.Entities.size())
        return EditResult::NoSuchEntity;
    if (const EditResult check = checkKeyAndValue(key, value); check != EditResult::Done)
        return check;
    table.Entities[entity].KeyLines.push_back(LineText(MakeKeyLine(key, value)));
    return EditResult::Done;
}

EditResult ApplyKeyLine(EntityTable& table, std::size_t entity, std::size_t line,
                        std::string_view key, std::string_view value)
{
    if (entity >= table.Entities.size())
        return EditResult::NoSuchEntity;
    EntityRecord& record = table.Entities[entity];
    if (line >= record.KeyLines.size())
        return EditResult::NoSuchLine;
    if (key.empty() || value.empty())
        return EditResult::EmptyField;
    const std::string_view stored = record.KeyLines[line];
    const KeyAndValue shown = SplitKeyLine(stored);
    if (shown.key == key && shown.value == value)
        return EditResult::Unchanged;
    if (const EditResult check = checkKeyAndValue(key, value); check != EditResult::Done)
        return check;
    std::string rebuilt = MakeKeyLine(key, value);
    if (IsClassLine(stored) && !IsClassLine(rebuilt))
        return EditResult::ClassLineKept;
    record.KeyLines.replace(line, LineText(std::move(rebuilt)));
    return EditResult::Done;
}

EditResult DeleteKeyLine(EntityTable& table, std::size_t entity, std::size_t line)
{
    if (entity >= table.Entities.size())
        return EditResult::NoSuchEntity;
    EntityRecord& record = table.Entities[entity];
    if (line >= record.KeyLines.size())
        return EditResult::NoSuchLine;
    if (IsClassLine(record.KeyLines[line]))
        return EditResult::ClassLineProtected;
    record.KeyLines.erase(line);
    return EditResult::Done;
}

EditResult AddEntity(EntityTable& table, std::string_view name)
{
    if (holdsLineBreak(name))
        return EditResult::LineBreak;
    if (holdsQuote(name))
        return EditResult::QuoteInside;
    EntityRecord record;
    record.ClassLine = LineText(MakeKeyLine("classname", name));
    record.KeyLines.push_back(record.ClassLine);
    table.Entities.push_back(std::move(record));
    return EditResult::Done;
}

EditResult DeleteEntity(EntityTable& table, std::size_t entity)
{
    if (entity >= table.Entities.size())
        return EditResult::NoSuchEntity;
    if (table.Entities.size() == 1)
        return EditResult::OnlyEntity;
    table.Entities.erase(table.Entities.begin() + static_cast<std::ptrdiff_t>(entity));
    return EditResult::Done;
}

std::string LengthWarning(std::string_view key, std::string_view value)
{
    std::string text;
    if (key.size() > kLongestKey)
        text += "The key is " + std::to_string(key.size()) +
                " bytes long; the game keeps only its first " + std::to_string(kLongestKey) + ".";
    if (value.size() > kLongestValue) {
        if (!text.empty())
            text += ' ';
        text += "The value is " + std::to_string(value.size()) +
                " bytes long; the game keeps only its first " + std::to_string(kLongestValue) + ".";
    }
    return text;
}

} // namespace ent

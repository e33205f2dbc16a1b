#include "entwright/core/map_check.h"

#include "entwright/core/bsp_map.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <unordered_set>

namespace ent {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\0';
}

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

// One word as the engine's parser takes it, from `at`; nothing at the end.
std::optional<std::string_view> nextToken(std::string_view line, std::size_t& at)
{
    while (at < line.size() && isBlank(line[at]))
        ++at;
    if (at >= line.size())
        return std::nullopt;
    if (line[at] == '"') {
        const std::size_t start = ++at;
        const std::size_t end = line.find('"', start);
        if (end == std::string_view::npos) {
            at = line.size();
            return line.substr(start);
        }
        at = end + 1;
        return line.substr(start, end - start);
    }
    const std::size_t start = at;
    while (at < line.size() && !isBlank(line[at]) && line[at] != '"')
        ++at;
    return line.substr(start, at - start);
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool isInteger(std::string_view text, bool allowSign = true)
{
    text = trimmed(text);
    if (allowSign && !text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isNumber(std::string_view text)
{
    text = trimmed(text);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        const std::size_t exponent = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        if (i == exponent)
            return false;
    }
    return i == text.size();
}

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t')
            ++i;
        if (i > start)
            out.push_back(text.substr(start, i - start));
    }
    return out;
}

bool isColor255(std::string_view value)
{
    const auto parts = words(value);
    if (parts.size() != 3 && parts.size() != 4)
        return false;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (!isInteger(parts[i], false))
            return false;
        // The fourth number of a light is its brightness, which may pass 255.
        if (i < 3 && (parts[i].size() > 3 || std::stoi(std::string(parts[i])) > 255))
            return false;
    }
    return true;
}

bool isColor1(std::string_view value)
{
    const auto parts = words(value);
    return (parts.size() == 3 || parts.size() == 4) &&
           std::all_of(parts.begin(), parts.end(), [](std::string_view p) { return isNumber(p); });
}

bool sameChoice(std::string_view value, std::string_view choice)
{
    if (trimmed(value) == trimmed(choice))
        return true;
    // "05" is choice 5 to the engine, which reads the number.
    if (isInteger(value) && isInteger(choice)) {
        try {
            return std::stoll(std::string(trimmed(value))) ==
                   std::stoll(std::string(trimmed(choice)));
        } catch (...) {
            return false;
        }
    }
    return false;
}

std::string quote(std::string_view text)
{
    constexpr std::size_t kShown = 60;
    if (text.size() > kShown)
        return "'" + std::string(text.substr(0, kShown)) + "...'";
    return "'" + std::string(text) + "'";
}

// What is wrong with a value for its key's type; empty when nothing is.
std::string typeProblem(const FgdKey& key, std::string_view value)
{
    if (value.empty())
        return {};
    const std::string name = quote(key.name);
    switch (key.type) {
    case FgdKeyType::Integer:
        if (!isInteger(value))
            return name + " should be a whole number, not " + quote(value);
        break;
    case FgdKeyType::Float:
        if (!isNumber(value))
            return name + " should be a number, not " + quote(value);
        break;
    case FgdKeyType::Flags:
        if (!isInteger(value))
            return name + " should be a whole number of flags, not " + quote(value);
        break;
    case FgdKeyType::Choices:
        if (!key.choices.empty() &&
            std::none_of(key.choices.begin(), key.choices.end(),
                         [&](const FgdChoice& choice) { return sameChoice(value, choice.value); }))
            return name + " is " + quote(value) + ", which is none of its choices";
        break;
    case FgdKeyType::Color255:
        if (!isColor255(value))
            return name + " should be three numbers from 0 to 255 (and a brightness), not " +
                   quote(value);
        break;
    case FgdKeyType::Color1:
        if (!isColor1(value))
            return name + " should be three numbers from 0 to 1 (and a brightness), not " +
                   quote(value);
        break;
    default: break;
    }
    return {};
}

std::size_t countNewLines(const char* from, const char* to)
{
    std::size_t count = 0;
    while (from < to) {
        const void* found = std::memchr(from, '\n', static_cast<std::size_t>(to - from));
        if (!found)
            break;
        ++count;
        from = static_cast<const char*>(found) + 1;
    }
    return count;
}

} // namespace

EngineLimits HalfLifeLimits()
{
    return {"Half-Life", 900, 31, 1023};
}

std::vector<EngineLimits> EngineLimitProfiles()
{
    return {HalfLifeLimits()};
}

std::optional<EngineLimits> FindLimitProfile(std::string_view name)
{
    for (EngineLimits& profile : EngineLimitProfiles())
        if (sameName(profile.name, name))
            return profile;
    return std::nullopt;
}

std::optional<KeyLineParts> ParseKeyLine(std::string_view line)
{
    std::size_t at = 0;
    const auto key = nextToken(line, at);
    if (!key)
        return std::nullopt;
    const auto value = nextToken(line, at);
    if (!value)
        return std::nullopt;
    return KeyLineParts{*key, *value};
}

bool IsTargetKeyName(std::string_view key)
{
    return key == "target" || key == "killtarget" || key == "master" || key == "netname";
}

bool IsTargetKey(const GameData* data, const FgdClass* cls, std::string_view key)
{
    if (data && cls)
        if (const FgdKey* known = data->findKey(*cls, key))
            return known->type == FgdKeyType::TargetDestination;
    return IsTargetKeyName(key);
}

std::vector<std::size_t> RecordFileLines(const EntityTable& table)
{
    std::vector<std::size_t> lines(table.Entities.size(), 0);
    if (!table.Source)
        return lines;
    const std::string& source = *table.Source;
    std::size_t counted = 0;
    std::size_t line = 1;
    for (std::size_t i = 0; i < table.Entities.size(); ++i) {
        const SourceSpan opening = table.Entities[i].Opening;
        const std::size_t end = std::size_t{opening.offset} + opening.length;
        if (opening.empty() || end > source.size())
            continue; // a record made since the read
        if (end < counted) {
            counted = 0;
            line = 1;
        }
        line += countNewLines(source.data() + counted, source.data() + end);
        counted = end;
        lines[i] = line;
    }
    return lines;
}

std::optional<EntityTable> ReadMapEntities(const std::filesystem::path& path, ReadReport* report)
{
    ReadReport local;
    ReadReport& used = report ? *report : local;
    if (!IsBspPath(path))
        return ReadEntFile(path, &used);
    used = ReadReport{};
    std::optional<std::string> bytes = ReadFileBytes(path, &used.reason);
    if (!bytes) {
        used.error = ReadError::CannotRead;
        return std::nullopt;
    }
    const std::optional<std::string_view> text = BspEntityText(*bytes, &used.reason);
    if (!text) {
        used.error = ReadError::NotAMap;
        return std::nullopt;
    }
    return ParseEntText(*text, &used);
}

std::vector<CheckProblem> CheckEntities(const EntityTable& table, const CheckOptions& options,
                                        const ReadReport* report)
{
    std::vector<CheckProblem> problems;
    if (report && report->strayLines > 0) {
        CheckProblem stray;
        stray.kind = CheckKind::StrayText;
        stray.entity = 0;
        stray.fileLine = report->firstStrayLine;
        stray.text =
            report->strayLines == 1
                ? std::string("a line outside the entity blocks belongs to no entity")
                : std::to_string(report->strayLines) +
                      " lines outside the entity blocks (the first here) belong to no entity";
        problems.push_back(std::move(stray));
    }
    const std::vector<std::size_t> firstLines = RecordFileLines(table);
    const EngineLimits& limits = options.limits;
    const GameData* data = options.gameData;

    std::unordered_set<std::string_view> targetNames;
    targetNames.reserve(table.Entities.size());
    for (const EntityRecord& record : table.Entities)
        for (const std::string_view line : record.KeyLines)
            if (const auto parts = ParseKeyLine(line); parts && parts->key == "targetname")
                targetNames.insert(parts->value);

    std::vector<std::pair<std::string_view, std::size_t>> seen;
    for (std::size_t e = 0; e < table.Entities.size(); ++e) {
        const EntityRecord& record = table.Entities[e];
        const std::size_t firstLine = firstLines[e];
        const auto add = [&](CheckKind kind, std::optional<std::size_t> keyLine, std::string text,
                             CheckSeverity severity = CheckSeverity::Warning) {
            CheckProblem problem;
            problem.kind = kind;
            problem.severity = severity;
            problem.entity = e;
            problem.keyLine = keyLine;
            problem.fileLine = firstLine == 0 ? 0 : firstLine + keyLine.value_or(0);
            problem.text = std::move(text);
            problems.push_back(std::move(problem));
        };
        if (e == limits.maxEntities)
            add(CheckKind::TooManyEntities, std::nullopt,
                "the map has " + std::to_string(table.Entities.size()) + " entities; " +
                    limits.name + " takes at most " + std::to_string(limits.maxEntities),
                CheckSeverity::Error);

        if (!EntityListName(record.ClassLine)) {
            add(CheckKind::NoClassName, std::nullopt,
                "this entity has no \"classname\" line: the game drops it and the window cannot "
                "open the map",
                CheckSeverity::Error);
            continue;
        }
        const auto classParts = ParseKeyLine(record.ClassLine);
        const std::string_view className = classParts ? classParts->value : std::string_view();
        const FgdClass* cls = nullptr;
        std::size_t classLineIndex = 0;
        if (data) {
            cls = data->findEntityClass(className);
            std::size_t k = 0;
            for (const std::string_view line : record.KeyLines) {
                if (line.data() == record.ClassLine.view().data() ||
                    line == record.ClassLine.view())
                    classLineIndex = k;
                ++k;
            }
            if (!cls && !data->empty())
                add(CheckKind::UnknownClass, classLineIndex,
                    "class " + quote(className) + " is not in the game data");
        }

        seen.clear();
        std::size_t k = 0;
        for (const std::string_view line : record.KeyLines) {
            const std::size_t index = k++;
            const auto parts = ParseKeyLine(line);
            if (!parts)
                continue;
            const auto [key, value] = *parts;
            if (key.size() > limits.maxKeyLength)
                add(CheckKind::KeyTooLong, index,
                    "key " + quote(key) + " is " + std::to_string(key.size()) + " bytes long; " +
                        limits.name + " keeps only its first " +
                        std::to_string(limits.maxKeyLength));
            if (value.size() > limits.maxValueLength)
                add(CheckKind::ValueTooLong, index,
                    "the value of " + quote(key) + " is " + std::to_string(value.size()) +
                        " bytes long; " + limits.name + " keeps only its first " +
                        std::to_string(limits.maxValueLength));
            const auto earlier =
                std::find_if(seen.begin(), seen.end(),
                             [&wanted = key](const auto& s) { return s.first == wanted; });
            if (earlier != seen.end()) {
                const std::size_t at = firstLine == 0 ? 0 : firstLine + earlier->second;
                add(CheckKind::DuplicateKey, index,
                    "key " + quote(key) + " is given again in this entity (first " +
                        (at ? "at line " + std::to_string(at)
                            : "as line " + std::to_string(earlier->second + 1) + " of the entity") +
                        "); the game keeps the last");
            } else {
                seen.emplace_back(key, index);
            }
            if (!value.empty() && IsTargetKey(data, cls, key) && !targetNames.count(value))
                add(CheckKind::NoSuchTarget, index,
                    quote(key) + " names " + quote(value) +
                        ", which no entity has as its targetname");
            if (cls)
                if (const FgdKey* known = data->findKey(*cls, key))
                    if (std::string text = typeProblem(*known, value); !text.empty())
                        add(CheckKind::WrongType, index, std::move(text));
        }
    }
    return problems;
}

CheckProblem LoadFailureProblem(const ReadReport& report)
{
    CheckProblem problem;
    problem.kind = CheckKind::LoadFailure;
    problem.severity = CheckSeverity::Error;
    problem.fileLine = report.line;
    problem.text = DescribeReadFailure(report);
    return problem;
}

std::string FormatCheckProblem(std::string_view file, const CheckProblem& problem)
{
    std::string text(file);
    if (problem.fileLine != 0)
        text += ":" + std::to_string(problem.fileLine);
    text += problem.severity == CheckSeverity::Error ? ": error: " : ": warning: ";
    text += problem.text;
    return text;
}

std::string CheckSummary(std::string_view file, const std::vector<CheckProblem>& problems)
{
    const auto errors = static_cast<std::size_t>(
        std::count_if(problems.begin(), problems.end(),
                      [](const CheckProblem& p) { return p.severity == CheckSeverity::Error; }));
    const std::size_t warnings = problems.size() - errors;
    std::string text(file);
    if (problems.empty())
        return text + ": no problems";
    text += ": ";
    if (errors > 0)
        text += std::to_string(errors) + (errors == 1 ? " error" : " errors");
    if (errors > 0 && warnings > 0)
        text += ", ";
    if (warnings > 0)
        text += std::to_string(warnings) + (warnings == 1 ? " warning" : " warnings");
    return text;
}

} // namespace ent

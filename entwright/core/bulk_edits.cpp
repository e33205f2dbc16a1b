#include "entwright/core/bulk_edits.h"

#include <algorithm>
#include <regex>
#include <utility>

namespace ent {
namespace {

EditResult checkText(std::string_view text)
{
    if (text.find_first_of("\r\n") != std::string_view::npos)
        return EditResult::LineBreak;
    if (text.find('"') != std::string_view::npos)
        return EditResult::QuoteInside;
    return EditResult::Done;
}

// Replaces every occurrence of `find` in `text`; counts them into `count`.
std::string replacePlain(std::string_view text, std::string_view find, std::string_view replacement,
                         std::size_t& count)
{
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = text.find(find); at != std::string_view::npos;
         at = text.find(find, from)) {
        out.append(text.substr(from, at - from));
        out.append(replacement);
        from = at + find.size();
        ++count;
    }
    out.append(text.substr(from));
    return out;
}

std::string replaceRegex(const std::string& text, const std::regex& expression,
                         const std::string& replacement, std::size_t& count)
{
    std::string out;
    auto last = text.cbegin();
    for (auto it = std::sregex_iterator(text.begin(), text.end(), expression);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& match = *it;
        // An empty match (as of "x*") would count once between every two
        // characters; it replaces nothing a user asked for.
        if (match.length(0) == 0)
            continue;
        out.append(last, match[0].first);
        out.append(match.format(replacement));
        last = match[0].second;
        ++count;
    }
    out.append(last, text.cend());
    return out;
}

} // namespace

BulkPlan PlanSetKey(const EntityTable& table, const std::vector<std::size_t>& entities,
                    std::string_view key, std::string_view value)
{
    BulkPlan plan;
    if (key.empty() || value.empty()) {
        plan.result = EditResult::EmptyField;
        return plan;
    }
    if ((plan.result = checkText(key)) != EditResult::Done ||
        (plan.result = checkText(value)) != EditResult::Done)
        return plan;
    for (const std::size_t entity : entities) {
        if (entity >= table.Entities.size()) {
            plan = {EditResult::NoSuchEntity, {}};
            return plan;
        }
        EntityRecord record = table.Entities[entity];
        std::size_t index = 0;
        bool found = false;
        bool changed = false;
        for (const std::string_view line : record.KeyLines) {
            const std::optional<KeyValueView> pair = ReadKeyValue(line);
            if (pair && pair->key == key) {
                found = true;
                changed = pair->value != value;
                if (changed)
                    record.KeyLines.replace(index, LineText(WithValue(line, pair->value, value)));
                break;
            }
            ++index;
        }
        if (!found) {
            record.KeyLines.push_back(LineText(MakeKeyLine(key, value)));
            changed = true;
        }
        if (changed)
            plan.changes.push_back({entity, std::move(record)});
    }
    return plan;
}

BulkPlan PlanDeleteKey(const EntityTable& table, const std::vector<std::size_t>& entities,
                       std::string_view key)
{
    BulkPlan plan;
    if (key.empty()) {
        plan.result = EditResult::EmptyField;
        return plan;
    }
    if (key == "classname") {
        plan.result = EditResult::ClassLineProtected;
        return plan;
    }
    for (const std::size_t entity : entities) {
        if (entity >= table.Entities.size()) {
            plan = {EditResult::NoSuchEntity, {}};
            return plan;
        }
        EntityRecord record = table.Entities[entity];
        bool changed = false;
        for (std::size_t i = record.KeyLines.size(); i-- > 0;) {
            const std::optional<KeyValueView> pair = ReadKeyValue(record.KeyLines[i]);
            if (pair && pair->key == key) {
                record.KeyLines.erase(i);
                changed = true;
            }
        }
        if (changed)
            plan.changes.push_back({entity, std::move(record)});
    }
    return plan;
}

RenamePlan PlanRename(const EntityTable& table, std::size_t entity, std::string_view newName,
                      bool withReferences, const LinkKeyRule& isLink,
                      std::optional<std::size_t> nameLine)
{
    RenamePlan plan;
    if (entity >= table.Entities.size()) {
        plan.result = EditResult::NoSuchEntity;
        return plan;
    }
    if (newName.empty()) {
        plan.result = EditResult::EmptyField;
        return plan;
    }
    if ((plan.result = checkText(newName)) != EditResult::Done)
        return plan;
    const EntityRecord& named = table.Entities[entity];
    std::optional<std::string_view> oldName;
    if (nameLine) {
        const std::optional<KeyValueView> pair = *nameLine < named.KeyLines.size()
                                                     ? ReadKeyValue(named.KeyLines[*nameLine])
                                                     : std::nullopt;
        if (!pair || pair->key != "targetname") {
            plan.result = EditResult::NoSuchLine;
            return plan;
        }
        oldName = pair->value;
    } else {
        oldName = ValueOf(named, "targetname");
    }
    std::vector<Reference> references;
    if (oldName && !oldName->empty() && *oldName != newName)
        references = ReferencesTo(table, *oldName, isLink);
    plan.references = references.size();

    // One record per changed entity, the renamed one first.
    if (nameLine) {
        EntityRecord renamed = named;
        renamed.KeyLines.replace(*nameLine,
                                 LineText(WithValue(named.KeyLines[*nameLine], *oldName, newName)));
        plan.changes.push_back({entity, std::move(renamed)});
    } else {
        plan.changes = PlanSetKey(table, {entity}, "targetname", newName).changes;
    }
    if (!withReferences)
        return plan;
    for (const Reference& reference : references) {
        auto holder =
            std::find_if(plan.changes.begin(), plan.changes.end(),
                         [&](const RecordChange& c) { return c.entity == reference.entity; });
        if (holder == plan.changes.end()) {
            plan.changes.push_back({reference.entity, table.Entities[reference.entity]});
            holder = plan.changes.end() - 1;
        }
        const std::string_view line = holder->after.KeyLines[reference.line];
        const std::optional<KeyValueView> pair = ReadKeyValue(line);
        holder->after.KeyLines.replace(reference.line,
                                       LineText(WithValue(line, pair->value, newName)));
    }
    return plan;
}

ReplacePlan PlanReplace(const EntityTable& table, const ReplaceQuery& query)
{
    ReplacePlan plan;
    if (query.find.empty() || (!query.inKeys && !query.inValues)) {
        plan.result = EditResult::EmptyField;
        return plan;
    }
    std::optional<std::regex> expression;
    if (query.regularExpression) {
        try {
            expression.emplace(query.find, std::regex::ECMAScript);
        } catch (const std::regex_error& error) {
            plan.result = EditResult::EmptyField;
            plan.badExpression = error.what();
            return plan;
        }
    } else if ((plan.result = checkText(query.replacement)) != EditResult::Done) {
        return plan;
    }
    const auto replace = [&](std::string_view text, std::size_t& count) {
        return expression ? replaceRegex(std::string(text), *expression, query.replacement, count)
                          : replacePlain(text, query.find, query.replacement, count);
    };

    for (std::size_t entity = 0; entity < table.Entities.size(); ++entity) {
        const EntityRecord& record = table.Entities[entity];
        std::optional<EntityRecord> after;
        std::size_t index = 0;
        for (const std::string_view line : record.KeyLines) {
            const std::optional<KeyValueView> pair = ReadKeyValue(line);
            const std::size_t at = index++;
            if (!pair)
                continue;
            std::size_t count = 0;
            std::string key(pair->key);
            // A class line must stay one: its key is never replaced.
            if (query.inKeys && pair->key != "classname")
                key = replace(pair->key, count);
            std::string value =
                query.inValues ? replace(pair->value, count) : std::string(pair->value);
            if (count == 0)
                continue;
            if (key.empty() || checkText(key) != EditResult::Done ||
                checkText(value) != EditResult::Done) {
                // A replacement that would break the line's quoting is
                // refused whole rather than applied to some lines only.
                plan.result = key.empty() ? EditResult::EmptyField : EditResult::QuoteInside;
                if (checkText(key) == EditResult::LineBreak ||
                    checkText(value) == EditResult::LineBreak)
                    plan.result = EditResult::LineBreak;
                plan.changes.clear();
                return plan;
            }
            if (!after)
                after = record;
            // A line whose key stays keeps its own spacing.
            after->KeyLines.replace(at,
                                    LineText(key == pair->key ? WithValue(line, pair->value, value)
                                                              : MakeKeyLine(key, value)));
            plan.occurrences += count;
            ++plan.lines;
        }
        if (after)
            plan.changes.push_back({entity, std::move(*after)});
    }
    return plan;
}

} // namespace ent

#include "entwright/core/entity_document.h"

#include <algorithm>
#include <utility>

namespace ent {

void EntityDocument::reset(EntityTable table)
{
    table_ = std::move(table);
    changes_.clear();
    done_ = 0;
    saved_ = 0;
}

void EntityDocument::push(Change change)
{
    changes_.erase(changes_.begin() + static_cast<std::ptrdiff_t>(done_), changes_.end());
    if (saved_ && *saved_ > done_)
        saved_.reset();
    changes_.push_back(std::move(change));
    ++done_;
}

EditResult EntityDocument::addKeyLine(std::size_t entity, std::string_view key,
                                      std::string_view value)
{
    if (entity >= table_.Entities.size())
        return EditResult::NoSuchEntity;
    EntityRecord before = table_.Entities[entity];
    const EditResult result = AddKeyLine(table_, entity, key, value);
    if (result == EditResult::Done)
        pushStep({Kind::Replace, entity, std::move(before), table_.Entities[entity]});
    return result;
}

EditResult EntityDocument::applyKeyLine(std::size_t entity, std::size_t line, std::string_view key,
                                        std::string_view value)
{
    if (entity >= table_.Entities.size())
        return EditResult::NoSuchEntity;
    EntityRecord before = table_.Entities[entity];
    const EditResult result = ApplyKeyLine(table_, entity, line, key, value);
    if (result == EditResult::Done)
        pushStep({Kind::Replace, entity, std::move(before), table_.Entities[entity]});
    return result;
}

EditResult EntityDocument::deleteKeyLine(std::size_t entity, std::size_t line)
{
    if (entity >= table_.Entities.size())
        return EditResult::NoSuchEntity;
    EntityRecord before = table_.Entities[entity];
    const EditResult result = DeleteKeyLine(table_, entity, line);
    if (result == EditResult::Done)
        pushStep({Kind::Replace, entity, std::move(before), table_.Entities[entity]});
    return result;
}

EditResult EntityDocument::addEntity(std::string_view name)
{
    const EditResult result = AddEntity(table_, name);
    if (result == EditResult::Done)
        pushStep({Kind::Insert, table_.Entities.size() - 1, {}, table_.Entities.back()});
    return result;
}

EditResult EntityDocument::addEntity(std::string_view name,
                                     const std::vector<std::pair<std::string, std::string>>& keys)
{
    EntityTable scratch;
    EditResult result = AddEntity(scratch, name);
    for (const auto& [key, value] : keys) {
        if (result != EditResult::Done)
            return result;
        result = AddKeyLine(scratch, 0, key, value);
    }
    if (result != EditResult::Done)
        return result;
    table_.Entities.push_back(std::move(scratch.Entities.front()));
    pushStep({Kind::Insert, table_.Entities.size() - 1, {}, table_.Entities.back()});
    return result;
}

EditResult EntityDocument::deleteEntity(std::size_t entity)
{
    if (entity >= table_.Entities.size())
        return EditResult::NoSuchEntity;
    EntityRecord before = table_.Entities[entity];
    const EditResult result = DeleteEntity(table_, entity);
    if (result == EditResult::Done)
        pushStep({Kind::Erase, entity, std::move(before), {}});
    return result;
}

EditResult EntityDocument::replaceRecords(std::vector<RecordChange> changes)
{
    Change change;
    for (RecordChange& record : changes) {
        if (record.entity >= table_.Entities.size())
            return EditResult::NoSuchEntity;
    }
    if (changes.empty())
        return EditResult::Unchanged;
    for (RecordChange& record : changes) {
        EntityRecord& at = table_.Entities[record.entity];
        change.push_back({Kind::Replace, record.entity, at, record.after});
        at = std::move(record.after);
    }
    push(std::move(change));
    return EditResult::Done;
}

EditResult EntityDocument::deleteEntities(std::vector<std::size_t> entities)
{
    std::sort(entities.begin(), entities.end());
    entities.erase(std::unique(entities.begin(), entities.end()), entities.end());
    if (entities.empty())
        return EditResult::Unchanged;
    if (entities.back() >= table_.Entities.size())
        return EditResult::NoSuchEntity;
    if (entities.size() >= table_.Entities.size())
        return EditResult::OnlyEntity;
    // From the back, so each index still names the record it named.
    Change change;
    for (auto it = entities.rbegin(); it != entities.rend(); ++it) {
        const auto at = table_.Entities.begin() + static_cast<std::ptrdiff_t>(*it);
        change.push_back({Kind::Erase, *it, std::move(*at), {}});
        table_.Entities.erase(at);
    }
    push(std::move(change));
    return EditResult::Done;
}

std::optional<std::size_t> EntityDocument::undo()
{
    if (!canUndo())
        return std::nullopt;
    const Change& change = changes_[--done_];
    for (auto step = change.rbegin(); step != change.rend(); ++step) {
        auto at = table_.Entities.begin() + static_cast<std::ptrdiff_t>(step->index);
        switch (step->kind) {
        case Kind::Replace: *at = step->before; break;
        case Kind::Insert: table_.Entities.erase(at); break;
        case Kind::Erase: table_.Entities.insert(at, step->before); break;
        }
    }
    return change.back().index;
}

std::optional<std::size_t> EntityDocument::redo()
{
    if (!canRedo())
        return std::nullopt;
    const Change& change = changes_[done_++];
    for (const Step& step : change) {
        auto at = table_.Entities.begin() + static_cast<std::ptrdiff_t>(step.index);
        switch (step.kind) {
        case Kind::Replace: *at = step.after; break;
        case Kind::Insert: table_.Entities.insert(at, step.after); break;
        case Kind::Erase: table_.Entities.erase(at); break;
        }
    }
    return change.front().index;
}

} // namespace ent

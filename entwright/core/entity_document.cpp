#include "core/entity_document.h"

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
        push({Kind::Replace, entity, std::move(before), table_.Entities[entity]});
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
        push({Kind::Replace, entity, std::move(before), table_.Entities[entity]});
    return result;
}

EditResult EntityDocument::deleteKeyLine(std::size_t entity, std::size_t line)
{
    if (entity >= table_.Entities.size())
        return EditResult::NoSuchEntity;
    EntityRecord before = table_.Entities[entity];
    const EditResult result = DeleteKeyLine(table_, entity, line);
    if (result == EditResult::Done)
        push({Kind::Replace, entity, std::move(before), table_.Entities[entity]});
    return result;
}

EditResult EntityDocument::addEntity(std::string_view name)
{
    const EditResult result = AddEntity(table_, name);
    if (result == EditResult::Done)
        push({Kind::Insert, table_.Entities.size() - 1, {}, table_.Entities.back()});
    return result;
}

EditResult EntityDocument::deleteEntity(std::size_t entity)
{
    if (entity >= table_.Entities.size())
        return EditResult::NoSuchEntity;
    EntityRecord before = table_.Entities[entity];
    const EditResult result = DeleteEntity(table_, entity);
    if (result == EditResult::Done)
        push({Kind::Erase, entity, std::move(before), {}});
    return result;
}

std::optional<std::size_t> EntityDocument::undo()
{
    if (!canUndo())
        return std::nullopt;
    const Change& change = changes_[--done_];
    auto at = table_.Entities.begin() + static_cast<std::ptrdiff_t>(change.index);
    switch (change.kind) {
    case Kind::Replace: *at = change.before; break;
    case Kind::Insert: table_.Entities.erase(at); break;
    case Kind::Erase: table_.Entities.insert(at, change.before); break;
    }
    return change.index;
}

std::optional<std::size_t> EntityDocument::redo()
{
    if (!canRedo())
        return std::nullopt;
    const Change& change = changes_[done_++];
    auto at = table_.Entities.begin() + static_cast<std::ptrdiff_t>(change.index);
    switch (change.kind) {
    case Kind::Replace: *at = change.after; break;
    case Kind::Insert: table_.Entities.insert(at, change.after); break;
    case Kind::Erase: table_.Entities.erase(at); break;
    }
    return change.index;
}

} // namespace ent

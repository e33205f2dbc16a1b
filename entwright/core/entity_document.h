#pragma once

#include "entwright/core/bulk_edits.h"
#include "entwright/core/editing.h"
#include "entwright/core/entity_file.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <string_view>
#include <vector>

namespace ent {

// The open table with the edits made since it was read, so that every change
// can be undone and redone back to the last open, and the window can tell
// whether the table still matches what was last saved.
class EntityDocument {
public:
    const EntityTable& table() const { return table_; }

    // A freshly read (or saved-as-new) table: no history, nothing unsaved.
    void reset(EntityTable table);

    EditResult addKeyLine(std::size_t entity, std::string_view key, std::string_view value);
    EditResult applyKeyLine(std::size_t entity, std::size_t line, std::string_view key,
                            std::string_view value);
    EditResult deleteKeyLine(std::size_t entity, std::size_t line);
    EditResult addEntity(std::string_view name);
    // A new entity whose class line is followed by these keys, as one step.
    EditResult addEntity(std::string_view name,
                         const std::vector<std::pair<std::string, std::string>>& keys);
    EditResult deleteEntity(std::size_t entity);
    // Several records replaced, or several removed, as one step.
    EditResult replaceRecords(std::vector<RecordChange> changes);
    EditResult deleteEntities(std::vector<std::size_t> entities);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < changes_.size(); }
    // The entity the undone or redone change touched; nothing when there was
    // nothing to do. After an entity is taken away again the index may lie
    // past the end of the table.
    std::optional<std::size_t> undo();
    std::optional<std::size_t> redo();

    bool modified() const { return !saved_ || *saved_ != done_; }
    void markSaved() { saved_ = done_; }

private:
    enum class Kind { Replace, Insert, Erase };
    struct Step {
        Kind kind;
        std::size_t index;
        EntityRecord before; // Replace, Erase
        EntityRecord after; // Replace, Insert
    };
    // What one undo takes back: its steps were made in order and are undone
    // in reverse.
    using Change = std::vector<Step>;

    void push(Change change);
    void pushStep(Step step) { push(Change{std::move(step)}); }

    EntityTable table_;
    std::vector<Change> changes_;
    // How many of `changes_` are in effect; the rest can be redone.
    std::size_t done_ = 0;
    // The value of `done_` when the table matched the file; nothing once that
    // state can no longer be reached (its redo steps were replaced).
    std::optional<std::size_t> saved_ = 0;
};

} // namespace ent

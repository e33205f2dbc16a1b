#pragma once

#include "entwright/core/editing.h"
#include "entwright/core/entity_file.h"
#include "entwright/core/links.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Edits that touch many records at once. Each only plans: it gives the new
// records, and the document applies them as one step that one undo takes back.
namespace ent {

struct RecordChange {
    std::size_t entity = 0;
    EntityRecord after;
};

// Sets `key` to `value` on each entity: the first line with that key is
// rebuilt, or a new line is added at the end. Lines already holding the value
// are left as they are.
struct BulkPlan {
    EditResult result = EditResult::Done;
    std::vector<RecordChange> changes;
};
BulkPlan PlanSetKey(const EntityTable& table, const std::vector<std::size_t>& entities,
                    std::string_view key, std::string_view value);

// Removes every line with `key` from each entity; classname cannot go.
BulkPlan PlanDeleteKey(const EntityTable& table, const std::vector<std::size_t>& entities,
                       std::string_view key);

// Gives `entity` the targetname `newName`, and with `withReferences` also
// every link line that named its old name. `references` counts those lines
// whether or not they are taken along, so the user can be asked first. The
// name is read from and written to line `nameLine` when given, else to the
// first targetname line (a new one when there is none).
struct RenamePlan {
    EditResult result = EditResult::Done;
    std::size_t references = 0;
    std::vector<RecordChange> changes;
};
RenamePlan PlanRename(const EntityTable& table, std::size_t entity, std::string_view newName,
                      bool withReferences, const LinkKeyRule& isLink = LinkKeyByName,
                      std::optional<std::size_t> nameLine = std::nullopt);

// Find and replace over the keys and values of `"key" "value"` lines.
struct ReplaceQuery {
    std::string find;
    std::string replacement;
    bool regularExpression = false; // ECMAScript syntax; $1 in the replacement
    bool inKeys = true;
    bool inValues = true;
};
struct ReplacePlan {
    // Set when the expression does not compile (with why), or the result
    // would hold a quote or line break (QuoteInside, LineBreak).
    EditResult result = EditResult::Done;
    std::string badExpression;
    std::size_t occurrences = 0;
    std::size_t lines = 0;
    std::vector<RecordChange> changes;
};
// Class lines keep their key: a match there is left alone.
ReplacePlan PlanReplace(const EntityTable& table, const ReplaceQuery& query);

} // namespace ent

#pragma once

#include "entwright/core/entity_file.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How entities point at one another: a key such as `target` holds the
// `targetname` of the entity it triggers.
namespace ent {

// The key and value of a `"key" "value"` line, read the way the game reads
// it: blanks before and between the two quoted texts are allowed. Nothing for
// a line that is not such a pair.
struct KeyValueView {
    std::string_view key;
    std::string_view value;
};
std::optional<KeyValueView> ReadKeyValue(std::string_view line);

// `line` with its value replaced and every other byte (blanks, tabs, the
// key) kept, so that setting a value and setting it back gives the line that
// was read. `value` must be what ReadKeyValue gave for this very line.
std::string WithValue(std::string_view line, std::string_view value, std::string_view newValue);

// The value of the first line with `key` in the record; nothing when none has it.
std::optional<std::string_view> ValueOf(const EntityRecord& record, std::string_view key);

// The class the record's lines name (its last class line), for the rules
// that depend on the class; empty when it names none.
std::string_view ClassOf(const EntityRecord& record);

// Whether a key of an entity of class `className` names another entity.
// Game data answers this by the key's type; without it, LinkKeyByName does.
using LinkKeyRule = std::function<bool(std::string_view className, std::string_view key)>;

// target, killtarget, master and netname, whatever the class.
bool LinkKeyByName(std::string_view className, std::string_view key);

// The entities whose targetname is `name`, in table order.
std::vector<std::size_t> EntitiesNamed(const EntityTable& table, std::string_view name);

// One line that points at a name.
struct Reference {
    std::size_t entity = 0;
    std::size_t line = 0;
};

// Every link line whose value is `name`, in table order.
std::vector<Reference> ReferencesTo(const EntityTable& table, std::string_view name,
                                    const LinkKeyRule& isLink = LinkKeyByName);

// The entities that point at `entity` through its targetname, each once, in
// table order; none when it has no targetname.
std::vector<std::size_t> UsedBy(const EntityTable& table, std::size_t entity,
                                const LinkKeyRule& isLink = LinkKeyByName);

// Of the entities named `name`, the one after `current` (wrapping round), so
// that pressing "Go to target" again visits each of them; nothing when no
// entity has the name.
std::optional<std::size_t> NextNamed(const EntityTable& table, std::string_view name,
                                     std::optional<std::size_t> current);

} // namespace ent

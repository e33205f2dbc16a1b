#pragma once

#include "entwright/core/entity_file.h"
#include "entwright/core/fgd_model.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An entity's keys as the property table shows them with game data loaded:
// the keys its class defines, in the game data's order, then every line the
// game data does not know, as it stands.
namespace ent {

struct PropertyRow {
    // The key as the entity (or, for a key it lacks, the game data) spells it.
    std::string key;
    // The game data's definition; null for a key it does not know, which is
    // shown and edited as the raw value.
    const FgdKey* definition = nullptr;
    // The entity's line holding the key; nothing when it lacks the key, whose
    // row then shows the default.
    std::optional<std::size_t> line;
    // The value on that line, else the default (empty when there is none).
    std::string value;
    // The value shown is the game data's default: the key is missing, or
    // holds exactly the default.
    bool isDefault = false;
    // Lines that are not `"key" "value"` pairs: shown whole, never touched.
    bool unreadable = false;
};

// The rows for a record; `cls` may be null (a class the game data lacks),
// and then every line is a raw row.
std::vector<PropertyRow> PropertyRows(const GameData& data, const FgdClass* cls,
                                      const EntityRecord& record);

// The class the game data has for a record's classname; null when none.
const FgdClass* ClassForRecord(const GameData& data, const EntityRecord& record);

// Spawn flags: whether `bit` is set in a value, and the value with it set or
// cleared. A value that is not a number counts as 0.
bool FlagIsSet(std::string_view value, std::uint32_t bit);
std::string WithFlag(std::string_view value, std::uint32_t bit, bool on);

// Colours as "R G B" (0-255, color255, where a fourth number is the
// brightness) or "R G B" from 0 to 1 (color1). Nothing for text that does not
// start with three numbers.
std::optional<std::array<int, 3>> ColourOf(std::string_view value, bool unitRange);
// The value with its colour replaced and whatever follows the three numbers
// (a brightness) kept.
std::string WithColour(std::string_view value, const std::array<int, 3>& rgb, bool unitRange);

// The value as a whole number, when it is exactly one.
std::optional<long long> WholeNumber(std::string_view value);

// The key lines a new entity of `cls` starts with after its class line: each
// key that has a default, in the game data's order.
std::vector<std::pair<std::string, std::string>> DefaultKeys(const GameData& data,
                                                             const FgdClass& cls);

} // namespace ent

#pragma once

#include "entwright/core/entity_file.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Finding entities in a large list: what the filter box matches and what the
// list shows beside each name so that entities of one class can be told apart.
namespace ent {

enum class FilterField { ClassName, TargetName, AnyText };

// Whether the record matches `needle`, compared without regard to ASCII case:
// in its list name, in its targetname value, or anywhere in its lines. An
// empty needle matches every record.
bool EntityMatches(const EntityRecord& record, FilterField field, std::string_view needle);

// The value of the first `"key" "value"` line with this key; blanks before
// the line's first quote are allowed. Nothing when no line holds the key.
std::optional<std::string_view> KeyValue(const EntityRecord& record, std::string_view key);

// What the list shows beside the name: the targetname, else the origin,
// else nothing.
std::string EntityDetail(const EntityRecord& record);

// The records (by index) that match, in table order.
std::vector<std::size_t> MatchingEntities(const EntityTable& table, FilterField field,
                                          std::string_view needle);

} // namespace ent

#pragma once

#include "entwright/core/entity_file.h"

#include <cstddef>
#include <string>
#include <string_view>

// The editing rules of the main window, over the table and its raw lines.
// Keys, values and names arrive as Windows-1252 bytes.
namespace ent {

// `"key" "value"`, taken as typed; quotes inside are not escaped.
std::string MakeKeyLine(std::string_view key, std::string_view value);

struct KeyAndValue {
    std::string key;
    std::string value;
};

// Splits a stored line for display by position around its first space (blanks
// and tabs in front passed over, as the game does): the
// key is what lies between the first character and the character before the
// space, the value what lies between the character after the space and the
// last. Lines that are not `"key" "value"` come out shifted, by design. A line
// without a space shows whole as the key.
KeyAndValue SplitKeyLine(std::string_view line);

enum class EditResult {
    Done,
    EmptyField, // key or value (Add, Apply) is empty
    LineBreak, // key, value or entity name holds CR or LF
    ClassLineProtected, // Del on a class line
    ClassLineKept, // Apply would turn the class line into another key
    QuoteInside, // a double quote in a key, value or entity name
    Unchanged, // Apply with the key and value the line already shows
    OnlyEntity, // the last remaining entity cannot go
    NoSuchEntity,
    NoSuchLine,
};

// A new line at the end of the record. The record's ClassLine stays as it
// is, even when the new key is classname.
EditResult AddKeyLine(EntityTable& table, std::size_t entity, std::string_view key,
                      std::string_view value);

// Replaces a line. When the key and value are exactly what SplitKeyLine shows
// for it, the line stays as it was (Unchanged): a line the split cannot show
// faithfully must not be rebuilt just because Apply was pressed. The class
// line may get a new value but must stay a class line; ClassLine keeps its
// old text, so the list name changes only when the file is opened again.
EditResult ApplyKeyLine(EntityTable& table, std::size_t entity, std::size_t line,
                        std::string_view key, std::string_view value);

// Removes a line unless it is a class line; the lines after it move up.
EditResult DeleteKeyLine(EntityTable& table, std::size_t entity, std::size_t line);

// A new record at the end whose only line is `"classname" "<name>"`. The name
// is not checked beyond line breaks: an empty one lists as an empty name.
EditResult AddEntity(EntityTable& table, std::string_view name);

// Removes a record; the records after it move up in order.
EditResult DeleteEntity(EntityTable& table, std::size_t entity);

// A warning when the game will cut what was typed: keys over 31 bytes and
// values over 1023 bytes are kept whole here but not by the engine. Empty
// when both fit.
std::string LengthWarning(std::string_view key, std::string_view value);

} // namespace ent

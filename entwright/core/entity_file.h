#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The entity list of a Half-Life map as Entwright keeps it: one record per
// `{` ... `}` block, each line held as the raw bytes read from the file. The
// bytes are never decoded here, so a line nobody edits is written back exactly
// as it was read, whatever code page it was written in.
namespace ent {

struct EntityRecord {
    // The block's lines in file order, quotes and spacing included.
    std::vector<std::string> KeyLines;
    // A copy of the block's last class line; empty when it has none. Only the
    // entity list shows it, so later edits of the line do not touch it.
    std::string ClassLine;

    // Index of the last line; -1 for a record without lines.
    std::ptrdiff_t LastKey() const { return static_cast<std::ptrdiff_t>(KeyLines.size()) - 1; }
};

struct EntityTable {
    std::vector<EntityRecord> Entities;

    std::ptrdiff_t LastEntity() const { return static_cast<std::ptrdiff_t>(Entities.size()) - 1; }
};

// Characters 2 to 10 spell "classname", case-sensitively; the first character
// and whatever follows the tenth are not looked at.
bool IsClassLine(std::string_view line);

// The name the entity list shows for a class line: everything from the 14th
// character on except the last, i.e. the value between its quotes. Nothing
// when the line is shorter than 14 characters (no class line at all included).
std::optional<std::string> EntityListName(std::string_view classLine);

enum class ReadError {
    None,
    CannotRead,    // missing, unreadable, or a folder
    NoBlock,       // not a single `{` ... `}` block
    UnclosedBlock, // the file ends inside a block
    NoClassName,   // a block without a class line of at least 14 characters
};

// Splits .ent text into records. Lines end at LF or CR LF; a line that is
// exactly `{` outside a block opens one, and every line up to the next line
// that is exactly `}` belongs to it. Whatever stands outside blocks is dropped.
std::optional<EntityTable> ParseEntText(std::string_view text, ReadError* error = nullptr);

std::optional<EntityTable> ReadEntFile(const std::filesystem::path& path,
                                       ReadError* error = nullptr);

// The list names of all records in table order, or nothing when a record has
// no usable class line.
std::optional<std::vector<std::string>> EntityListNames(const EntityTable& table);

// What Open needs before it may replace anything on screen: the whole table
// and every list name.
struct OpenedFile {
    EntityTable table;
    std::vector<std::string> names;
};
std::optional<OpenedFile> OpenEntFile(const std::filesystem::path& path,
                                      ReadError* error = nullptr);

// The file text of a table: per record `{` LF, each line LF, `}` LF.
std::string EntText(const EntityTable& table);

// Writes EntText to a temporary file beside `path` and renames it over
// `path`, so a failed write leaves the old file as it was. False with
// `reason` set on failure.
bool WriteEntFile(const std::filesystem::path& path, const EntityTable& table,
                  std::string* reason = nullptr);

} // namespace ent

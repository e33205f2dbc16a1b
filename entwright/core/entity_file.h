#pragma once

#include "core/entity_lines.h"

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
    LineList KeyLines;
    // A copy of the block's last class line; empty when it has none. Only the
    // entity list shows it, so later edits of the line do not touch it.
    LineText ClassLine;

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
    CannotRead, // missing, unreadable, or a folder
    NoBlock, // not a single `{` ... `}` block
    UnclosedBlock, // the file ends inside a block
    NoClassName, // a block without a class line of at least 14 characters
    NotAMap, // a .bsp that is not a version 29 or 30 map
};

// What a read found besides the table. Line numbers count from 1.
struct ReadReport {
    ReadError error = ReadError::None;
    // Where the failure lies: the opening line of the block that never
    // closes or has no class line.
    std::size_t line = 0;
    // Why the file could not be read at all (CannotRead, NotAMap).
    std::string reason;
    // Lines outside blocks holding more than blanks and NULs; they are not
    // kept, so the user must be told before a save drops them.
    std::size_t strayLines = 0;
    std::size_t firstStrayLine = 0;
    // The opening line of the first block without a class line long enough
    // to give a list name; 0 when every block has one.
    std::size_t firstNamelessLine = 0;
};

// Splits .ent text into records. Lines end at LF, and CRs before the LF (as
// in CR LF) are not part of the line; a UTF-8 byte-order mark in front is
// skipped. A brace line may carry blanks before
// the brace and blanks, tabs or NULs after it, as tools and editors leave
// them. A `{` followed by other text opens a block whose first line is that
// text. Every line up to the next closing brace line belongs to the block.
// Whatever else stands outside blocks is dropped and counted in `report`.
std::optional<EntityTable> ParseEntText(std::string_view text, ReadReport* report = nullptr);

// The same over bytes the table may keep: its lines point into them instead
// of copying them.
std::optional<EntityTable> ParseEntBytes(SourceBytes bytes, ReadReport* report = nullptr);

std::optional<EntityTable> ReadEntFile(const std::filesystem::path& path,
                                       ReadReport* report = nullptr);

// The whole-file read every open goes through.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::string* reason);

// The whole-file atomic write every save goes through.
bool WriteFileBytes(const std::filesystem::path& path, std::string_view bytes, std::string* reason);

// A sentence for the user on why a read failed, naming the line where it has one.
std::string DescribeReadFailure(const ReadReport& report);

// A warning about the lines outside blocks that a save will not keep; empty
// when there were none.
std::string DescribeStrayLines(const ReadReport& report);

// The list names of all records in table order, or nothing when a record has
// no usable class line.
std::optional<std::vector<std::string>> EntityListNames(const EntityTable& table);

// What Open needs before it may replace anything on screen: the whole table,
// every record with a list name.
struct OpenedFile {
    EntityTable table;
};
std::optional<OpenedFile> OpenEntFile(const std::filesystem::path& path,
                                      ReadReport* report = nullptr);

// The same checks over text already in memory (a map's entity lump).
std::optional<OpenedFile> OpenEntText(std::string_view text, ReadReport* report = nullptr);

// The file text of a table: per record `{` LF, each line LF, `}` LF.
std::string EntText(const EntityTable& table);

// Writes EntText to a temporary file beside `path` and renames it over
// `path`, so a failed write leaves the old file as it was. False with
// `reason` set on failure.
bool WriteEntFile(const std::filesystem::path& path, const EntityTable& table,
                  std::string* reason = nullptr);

} // namespace ent

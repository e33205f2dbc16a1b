#pragma once

#include "entwright/core/entity_lines.h"

#include <cstddef>
#include <cstdint>
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

// A stretch of the bytes a table was read from (EntityTable::Source).
struct SourceSpan {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;

    bool empty() const { return length == 0; }
};

struct EntityRecord {
    // The block's lines in file order, quotes and spacing included.
    LineList KeyLines;
    // A copy of the block's last class line; empty when it has none. Only the
    // entity list shows it, so later edits of the line do not touch it.
    LineText ClassLine;
    // The bytes read around the lines, kept so that a save writes them back
    // as they were: from the end of the block before (blank lines and text
    // between blocks included) to the start of the first line, and from the
    // end of the last line's line end to the end of the closing brace's line
    // (or to a `{` that follows the brace on its line). Empty for records
    // made here, which are written `{`, the lines and `}` on lines of their own.
    // They are offsets into the table's Source (kept small: a map can hold
    // a hundred thousand records), so a record taken into another table must
    // have them emptied.
    SourceSpan Opening;
    SourceSpan Closing;

    // Index of the last line; -1 for a record without lines.
    std::ptrdiff_t LastKey() const { return static_cast<std::ptrdiff_t>(KeyLines.size()) - 1; }
};

struct EntityTable {
    std::vector<EntityRecord> Entities;

    // The bytes the table was read from: a line that still points into them
    // is written with the line end it had there.
    SourceBytes Source;
    // A byte-order mark read in front, and what followed the last block.
    LineText Lead;
    LineText Trailer;
    // The line end of lines and braces made here: the one most lines of the
    // file read had (CR LF or LF).
    std::string NewLineEnd = "\n";
    // For a table read from a map: what the entity lump held after its text
    // (its closing NUL, or nothing when it had none), written back with it.
    std::optional<std::string> LumpEnd;

    std::ptrdiff_t LastEntity() const { return static_cast<std::ptrdiff_t>(Entities.size()) - 1; }
};

// Blanks and tabs in front of a line, which the game skips.
std::string_view SkipLeadingBlanks(std::string_view line);

// Characters 2 to 10 spell "classname", case-sensitively, once the blanks and
// tabs in front are passed over; the first character and whatever follows
// the tenth are not looked at.
bool IsClassLine(std::string_view line);

// The name the entity list shows for a class line: everything from the 14th
// character on except the last (blanks and tabs in front passed over), i.e.
// the value between its quotes. Nothing when the line is shorter than 14
// characters (no class line at all included).
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
    // Lines outside blocks holding more than blanks and NULs; they are kept
    // as they stand but belong to no entity, so the user is told.
    std::size_t strayLines = 0;
    std::size_t firstStrayLine = 0;
    // The opening line of the first block without a class line long enough
    // to give a list name; 0 when every block has one.
    std::size_t firstNamelessLine = 0;
};

// Splits .ent text into records. Lines end at LF, and CRs before the LF (as
// in CR LF) are not part of the line; a UTF-8 byte-order mark in front is
// kept apart. A brace line may carry blanks before the brace and blanks, tabs
// or NULs after it, as tools and editors leave them. A `{` followed by other
// text opens a block whose first line is that text; a `}` followed by a `{`
// (`}{`, blanks between allowed) closes one block and opens the next. Every
// line up to the next closing brace line belongs to the block. Whatever
// stands outside blocks belongs to no record: it is kept in the records'
// Opening (or the table's Trailer) and counted in `report`.
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

// A warning about the lines outside blocks, which belong to no entity; empty
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

// The file text of a table: the byte-order mark read, then per record its
// Opening (or `{` and a line end), each line with its line end, its Closing
// (or `}` and a line end), then the Trailer. A line still pointing into the
// bytes read keeps the line end it had; other lines and braces take
// NewLineEnd. A table saved unchanged gives back the bytes it was read from.
std::string EntText(const EntityTable& table);

// The bytes of a span of the table's Source; empty when it has none or the
// span lies outside it.
std::string_view SpanText(const EntityTable& table, SourceSpan span);

// Writes EntText to a temporary file beside `path` and renames it over
// `path`, so a failed write leaves the old file as it was. False with
// `reason` set on failure.
bool WriteEntFile(const std::filesystem::path& path, const EntityTable& table,
                  std::string* reason = nullptr);

} // namespace ent

#include "entwright/core/entity_file.h"

#include "common/core/file_io.h"

#include <cstdint>
#include <cstring>
#include <exception>
#include <memory>
#include <system_error>
#include <utility>

namespace ent {
namespace {

void fail(ReadReport* report, ReadError error, std::size_t line = 0)
{
    if (report) {
        report->error = error;
        report->line = line;
    }
}

// Where the line end (CRs and an LF) after `at` stops; `at` itself when no
// LF follows the CRs.
std::size_t endOfLineEnd(std::string_view bytes, std::size_t at)
{
    std::size_t i = at;
    while (i < bytes.size() && bytes[i] == '\r')
        ++i;
    return i < bytes.size() && bytes[i] == '\n' ? i + 1 : at;
}

bool isFiller(char c)
{
    return c == ' ' || c == '\t' || c == '\0' || c == '\r';
}

bool onlyFiller(std::string_view text)
{
    for (const char c : text)
        if (!isFiller(c))
            return false;
    return true;
}

inline std::string_view skipBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
}

// The text after the brace when the line starts with it (blanks before it
// allowed); nothing when it does not.
inline std::optional<std::string_view> afterBrace(std::string_view line, char brace)
{
    // Most lines are key lines: they start with neither a blank nor a brace.
    if (line.empty() || (line.front() != brace && line.front() != ' ' && line.front() != '\t'))
        return std::nullopt;
    std::string_view rest = skipBlanks(line);
    if (rest.empty() || rest.front() != brace)
        return std::nullopt;
    rest.remove_prefix(1);
    return rest;
}

} // namespace

std::string_view SkipLeadingBlanks(std::string_view line)
{
    return skipBlanks(line);
}

bool IsClassLine(std::string_view line)
{
    line = skipBlanks(line);
    return line.size() >= 10 && line.substr(1, 9) == "classname";
}

std::optional<std::string> EntityListName(std::string_view classLine)
{
    classLine = skipBlanks(classLine);
    if (classLine.size() < 14)
        return std::nullopt;
    return std::string(classLine.substr(13, classLine.size() - 14));
}

std::optional<EntityTable> ParseEntText(std::string_view text, ReadReport* report)
{
    return ParseEntBytes(std::make_shared<const std::string>(text), report);
}

namespace {

// One line of the text from a position that may lie inside a line (after a
// brace): its text without the line end, and where the next line starts.
struct Line {
    std::size_t start = 0;
    std::string_view text; // CRs before the LF left out
    std::size_t next = 0;
    bool crlf = false; // ended by CR LF rather than a bare LF
};

inline Line lineAt(std::string_view bytes, std::size_t at)
{
    const char* start = bytes.data() + at;
    const std::size_t left = bytes.size() - at;
    const void* found = std::memchr(start, '\n', left);
    std::size_t length =
        found ? static_cast<std::size_t>(static_cast<const char*>(found) - start) : left;
    Line line;
    line.start = at;
    line.next = at + (found ? length + 1 : length);
    // Every CR before the end goes, not only the one of a CR LF: a line
    // kept as "x\r" would be written "x\r\n" and read back as "x".
    while (length > 0 && start[length - 1] == '\r')
        --length;
    line.crlf = found && length < static_cast<std::size_t>(static_cast<const char*>(found) - start);
    line.text = std::string_view(start, length);
    return line;
}

// Where a closing brace line's brace is, when `line` is one: blanks before
// the brace, and after it only filler or a `{` that opens the next block.
inline std::optional<std::size_t> closingBrace(std::string_view line)
{
    const std::optional<std::string_view> rest = afterBrace(line, '}');
    if (!rest)
        return std::nullopt;
    std::size_t i = 0;
    while (i < rest->size() && isFiller((*rest)[i]))
        ++i;
    if (i < rest->size() && (*rest)[i] != '{')
        return std::nullopt;
    return line.size() - rest->size() - 1;
}

} // namespace

std::optional<EntityTable> ParseEntBytes(SourceBytes bytes, ReadReport* report)
{
    if (report)
        *report = ReadReport{};
    const std::string_view all = *bytes;
    EntityTable table;
    table.Source = bytes;
    std::size_t pos = 0;
    if (all.substr(0, 3) == "\xEF\xBB\xBF") {
        table.Lead = LineText(bytes, all.substr(0, 3));
        pos = 3;
    }
    // Where the bytes not yet given to a record start.
    std::size_t gap = pos;
    std::size_t lineNumber = 1;
    std::size_t stray = 0;
    std::size_t firstStray = 0;
    std::size_t crlfLines = 0;
    std::size_t lfLines = 0;
    const auto count = [&](const Line& line) {
        if (line.next > line.start + line.text.size())
            ++(line.crlf ? crlfLines : lfLines);
    };
    while (pos < all.size()) {
        const Line line = lineAt(all, pos);
        const std::optional<std::string_view> opening = afterBrace(line.text, '{');
        if (!opening) {
            if (!onlyFiller(line.text) && stray++ == 0)
                firstStray = lineNumber;
            count(line);
            pos = line.next;
            ++lineNumber;
            continue;
        }
        const std::size_t openedAt = lineNumber;
        EntityRecord record;
        // The block's lines are kept as the stretch of the file from the
        // start of the first to the end of the last: consecutive lines, so
        // splitting it at LF gives them back.
        std::size_t firstStart = 0;
        std::size_t lastEnd = 0;
        std::size_t lines = 0;
        const auto keep = [&](std::string_view kept) {
            const auto at = static_cast<std::size_t>(kept.data() - all.data());
            if (lines++ == 0)
                firstStart = at;
            lastEnd = at + kept.size();
            if (IsClassLine(kept))
                record.ClassLine = LineText(bytes, kept);
        };
        // Where the closing brace line is, and the brace in it.
        std::optional<Line> closeLine;
        std::size_t brace = 0;
        // Text after the brace is the block's first line; dropping it would
        // lose the class line of blocks some tools write on one line.
        if (const auto close = closingBrace(*opening)) {
            closeLine = line; // "{}" on one line: an empty block
            brace = static_cast<std::size_t>(opening->data() - all.data()) + *close;
        } else {
            if (!onlyFiller(*opening))
                keep(skipBlanks(*opening));
            count(line);
            pos = line.next;
            ++lineNumber;
        }
        while (!closeLine && pos < all.size()) {
            const Line inside = lineAt(all, pos);
            if (const auto close = closingBrace(inside.text)) {
                closeLine = inside;
                brace = inside.start + *close;
                break;
            }
            keep(inside.text);
            count(inside);
            pos = inside.next;
            ++lineNumber;
        }
        if (!closeLine) {
            fail(report, ReadError::UnclosedBlock, openedAt);
            return std::nullopt;
        }
        // The closing brace's line ends the record, unless a `{` follows on
        // it: that brace starts the next block, on the same line.
        std::size_t after = brace + 1;
        const std::size_t textEnd = closeLine->start + closeLine->text.size();
        while (after < textEnd && isFiller(all[after]))
            ++after;
        if (after >= textEnd) {
            count(*closeLine);
            after = closeLine->next;
            ++lineNumber;
        }
        const std::size_t bodyStart = lines > 0 ? firstStart : brace;
        // The first line's own line end is part of the lines, not the opening.
        const std::size_t bodyEnd = lines > 0 ? endOfLineEnd(all, lastEnd) : brace;
        record.Opening = {static_cast<std::uint32_t>(gap),
                          static_cast<std::uint32_t>(bodyStart - gap)};
        record.Closing = {static_cast<std::uint32_t>(bodyEnd),
                          static_cast<std::uint32_t>(after - bodyEnd)};
        if (lines > 0)
            record.KeyLines = LineList(bytes, firstStart, lastEnd - firstStart, lines);
        if (report && report->firstNamelessLine == 0 &&
            skipBlanks(record.ClassLine.view()).size() < 14)
            report->firstNamelessLine = openedAt;
        table.Entities.push_back(std::move(record));
        pos = after;
        gap = after;
    }
    table.Trailer = LineText(bytes, all.substr(gap));
    if (crlfLines > lfLines)
        table.NewLineEnd = "\r\n";
    if (report) {
        report->strayLines = stray;
        report->firstStrayLine = firstStray;
    }
    if (table.Entities.empty()) {
        fail(report, ReadError::NoBlock);
        return std::nullopt;
    }
    return table;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::string* reason)
{
    // Entity lists of real maps are well under a megabyte and maps under a
    // hundred; the limit only keeps a wrong choice from taking all memory.
    constexpr std::uint64_t kEntityFileLimit = std::uint64_t{512} << 20;
    return fileio::readAll(path, kEntityFileLimit, reason);
}

bool WriteFileBytes(const std::filesystem::path& path, std::string_view bytes, std::string* reason)
{
    return fileio::writeAtomically(path, bytes, reason);
}

std::optional<EntityTable> ReadEntFile(const std::filesystem::path& path, ReadReport* report)
{
    std::string reason;
    std::optional<std::string> bytes = ReadFileBytes(path, &reason);
    if (!bytes) {
        if (report) {
            *report = ReadReport{};
            report->error = ReadError::CannotRead;
            report->reason = reason;
        }
        return std::nullopt;
    }
    // The table keeps the bytes read instead of a copy of each line.
    return ParseEntBytes(std::make_shared<const std::string>(std::move(*bytes)), report);
}

std::string DescribeReadFailure(const ReadReport& report)
{
    const std::string at = std::to_string(report.line);
    switch (report.error) {
    case ReadError::None: return {};
    case ReadError::CannotRead:
        return "The file could not be read" +
               (report.reason.empty() ? std::string(".") : ": " + report.reason + ".");
    case ReadError::NoBlock:
        return "The file holds no entity: there is no line that opens a block with {.";
    case ReadError::UnclosedBlock:
        return "The entity opened at line " + at + " is never closed with }.";
    case ReadError::NoClassName:
        return "The entity opened at line " + at + " has no \"classname\" line.";
    case ReadError::NotAMap:
        return "The file is not a Half-Life (version 30) or Quake (version 29) map" +
               (report.reason.empty() ? std::string(".") : ": " + report.reason + ".");
    }
    return {};
}

std::string DescribeStrayLines(const ReadReport& report)
{
    if (report.strayLines == 0)
        return {};
    const bool one = report.strayLines == 1;
    const std::string at = std::to_string(report.firstStrayLine);
    if (one)
        return "1 line outside the entity blocks (line " + at +
               ") belongs to no entity. Saving keeps it as it is.";
    return std::to_string(report.strayLines) +
           " lines outside the entity blocks (the first at line " + at +
           ") belong to no entity. Saving keeps them as they are.";
}

std::optional<std::vector<std::string>> EntityListNames(const EntityTable& table)
{
    std::vector<std::string> names;
    names.reserve(table.Entities.size());
    for (const EntityRecord& record : table.Entities) {
        std::optional<std::string> name = EntityListName(record.ClassLine);
        if (!name)
            return std::nullopt;
        names.push_back(std::move(*name));
    }
    return names;
}

namespace {

std::optional<OpenedFile> checkNames(std::optional<EntityTable> table, ReadReport& report)
{
    if (!table)
        return std::nullopt;
    if (report.firstNamelessLine != 0) {
        fail(&report, ReadError::NoClassName, report.firstNamelessLine);
        return std::nullopt;
    }
    return OpenedFile{std::move(*table)};
}

} // namespace

std::optional<OpenedFile> OpenEntFile(const std::filesystem::path& path, ReadReport* report)
{
    ReadReport local;
    ReadReport& used = report ? *report : local;
    std::optional<EntityTable> table = ReadEntFile(path, &used);
    return checkNames(std::move(table), used);
}

std::optional<OpenedFile> OpenEntText(std::string_view text, ReadReport* report)
{
    ReadReport local;
    ReadReport& used = report ? *report : local;
    std::optional<EntityTable> table = ParseEntText(text, &used);
    return checkNames(std::move(table), used);
}

std::string_view SpanText(const EntityTable& table, SourceSpan span)
{
    if (!table.Source || span.offset > table.Source->size() ||
        table.Source->size() - span.offset < span.length)
        return {};
    return std::string_view(*table.Source).substr(span.offset, span.length);
}

std::string EntText(const EntityTable& table)
{
    const std::string_view source = table.Source ? std::string_view(*table.Source) : "";
    const auto sourceStart = reinterpret_cast<std::uintptr_t>(source.data());
    const std::string_view newLine = table.NewLineEnd;
    // The line end a line had where it was read; lines made here (and lines
    // of another table's bytes) take the new-line end.
    const auto lineEnd = [&](std::string_view line) {
        const auto at = reinterpret_cast<std::uintptr_t>(line.data());
        if (at < sourceStart || at - sourceStart > source.size() ||
            source.size() - (at - sourceStart) < line.size())
            return newLine;
        const std::size_t end = (at - sourceStart) + line.size();
        const std::size_t stop = endOfLineEnd(source, end);
        return stop == end ? newLine : source.substr(end, stop - end);
    };
    std::size_t size = table.Lead.size() + table.Trailer.size();
    for (const EntityRecord& record : table.Entities) {
        size += record.Opening.length + record.Closing.length + 2 + 2 * newLine.size();
        for (const std::string_view line : record.KeyLines)
            size += line.size() + 2;
    }
    std::string text;
    text.reserve(size);
    text += table.Lead.view();
    for (const EntityRecord& record : table.Entities) {
        if (const std::string_view opening = SpanText(table, record.Opening); opening.empty()) {
            text += '{';
            text += newLine;
        } else {
            text += opening;
        }
        for (const std::string_view line : record.KeyLines) {
            text += line;
            text += lineEnd(line);
        }
        if (const std::string_view closing = SpanText(table, record.Closing); closing.empty()) {
            text += '}';
            text += newLine;
        } else {
            text += closing;
        }
    }
    text += table.Trailer.view();
    return text;
}

bool WriteEntFile(const std::filesystem::path& path, const EntityTable& table, std::string* reason)
{
    if (path.empty()) {
        if (reason)
            *reason = "no file name";
        return false;
    }
    return WriteFileBytes(path, EntText(table), reason);
}

} // namespace ent

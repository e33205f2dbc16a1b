#include "core/entity_file.h"

#include "common/core/file_io.h"

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

// Walks the text line by line without copying it; a line's LF and the CRs
// before it are not part of it, and a last line without an end still counts.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool next(std::string_view& line)
    {
        if (pos_ >= text_.size())
            return false;
        const char* start = text_.data() + pos_;
        const std::size_t left = text_.size() - pos_;
        const void* found = std::memchr(start, '\n', left);
        std::size_t length =
            found ? static_cast<std::size_t>(static_cast<const char*>(found) - start) : left;
        pos_ += found ? length + 1 : length;
        // Every CR before the end goes, not only the one of a CR LF: a line
        // kept as "x\r" would be written "x\r\n" and read back as "x".
        while (length > 0 && start[length - 1] == '\r')
            --length;
        line = std::string_view(start, length);
        ++number_;
        return true;
    }

    // The 1-based number of the line `next` gave last.
    std::size_t number() const { return number_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t number_ = 0;
};

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

std::string_view skipBlanks(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    return text.substr(i);
}

// The text after the brace when the line starts with it (blanks before it
// allowed); nothing when it does not.
std::optional<std::string_view> afterBrace(std::string_view line, char brace)
{
    const std::string_view rest = skipBlanks(line);
    if (rest.empty() || rest.front() != brace)
        return std::nullopt;
    return rest.substr(1);
}

bool isCloseLine(std::string_view line)
{
    const std::optional<std::string_view> rest = afterBrace(line, '}');
    return rest && onlyFiller(*rest);
}

} // namespace

bool IsClassLine(std::string_view line)
{
    return line.size() >= 10 && line.substr(1, 9) == "classname";
}

std::optional<std::string> EntityListName(std::string_view classLine)
{
    if (classLine.size() < 14)
        return std::nullopt;
    return std::string(classLine.substr(13, classLine.size() - 14));
}

std::optional<EntityTable> ParseEntText(std::string_view text, ReadReport* report)
{
    return ParseEntBytes(std::make_shared<const std::string>(text), report);
}

std::optional<EntityTable> ParseEntBytes(SourceBytes bytes, ReadReport* report)
{
    if (report)
        *report = ReadReport{};
    std::string_view text = *bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    EntityTable table;
    LineReader reader(text);
    std::string_view line;
    std::size_t stray = 0;
    std::size_t firstStray = 0;
    while (reader.next(line)) {
        const std::optional<std::string_view> opening = afterBrace(line, '{');
        if (!opening) {
            if (!onlyFiller(line) && stray++ == 0)
                firstStray = reader.number();
            continue;
        }
        const std::size_t openedAt = reader.number();
        EntityRecord record;
        // The block's lines are kept as the stretch of the file from the
        // start of the first to the end of the last: consecutive lines, so
        // splitting it at LF gives them back.
        const char* firstStart = nullptr;
        const char* lastEnd = nullptr;
        std::size_t count = 0;
        const auto keep = [&](std::string_view kept) {
            if (count++ == 0)
                firstStart = kept.data();
            lastEnd = kept.data() + kept.size();
            if (IsClassLine(kept))
                record.ClassLine = LineText(bytes, kept);
        };
        // Text after the brace is the block's first line; dropping it would
        // lose the class line of blocks some tools write on one line.
        bool closed = false;
        if (isCloseLine(*opening)) {
            closed = true; // "{}" on one line: an empty block
        } else if (!onlyFiller(*opening)) {
            keep(skipBlanks(*opening));
        }
        while (!closed && reader.next(line)) {
            if (isCloseLine(line)) {
                closed = true;
                break;
            }
            keep(line);
        }
        if (!closed) {
            fail(report, ReadError::UnclosedBlock, openedAt);
            return std::nullopt;
        }
        if (count > 0)
            record.KeyLines = LineList(bytes, static_cast<std::size_t>(firstStart - bytes->data()),
                                       static_cast<std::size_t>(lastEnd - firstStart), count);
        if (report && report->firstNamelessLine == 0 && record.ClassLine.size() < 14)
            report->firstNamelessLine = openedAt;
        table.Entities.push_back(std::move(record));
    }
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
               ") was skipped. Saving will not keep it.";
    return std::to_string(report.strayLines) +
           " lines outside the entity blocks (the first at line " + at +
           ") were skipped. Saving will not keep them.";
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

std::string EntText(const EntityTable& table)
{
    std::size_t size = 0;
    for (const EntityRecord& record : table.Entities) {
        size += 4;
        for (const std::string_view line : record.KeyLines)
            size += line.size() + 1;
    }
    std::string text;
    text.reserve(size);
    for (const EntityRecord& record : table.Entities) {
        text += "{\n";
        for (const std::string_view line : record.KeyLines) {
            text += line;
            text += '\n';
        }
        text += "}\n";
    }
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

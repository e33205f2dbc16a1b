#include "core/entity_file.h"

#include "common/core/file_io.h"

#include <cstring>
#include <exception>
#include <system_error>

namespace ent {
namespace {

void setError(ReadError* error, ReadError value)
{
    if (error)
        *error = value;
}

// Walks the text line by line without copying it; a line's LF or CR LF is
// not part of it, and a last line without an end still counts.
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
        if (found && length > 0 && start[length - 1] == '\r')
            --length;
        line = std::string_view(start, length);
        return true;
    }

    // How many lines follow up to the next line that is exactly `}` (or the
    // end), so that a block's lines are stored without regrowing.
    std::size_t linesBeforeClose() const
    {
        LineReader ahead = *this;
        std::size_t count = 0;
        std::string_view line;
        while (ahead.next(line) && line != "}")
            ++count;
        return count;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

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

std::optional<EntityTable> ParseEntText(std::string_view text, ReadError* error)
{
    EntityTable table;
    LineReader reader(text);
    std::string_view line;
    while (reader.next(line)) {
        if (line != "{")
            continue;
        EntityRecord record;
        record.KeyLines.reserve(reader.linesBeforeClose());
        bool closed = false;
        while (reader.next(line)) {
            if (line == "}") {
                closed = true;
                break;
            }
            if (IsClassLine(line))
                record.ClassLine = std::string(line);
            record.KeyLines.emplace_back(line);
        }
        if (!closed) {
            setError(error, ReadError::UnclosedBlock);
            return std::nullopt;
        }
        table.Entities.push_back(std::move(record));
    }
    if (table.Entities.empty()) {
        setError(error, ReadError::NoBlock);
        return std::nullopt;
    }
    setError(error, ReadError::None);
    return table;
}

std::optional<EntityTable> ReadEntFile(const std::filesystem::path& path, ReadError* error)
{
    // Entity lists of real maps are well under a megabyte.
    const std::optional<std::string> bytes = fileio::readAll(path, 64u << 20);
    if (!bytes) {
        setError(error, ReadError::CannotRead);
        return std::nullopt;
    }
    return ParseEntText(*bytes, error);
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

std::optional<OpenedFile> OpenEntFile(const std::filesystem::path& path, ReadError* error)
{
    std::optional<EntityTable> table = ReadEntFile(path, error);
    if (!table)
        return std::nullopt;
    std::optional<std::vector<std::string>> names = EntityListNames(*table);
    if (!names) {
        setError(error, ReadError::NoClassName);
        return std::nullopt;
    }
    return OpenedFile{std::move(*table), std::move(*names)};
}

std::string EntText(const EntityTable& table)
{
    std::size_t size = 0;
    for (const EntityRecord& record : table.Entities) {
        size += 4;
        for (const std::string& line : record.KeyLines)
            size += line.size() + 1;
    }
    std::string text;
    text.reserve(size);
    for (const EntityRecord& record : table.Entities) {
        text += "{\n";
        for (const std::string& line : record.KeyLines) {
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
    return fileio::writeAtomically(path, EntText(table), reason);
}

} // namespace ent

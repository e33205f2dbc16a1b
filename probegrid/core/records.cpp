#include "probegrid/core/records.h"

#include "common/core/file_io.h"

#include <fstream>
#include <system_error>

namespace probegrid {
namespace {

constexpr unsigned kMask = 0x5A;
void putMasked(std::string& bytes, std::int16_t value)
{
    const unsigned stored = static_cast<std::uint16_t>(value) ^ kMask;
    bytes += static_cast<char>(stored & 0xFFu);
    bytes += static_cast<char>((stored >> 8) & 0xFFu);
}

std::int16_t getMasked(std::string_view bytes, std::size_t offset)
{
    const unsigned low = static_cast<unsigned char>(bytes[offset]);
    const unsigned high = static_cast<unsigned char>(bytes[offset + 1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(((high << 8) | low) ^ kMask));
}

// At most `limit` bytes from the start of a regular file; anything after
// them is never read, however large (or sparse) the file.
std::optional<std::string> readPrefix(const std::filesystem::path& path, std::size_t limit,
                                      std::string* error = nullptr)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        if (error)
            *error = "not a regular file";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error)
            *error = "cannot open the file";
        return std::nullopt;
    }
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    if (in.bad()) {
        if (error)
            *error = "read error";
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// Rewrites the first bytes of a large file where they are; copying the file
// aside would cost time and disk in proportion to its size.
bool overwritePrefix(const std::filesystem::path& path, std::string_view bytes, std::string* error)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        if (error)
            *error = "not a regular file";
        return false;
    }
    std::fstream out(path, std::ios::in | std::ios::out | std::ios::binary);
    if (!out) {
        if (error)
            *error = "cannot open the file for writing";
        return false;
    }
    out.seekp(0);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
        if (error)
            *error = "write error";
        return false;
    }
    return true;
}

} // namespace

std::string storedName(std::string_view cp1252Name)
{
    std::string name(cp1252Name.substr(0, kRecordNameSize));
    name.resize(kRecordNameSize, ' ');
    return name;
}

std::string encodeRecord(const Record& record)
{
    std::string bytes = storedName(record.name);
    putMasked(bytes, record.lostPoints);
    putMasked(bytes, record.seconds);
    putMasked(bytes, record.items);
    return bytes;
}

std::optional<Record> decodeRecord(std::string_view bytes)
{
    if (bytes.size() < kRecordSize)
        return std::nullopt;
    Record record;
    record.name = std::string(bytes.substr(0, kRecordNameSize));
    record.lostPoints = getMasked(bytes, 32);
    record.seconds = getMasked(bytes, 34);
    record.items = getMasked(bytes, 36);
    return record;
}

bool recordFileExists(const std::filesystem::path& path)
{
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    return !ec && size != static_cast<std::uintmax_t>(-1);
}

std::optional<Record> readRecord(const std::filesystem::path& path)
{
    if (!recordFileExists(path))
        return std::nullopt;
    const std::optional<std::string> bytes = readPrefix(path, kRecordSize);
    if (!bytes)
        return std::nullopt;
    return decodeRecord(*bytes);
}

bool writeRecord(const std::filesystem::path& path, const Record& record, std::string* error)
{
    const std::string bytes = encodeRecord(record);
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size > kSmallRecordFile)
        return overwritePrefix(path, bytes, error);

    // A small file is rewritten whole through a temporary copy, so that a
    // failed write cannot leave half a record behind.
    std::string whole = bytes;
    if (recordFileExists(path)) {
        const std::optional<std::string> old = readPrefix(path, kSmallRecordFile + 1, error);
        if (!old)
            return false;
        if (old->size() > kSmallRecordFile) // grew meanwhile: leave the copy alone
            return overwritePrefix(path, bytes, error);
        if (old->size() > kRecordSize)
            whole += old->substr(kRecordSize);
    }
    return fileio::writeAtomically(path, whole, error);
}

bool isNewRecord(const std::optional<Record>& stored, int playerCount, std::int16_t points1,
                 std::int16_t points2, std::int16_t elapsedSeconds)
{
    if (!stored)
        return true;
    const std::int16_t best = stored->lostPoints;
    const bool fasterOnTie = elapsedSeconds < stored->seconds;
    if (playerCount != 2)
        return points1 < best || (points1 == best && fasterOnTie);
    return points1 < best || points2 < best ||
           ((points1 == best || points2 == best) && fasterOnTie);
}

int recordHolder(int playerCount, std::int16_t points1, std::int16_t points2)
{
    if (playerCount != 2)
        return 1;
    return points1 < points2 ? 1 : 2;
}

Record newRecord(int playerCount, std::int16_t points1, std::int16_t points2,
                 const std::string& cp1252Name1, const std::string& cp1252Name2,
                 std::int16_t seconds, std::int16_t items)
{
    const bool first = recordHolder(playerCount, points1, points2) == 1;
    Record record;
    record.name = storedName(first ? cp1252Name1 : cp1252Name2);
    record.lostPoints = first ? points1 : points2;
    record.seconds = seconds;
    record.items = items;
    return record;
}

bool rewriteRecordTime(const std::filesystem::path& path, Record& record, std::int16_t seconds)
{
    if (record.seconds == seconds)
        return true;
    Record later = record;
    later.seconds = seconds;
    if (!writeRecord(path, later))
        return false;
    record = later;
    return true;
}

} // namespace probegrid

#include "core/records.h"

#include "common/core/file_io.h"

#include <system_error>

namespace probegrid {
namespace {

constexpr unsigned kMask = 0x5A;
// A record is a few dozen bytes; a file far larger is not one to load whole.
constexpr std::uint64_t kRecordFileLimit = 64 * 1024;

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
    const std::optional<std::string> bytes = fileio::readAll(path, kRecordFileLimit);
    if (!bytes)
        return std::nullopt;
    return decodeRecord(*bytes);
}

bool writeRecord(const std::filesystem::path& path, const Record& record, std::string* error)
{
    std::string bytes = encodeRecord(record);
    if (recordFileExists(path)) {
        const std::optional<std::string> old = fileio::readAll(path, kRecordFileLimit, error);
        if (!old)
            return false;
        if (old->size() > kRecordSize)
            bytes += old->substr(kRecordSize);
    }
    return fileio::writeAtomically(path, bytes, error);
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

} // namespace probegrid

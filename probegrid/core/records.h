#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The best game, kept in recorde.dat in the program's directory: 38 raw
// bytes, a 32-byte Windows-1252 name padded with spaces, then lost points,
// seconds and items as little-endian 16-bit numbers whose low byte is XORed
// with 0x5A.
namespace probegrid {

inline constexpr std::size_t kRecordSize = 38;
inline constexpr std::size_t kRecordNameSize = 32;
inline constexpr char kRecordFileName[] = "recorde.dat";
// Up to this size the records file is rewritten through a temporary copy;
// a larger one has its first 38 bytes rewritten in place.
inline constexpr std::size_t kSmallRecordFile = 64 * 1024;

struct Record {
    std::string name; // Windows-1252 bytes, exactly 32 of them
    std::int16_t lostPoints = 0;
    std::int16_t seconds = 0;
    std::int16_t items = 0;

    friend bool operator==(const Record&, const Record&) = default;
};

// A Windows-1252 name cut or padded with spaces to the stored 32 bytes.
std::string storedName(std::string_view cp1252Name);

std::string encodeRecord(const Record& record);
// Nothing when fewer than 38 bytes are given: a short file holds no record.
std::optional<Record> decodeRecord(std::string_view bytes);

// Whether the file's size can be obtained (false for a missing file, a
// folder, or one that cannot be reached).
bool recordFileExists(const std::filesystem::path& path);

// The record in the file, read from its first 38 bytes alone; nothing when
// there is no file, it cannot be read, or it is too short.
std::optional<Record> readRecord(const std::filesystem::path& path);

// Writes the record over the first 38 bytes, keeping any bytes after them,
// and creating the file when missing. Only the 38 bytes are written, so the
// cost does not grow with the file. False with `error` set on failure; a
// small file is then left as it was.
bool writeRecord(const std::filesystem::path& path, const Record& record,
                 std::string* error = nullptr);

// Whether a finished game beats the stored record: fewer points, or as few
// points in strictly less time. Any finished game beats having no record.
// playerCount 2 means two players (either of them may beat it).
bool isNewRecord(const std::optional<Record>& stored, int playerCount, std::int16_t points1,
                 std::int16_t points2, std::int16_t elapsedSeconds);

// Who holds a new record: player 1 alone, or in a two-player game whoever
// has fewer points, player 2 on equal points.
int recordHolder(int playerCount, std::int16_t points1, std::int16_t points2);

// The record a finished game sets, held by recordHolder(); names are
// Windows-1252 bytes.
Record newRecord(int playerCount, std::int16_t points1, std::int16_t points2,
                 const std::string& cp1252Name1, const std::string& cp1252Name2,
                 std::int16_t seconds, std::int16_t items);

// The record's time is the clock when its announcement closes: writes the
// record again when the clock has moved on since it was written. The file was
// just written, so this rarely fails; if it does, the record stands with the
// time it was set at. True when the file holds `seconds`.
bool rewriteRecordTime(const std::filesystem::path& path, Record& record, std::int16_t seconds);

} // namespace probegrid

#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

// Joining a fetched part onto the incomplete file without ever leaving it
// half written.
namespace tailfetch {

// Writes the whole file `part` into `target` from 0-based `offset` on; the
// target grows when the part reaches past its end. Bytes are copied in blocks.
// When a write fails, the target is put back to its old length and bytes.
// Only the bytes from `offset` to the target's old end are overwritten, so
// that is what is saved first for the repair.
enum class WriteAtResult { Done, PartUnreadable, TargetUnopenable, WriteFailed };
WriteAtResult WriteFileAt(const std::filesystem::path& target, const std::filesystem::path& part,
                          std::int64_t offset, std::string* error);

// Joins a part fetched from the last byte of `source` on: the part's first byte
// lands on the source's last byte (1-based position L of an L-byte source).
// A part whose first byte is not the source's last byte was fetched from
// another position (or from another file) and is refused: joined, it would
// leave every byte after the cut in the wrong place.
enum class JoinResult { Done, Missing, SameFile, NotContinuation, WriteFailed };
JoinResult JoinParts(const std::filesystem::path& source, const std::filesystem::path& part,
                     std::string* error);

} // namespace tailfetch

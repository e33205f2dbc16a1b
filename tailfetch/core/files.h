#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

// Putting fetched bytes on disk without ever leaving a user's file half
// written: the body goes to a spool file beside its destination while it
// arrives, and only a complete body is moved or copied into place.
namespace tailfetch {

// A temporary file beside `destination` that collects the body. The file is
// removed when the spool is destroyed, unless it was handed over.
class Spool {
public:
    Spool() = default;
    ~Spool();
    Spool(const Spool&) = delete;
    Spool& operator=(const Spool&) = delete;

    // Creates the spool file. False with `error` set when the folder cannot
    // take it (a missing folder, a destination that is a folder).
    bool open(const std::filesystem::path& destination, std::string* error);
    bool isOpen() const { return out_.is_open(); }
    bool write(std::string_view bytes);
    std::int64_t size() const { return size_; }
    const std::filesystem::path& path() const { return path_; }

    // Closes the file and removes it.
    void discard();

    // The finished body replaces `destination` whole (a longer old file does
    // not keep its tail). On failure the destination is as it was.
    bool moveOver(const std::filesystem::path& destination, std::string* error);

    // The finished body is written into `target` from 0-based `offset` on,
    // then the spool is removed.
    bool writeInto(const std::filesystem::path& target, std::int64_t offset, std::string* error);

private:
    bool finish(std::string* error);

    std::filesystem::path path_;
    std::ofstream out_;
    std::int64_t size_ = 0;
};

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

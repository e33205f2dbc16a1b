#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and writes for the programs' byte formats.
//
// A save goes through a temporary file beside its target, named
//     .<target's file name>.<8 hexadecimal digits>-save.tmp
// (hidden on Linux, recognisable anywhere). Where that name would be longer
// than the folder takes, the short form
//     .<start of the target's name>~<8 hexadecimal digits>.<8 hexadecimal digits>-save.tmp
// is used instead, the first digits standing for the whole name, so that a
// target whose own name fits is never refused because of its temporary's.
// A save that was killed leaves such a file behind; the next save of the same
// target by a program started after it removes it, in either form.
namespace fileio {

// The size a caller that has not chosen its own limit may read whole.
inline constexpr std::uint64_t kDefaultReadLimit = 64u * 1024u * 1024u;

// Why `path` cannot be read whole within `maxBytes`, or nothing when it can be
// tried: it must exist and be a regular file (a pipe would block the caller
// for good, a device never ends) no larger than `maxBytes`.
std::optional<std::string> readRefusal(const std::filesystem::path& path, std::uint64_t maxBytes);

// The file's bytes, or nothing with `error` set to a short reason: a missing
// file, anything that is not a regular file, a file over `maxBytes`.
std::optional<std::string> readAll(const std::filesystem::path& path, std::uint64_t maxBytes,
                                   std::string* error = nullptr);
std::optional<std::string> readAll(const std::filesystem::path& path, std::string* error = nullptr);

// Where readAllInto puts a file's bytes.
class ReadBuffer {
public:
    virtual ~ReadBuffer() = default;
    // Room for `size` bytes, the first ones as they were; what follows them
    // need not be set, the read fills it. Throws std::bad_alloc.
    virtual char* resize(std::size_t size) = 0;
};

// readAll into the caller's own memory, so that a large file needs neither
// a zero-filled string nor a copy; `into` ends up resized to the file's
// size, which is returned.
std::optional<std::size_t> readAllInto(const std::filesystem::path& path, std::uint64_t maxBytes,
                                       ReadBuffer& into, std::string* error = nullptr);

// Why a save may not replace `path`, or nothing when it may: the system's
// reason when the file exists and this user may not write it (the same
// answer a plain write would get), or that it is not a regular file.
std::optional<std::string> writeRefusal(const std::filesystem::path& path);

// Writes `bytes` to a temporary file beside `path`, then renames it over
// `path`, so that a failed write leaves whatever was there untouched. A
// symbolic link is followed; an existing file's permissions are kept, and
// its owner and group where the system allows. A file the user may not
// write is refused, not replaced. False with `error` set to a short reason
// on failure.
bool writeAtomically(const std::filesystem::path& path, std::string_view bytes,
                     std::string* error = nullptr);

// The longest file name, in the system's own units (bytes, or UTF-16 units
// on Windows), that the usual file systems take.
inline constexpr std::size_t kLongestFileName = 255;

// The name a save of `target` gives its temporary file, with `tag` as the
// distinguishing part: the full form, or the short form when the full one
// would not fit (or `shortForm` asks for it, as when a folder takes shorter
// names than most); and whether `name` is one of those for `target`, in
// either form.
std::filesystem::path temporaryName(const std::filesystem::path& target, std::uint32_t tag,
                                    bool shortForm = false);
bool isTemporaryOf(const std::filesystem::path& target, const std::filesystem::path& name);

} // namespace fileio

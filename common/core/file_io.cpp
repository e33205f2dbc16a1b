#include "file_io.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>
#include <type_traits>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace fileio {
namespace {

// Temporaries older than this were left by an earlier run (or another
// program's run that is long over); younger ones may belong to a save that
// another running instance has not finished. File times come from a coarser
// clock than now() and may lag it, hence the margin.
const fs::file_time_type kProgramStart = fs::file_time_type::clock::now() - std::chrono::seconds(5);

void setError(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
}

std::string systemReason(int code)
{
    // generic_category().message rather than strerror, which MSVC flags as unsafe.
    return code != 0 ? std::generic_category().message(code) : std::string("unknown error");
}

// What a path that is not a regular file is, in the words a user knows.
std::optional<std::string> notARegularFile(fs::file_type type)
{
    switch (type) {
    case fs::file_type::regular: return std::nullopt;
    case fs::file_type::directory: return "it is a folder";
    case fs::file_type::fifo: return "it is a named pipe, not a file";
    case fs::file_type::block:
    case fs::file_type::character: return "it is a device, not a file";
    case fs::file_type::socket: return "it is a socket, not a file";
    default: return "it is not a regular file";
    }
}

std::string tooLarge(std::uint64_t size, std::uint64_t maxBytes)
{
    return "the file is too large (" + std::to_string(size) + " bytes; at most " +
           std::to_string(maxBytes) + " are read)";
}

std::uint32_t randomTag()
{
    static std::uint32_t counter = 0;
    std::random_device device;
    // The counter keeps two tags of one run apart even where random_device
    // is a fixed sequence.
    return device() ^ (++counter * 0x9E3779B9u);
}

enum class TempResult { Written, NameTaken, NameTooLong, Failed };

using NativeName = fs::path::string_type;
using NativeUnit = fs::path::value_type;

// How much of the target's name a short temporary name keeps: enough to
// tell by eye whose it is, little enough for folders that take far fewer
// than the usual 255.
constexpr std::size_t kKeptOfTheName = 100;
constexpr std::size_t kTagDigits = 8;
constexpr std::string_view kSaveSuffix = "-save.tmp";

NativeName native(std::string_view ascii)
{
    return NativeName(ascii.begin(), ascii.end());
}

std::uint32_t unitValue(NativeUnit unit)
{
    return static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<NativeUnit>>(unit));
}

NativeName hexDigits(std::uint32_t value)
{
    static constexpr std::string_view digits = "0123456789abcdef";
    NativeName hex(kTagDigits, NativeUnit('0'));
    for (std::size_t i = kTagDigits; i-- > 0; value >>= 4)
        hex[i] = static_cast<NativeUnit>(digits[value & 0xFu]);
    return hex;
}

// FNV-1a: the same name gives the same digits in every run, which is what
// lets a later run find a killed save's temporary again.
std::uint32_t nameHash(const NativeName& name)
{
    std::uint32_t hash = 2166136261u;
    for (const NativeUnit unit : name) {
        hash ^= unitValue(unit);
        hash *= 16777619u;
    }
    return hash;
}

// A UTF-8 continuation byte, or the second half of a UTF-16 surrogate pair:
// a name cut just before one would end in half a character.
bool continuesACharacter(NativeUnit unit)
{
    if constexpr (sizeof(NativeUnit) == 1)
        return (unitValue(unit) & 0xC0u) == 0x80u;
    else
        return unitValue(unit) >= 0xDC00u && unitValue(unit) <= 0xDFFFu;
}

NativeName startOfName(const NativeName& name)
{
    std::size_t end = std::min(name.size(), kKeptOfTheName);
    while (end > 0 && end < name.size() && continuesACharacter(name[end]))
        --end;
    return name.substr(0, end);
}

// Everything before the tag's digits, in each form.
NativeName fullPrefix(const NativeName& name)
{
    return native(".") + name + native(".");
}

NativeName shortPrefix(const NativeName& name)
{
    return native(".") + startOfName(name) + native("~") + hexDigits(nameHash(name)) + native(".");
}

bool hasForm(const NativeName& text, const NativeName& prefix)
{
    const NativeName suffix = native(kSaveSuffix);
    if (text.size() != prefix.size() + kTagDigits + suffix.size() ||
        text.compare(0, prefix.size(), prefix) != 0 ||
        text.compare(prefix.size() + kTagDigits, suffix.size(), suffix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < prefix.size() + kTagDigits; ++i) {
        const std::uint32_t c = unitValue(text[i]);
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

void removeStaleTemporaries(const fs::path& target)
{
    std::error_code ec;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& entry = it->path();
        if (!isTemporaryOf(target, entry.filename()))
            continue;
        std::error_code entryError;
        // Never through a link: only the plain files a save itself made.
        if (!fs::is_regular_file(fs::symlink_status(entry, entryError)))
            continue;
        const auto written = fs::last_write_time(entry, entryError);
        if (!entryError && written < kProgramStart)
            fs::remove(entry, entryError);
    }
}

#ifdef _WIN32

std::optional<std::size_t> readOpened(const fs::path& path, std::uint64_t maxBytes,
                                      ReadBuffer& into, std::string* error)
{
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        setError(error, systemReason(errno));
        return std::nullopt;
    }
    std::size_t size = 0;
    char block[65536];
    while (in) {
        in.read(block, sizeof block);
        const auto got = static_cast<std::size_t>(in.gcount());
        if (size + got > maxBytes) {
            setError(error, tooLarge(size + got, maxBytes));
            return std::nullopt;
        }
        std::memcpy(into.resize(size + got) + size, block, got);
        size += got;
    }
    if (in.bad()) {
        setError(error, "read error");
        return std::nullopt;
    }
    return size;
}

TempResult writeTemporary(const fs::path& temp, const fs::path&, std::string_view bytes,
                          std::string* error)
{
    const int fd =
        _wopen(temp.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0) {
        const int code = errno;
        setError(error, systemReason(code));
        if (code == ENAMETOOLONG)
            return TempResult::NameTooLong;
        return code == EEXIST ? TempResult::NameTaken : TempResult::Failed;
    }
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const std::size_t chunk = std::min<std::size_t>(bytes.size() - done, 1u << 30);
        const int written = _write(fd, bytes.data() + done, static_cast<unsigned>(chunk));
        if (written <= 0) {
            setError(error, systemReason(errno));
            ok = false;
        } else {
            done += static_cast<std::size_t>(written);
        }
    }
    if (ok && _commit(fd) != 0) {
        setError(error, systemReason(errno));
        ok = false;
    }
    if (_close(fd) != 0 && ok) {
        setError(error, systemReason(errno));
        ok = false;
    }
    if (ok)
        return TempResult::Written;
    std::error_code ignored;
    fs::remove(temp, ignored);
    return TempResult::Failed;
}

bool replace(const fs::path& temp, const fs::path& path, std::string* error)
{
    if (MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    setError(error, std::system_category().message(static_cast<int>(GetLastError())));
    return false;
}

#else

fs::file_type typeOf(mode_t mode)
{
    if (S_ISREG(mode))
        return fs::file_type::regular;
    if (S_ISDIR(mode))
        return fs::file_type::directory;
    if (S_ISFIFO(mode))
        return fs::file_type::fifo;
    if (S_ISCHR(mode))
        return fs::file_type::character;
    if (S_ISBLK(mode))
        return fs::file_type::block;
    if (S_ISSOCK(mode))
        return fs::file_type::socket;
    return fs::file_type::unknown;
}

std::optional<std::size_t> readOpened(const fs::path& path, std::uint64_t maxBytes,
                                      ReadBuffer& into, std::string* error)
{
    // Non-blocking, so that a pipe put in the file's place since it was
    // looked at cannot hold the caller in open().
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        setError(error, systemReason(errno));
        return std::nullopt;
    }
    std::optional<std::size_t> result;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        setError(error, systemReason(errno));
    } else if (!S_ISREG(info.st_mode)) {
        setError(error, notARegularFile(typeOf(info.st_mode)).value_or("it is not a regular file"));
    } else if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        setError(error, tooLarge(static_cast<std::uint64_t>(info.st_size), maxBytes));
    } else {
        std::size_t size = static_cast<std::size_t>(info.st_size);
        char* bytes = into.resize(size);
        std::size_t done = 0;
        bool ok = true;
        for (;;) {
            // Once the size fstat saw is in, a small probe tells a file that
            // grew since from one that ended. Growing the buffer instead would
            // reallocate it, and hold two copies of the file for a moment.
            if (done == size) {
                char probe[4096];
                const ssize_t more = ::read(fd, probe, sizeof probe);
                if (more < 0 && errno == EINTR)
                    continue;
                if (more < 0) {
                    setError(error, systemReason(errno));
                    ok = false;
                    break;
                }
                if (more == 0)
                    break;
                const std::uint64_t grown = done + static_cast<std::uint64_t>(more);
                if (grown > maxBytes) {
                    setError(error, tooLarge(grown, maxBytes));
                    ok = false;
                    break;
                }
                size = static_cast<std::size_t>(grown);
                bytes = into.resize(size);
                std::memcpy(bytes + done, probe, static_cast<std::size_t>(more));
                done = size;
                continue;
            }
            const ssize_t got = ::read(fd, bytes + done, size - done);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                setError(error, systemReason(errno));
                ok = false;
                break;
            }
            if (got == 0)
                break;
            done += static_cast<std::size_t>(got);
        }
        if (ok) {
            into.resize(done);
            result = done;
        }
    }
    ::close(fd);
    return result;
}

TempResult writeTemporary(const fs::path& temp, const fs::path& path, std::string_view bytes,
                          std::string* error)
{
    struct stat old {};
    const bool replacing = ::stat(path.c_str(), &old) == 0;
    // A file that replaces another is private until it has the old one's
    // mode; a new file gets the mode a plain write would give it.
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                          replacing ? 0600 : 0666);
    if (fd < 0) {
        const int code = errno;
        setError(error, systemReason(code));
        if (code == ENAMETOOLONG)
            return TempResult::NameTooLong;
        return code == EEXIST ? TempResult::NameTaken : TempResult::Failed;
    }
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            setError(error, systemReason(written < 0 ? errno : ENOSPC));
            ok = false;
        } else {
            done += static_cast<std::size_t>(written);
        }
    }
    if (ok && replacing) {
        // Owner and group only where the system lets this user give them
        // (root, or a group the user is in); mode after, as a change of
        // owner may clear set-id bits.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            if (::fchown(fd, old.st_uid, old.st_gid) != 0)
                static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), old.st_gid));
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0) {
            setError(error, systemReason(errno));
            ok = false;
        }
    }
    // On disk before the rename, or a crash could leave the new name with no
    // bytes behind it.
    if (ok && ::fsync(fd) != 0) {
        setError(error, systemReason(errno));
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        setError(error, systemReason(errno));
        ok = false;
    }
    if (ok)
        return TempResult::Written;
    ::unlink(temp.c_str());
    return TempResult::Failed;
}

bool replace(const fs::path& temp, const fs::path& path, std::string* error)
{
    if (::rename(temp.c_str(), path.c_str()) == 0)
        return true;
    setError(error, systemReason(errno));
    return false;
}

#endif

} // namespace

std::optional<std::string> readRefusal(const fs::path& path, std::uint64_t maxBytes)
{
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec)
        return ec.message();
    if (auto why = notARegularFile(status.type()))
        return why;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec)
        return ec.message();
    if (size > maxBytes)
        return tooLarge(size, maxBytes);
    return std::nullopt;
}

std::optional<std::size_t> readAllInto(const fs::path& path, std::uint64_t maxBytes,
                                       ReadBuffer& into, std::string* error)
{
    // Looked at before it is opened: opening a pipe waits for a writer.
    if (auto why = readRefusal(path, maxBytes)) {
        setError(error, *why);
        return std::nullopt;
    }
    try {
        return readOpened(path, maxBytes, into, error);
    } catch (const std::exception&) { // bad_alloc or length_error
        setError(error, "the file is too large to read");
        return std::nullopt;
    }
}

std::optional<std::string> readAll(const fs::path& path, std::uint64_t maxBytes, std::string* error)
{
    struct StringBuffer final : ReadBuffer {
        std::string bytes;
        char* resize(std::size_t size) override
        {
            bytes.resize(size);
            return bytes.data();
        }
    } buffer;
    if (!readAllInto(path, maxBytes, buffer, error))
        return std::nullopt;
    return std::move(buffer.bytes);
}

std::optional<std::string> readAll(const fs::path& path, std::string* error)
{
    return readAll(path, kDefaultReadLimit, error);
}

std::optional<std::string> writeRefusal(const fs::path& path)
{
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found)
        return std::nullopt;
    if (ec)
        return ec.message();
    if (auto why = notARegularFile(status.type()))
        return why;
#ifdef _WIN32
    // The read-only attribute is what the standard library reports as a
    // file without write permission.
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none)
        return systemReason(EACCES);
#else
    // The effective user's answer, which is the one open() would give.
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return systemReason(errno);
#endif
    return std::nullopt;
}

bool writeAtomically(const fs::path& linkOrPath, std::string_view bytes, std::string* error)
{
    std::error_code ec;
    // Renaming over a symbolic link would replace the link with a plain file;
    // the file it points at is the one the user means to update.
    fs::path path = linkOrPath;
    if (fs::is_symlink(linkOrPath, ec)) {
        fs::path resolved = fs::weakly_canonical(linkOrPath, ec);
        if (!ec)
            path = std::move(resolved);
    }
    if (auto why = writeRefusal(path)) {
        setError(error, *why);
        return false;
    }
    removeStaleTemporaries(path);

    fs::path temp;
    TempResult written = TempResult::NameTaken;
    bool shortForm = false;
    // Only a name already taken, or one longer than this folder takes (some
    // take fewer than 255), is worth another try.
    for (int attempt = 0; attempt < 8; ++attempt) {
        temp = path.parent_path() / temporaryName(path, randomTag(), shortForm);
        written = writeTemporary(temp, path, bytes, error);
        if (written == TempResult::NameTooLong && !shortForm)
            shortForm = true;
        else if (written != TempResult::NameTaken)
            break;
    }
    if (written != TempResult::Written)
        return false;
    if (!replace(temp, path, error)) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

fs::path temporaryName(const fs::path& target, std::uint32_t tag, bool shortForm)
{
    const NativeName name = target.filename().native();
    const NativeName tail = hexDigits(tag) + native(kSaveSuffix);
    NativeName full = fullPrefix(name) + tail;
    if (!shortForm && full.size() <= kLongestFileName)
        return full;
    return shortPrefix(name) + tail;
}

bool isTemporaryOf(const fs::path& target, const fs::path& name)
{
    const NativeName targetName = target.filename().native();
    const NativeName& text = name.native();
    return hasForm(text, fullPrefix(targetName)) || hasForm(text, shortPrefix(targetName));
}

} // namespace fileio

#include "tailfetch/core/files.h"

#include <cerrno>
#include <system_error>
#include <vector>

namespace tailfetch {
namespace {

constexpr std::size_t kBlock = 1 << 20;

void setError(std::string* error, std::string reason)
{
    if (error)
        *error = std::move(reason);
}

std::string systemReason()
{
    return errno != 0 ? std::generic_category().message(errno) : std::string("I/O error");
}

std::int64_t fileSize(const std::filesystem::path& path, std::error_code& ec)
{
    if (!std::filesystem::is_regular_file(path, ec)) {
        if (!ec)
            ec = std::make_error_code(std::errc::no_such_file_or_directory);
        return -1;
    }
    return static_cast<std::int64_t>(std::filesystem::file_size(path, ec));
}

// Unreadable bytes count as different: nothing is joined on a guess.
bool sameByteAt(const std::filesystem::path& a, std::int64_t aOffset,
                const std::filesystem::path& b, std::int64_t bOffset)
{
    std::ifstream first(a, std::ios::binary);
    std::ifstream second(b, std::ios::binary);
    char x = 0;
    char y = 1;
    first.seekg(aOffset);
    second.seekg(bOffset);
    return first.get(x) && second.get(y) && x == y;
}

} // namespace

WriteAtResult WriteFileAt(const std::filesystem::path& target, const std::filesystem::path& part,
                          std::int64_t offset, std::string* error)
{
    std::error_code ec;
    const std::int64_t partSize = fileSize(part, ec);
    if (ec) {
        setError(error, ec.message());
        return WriteAtResult::PartUnreadable;
    }
    const std::int64_t oldSize = fileSize(target, ec);
    if (ec) {
        setError(error, ec.message());
        return WriteAtResult::TargetUnopenable;
    }
    errno = 0;
    std::ifstream in(part, std::ios::binary);
    if (!in) {
        setError(error, systemReason());
        return WriteAtResult::PartUnreadable;
    }
    std::fstream out(target, std::ios::binary | std::ios::in | std::ios::out);
    if (!out) {
        setError(error, systemReason());
        return WriteAtResult::TargetUnopenable;
    }

    // The bytes about to be overwritten, to put back if the copy fails.
    std::string saved;
    if (offset < oldSize) {
        saved.resize(static_cast<std::size_t>(std::min(oldSize - offset, partSize)));
        out.seekg(offset);
        out.read(saved.data(), static_cast<std::streamsize>(saved.size()));
        if (!out) {
            setError(error, systemReason());
            return WriteAtResult::TargetUnopenable;
        }
    }

    std::vector<char> block(kBlock);
    out.seekp(offset);
    std::int64_t left = partSize;
    bool ok = static_cast<bool>(out);
    while (ok && left > 0) {
        const auto want = static_cast<std::streamsize>(std::min<std::int64_t>(left, kBlock));
        in.read(block.data(), want);
        if (in.gcount() != want) {
            setError(error, "the part could not be read whole");
            ok = false;
            break;
        }
        out.write(block.data(), want);
        if (!out) {
            setError(error, systemReason());
            ok = false;
        }
        left -= want;
    }
    if (ok) {
        out.flush();
        out.close();
        if (out.fail()) {
            setError(error, systemReason());
            ok = false;
        }
    }
    if (ok)
        return WriteAtResult::Done;

    // Repair: old length, old bytes.
    if (out.is_open())
        out.close();
    std::filesystem::resize_file(target, static_cast<std::uintmax_t>(oldSize), ec);
    if (!saved.empty()) {
        std::fstream repair(target, std::ios::binary | std::ios::in | std::ios::out);
        repair.seekp(offset);
        repair.write(saved.data(), static_cast<std::streamsize>(saved.size()));
    }
    return WriteAtResult::WriteFailed;
}

JoinResult JoinParts(const std::filesystem::path& source, const std::filesystem::path& part,
                     std::string* error)
{
    std::error_code ec;
    const std::int64_t sourceSize = fileSize(source, ec);
    if (ec || sourceSize == 0) {
        setError(error, ec ? ec.message() : "the source file is empty");
        return JoinResult::Missing;
    }
    const std::int64_t partSize = fileSize(part, ec);
    if (ec || partSize == 0) {
        setError(error, ec ? ec.message() : "the part is empty");
        return JoinResult::Missing;
    }
    if (std::filesystem::equivalent(source, part, ec)) {
        setError(error, "both names point to the same file");
        return JoinResult::SameFile;
    }
    if (!sameByteAt(source, sourceSize - 1, part, 0)) {
        setError(error, "the part does not begin with the source's last byte");
        return JoinResult::NotContinuation;
    }
    switch (WriteFileAt(source, part, sourceSize - 1, error)) {
    case WriteAtResult::Done: return JoinResult::Done;
    case WriteAtResult::PartUnreadable: return JoinResult::Missing;
    case WriteAtResult::TargetUnopenable:
    case WriteAtResult::WriteFailed: break;
    }
    return JoinResult::WriteFailed;
}

} // namespace tailfetch

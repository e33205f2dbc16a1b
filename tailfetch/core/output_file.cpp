#include "tailfetch/core/output_file.h"

#if defined(__unix__) || defined(__APPLE__)
#include <cerrno>
#include <unistd.h>
#define TAILFETCH_HAS_LINK 1
#endif

namespace tailfetch {

std::filesystem::path CollectingName(const std::filesystem::path& destination)
{
    std::filesystem::path name = destination;
    name += ".tailfetch-part";
    return name;
}

std::filesystem::path FreeNameBeside(const std::filesystem::path& wanted)
{
    const std::filesystem::path folder = wanted.parent_path();
    const std::filesystem::path stem = wanted.stem();
    const std::filesystem::path extension = wanted.extension();
    for (int n = 1;; ++n) {
        std::filesystem::path name = stem;
        name += " (" + std::to_string(n) + ")";
        name += extension;
        const std::filesystem::path candidate = folder / name;
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::symlink_status(candidate, ec)))
            return candidate;
    }
}

bool MoveWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to,
                          std::error_code& ec)
{
#ifdef TAILFETCH_HAS_LINK
    // A hard link fails when the name is taken, atomically; the old name then goes.
    if (::link(from.c_str(), to.c_str()) == 0) {
        std::filesystem::remove(from, ec);
        return true;
    }
    if (errno == EEXIST)
        return false;
    // File systems without hard links: check, then rename.
    if (errno != EPERM && errno != ENOTSUP && errno != EXDEV && errno != EMLINK) {
        ec = std::error_code(errno, std::generic_category());
        return false;
    }
#endif
    std::error_code ignored;
    if (std::filesystem::exists(std::filesystem::symlink_status(to, ignored)))
        return false;
    std::filesystem::rename(from, to, ec);
    return !ec;
}

std::filesystem::path PlaceCollected(const std::filesystem::path& collected,
                                     const std::filesystem::path& destination, bool mayReplace,
                                     std::error_code& ec)
{
    ec.clear();
    if (mayReplace) {
        std::filesystem::rename(collected, destination, ec);
        return ec ? std::filesystem::path() : destination;
    }
    if (MoveWithoutReplacing(collected, destination, ec))
        return destination;
    // A few tries: another program may take the free name first.
    for (int attempt = 0; !ec && attempt < 100; ++attempt) {
        const std::filesystem::path beside = FreeNameBeside(destination);
        if (MoveWithoutReplacing(collected, beside, ec))
            return beside;
    }
    if (!ec)
        ec = std::make_error_code(std::errc::file_exists);
    return {};
}

} // namespace tailfetch

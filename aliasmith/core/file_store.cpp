#include "aliasmith/core/file_store.h"

#include "common/core/file_io.h"

#include <array>

namespace aliasmith {
namespace {

// The reasons the window words itself; any other keeps the system's words.
constexpr std::array<std::errc, 12> kKnownReasons{
    std::errc::no_such_file_or_directory,
    std::errc::permission_denied,
    std::errc::operation_not_permitted,
    std::errc::read_only_file_system,
    std::errc::no_space_on_device,
    std::errc::filename_too_long,
    std::errc::is_a_directory,
    std::errc::not_a_directory,
    std::errc::device_or_resource_busy,
    std::errc::too_many_files_open,
    std::errc::io_error,
    std::errc::file_too_large,
};

void fail(FileFailure* failure, std::error_code code, std::string text)
{
    if (failure)
        *failure = {code, std::move(text)};
}

// The shared layer reports a reason as text only; the known ones are found
// again by their system wording.
void failWithText(FileFailure* failure, const std::string& text)
{
    if (!failure)
        return;
    for (const std::errc reason : kKnownReasons) {
        const std::error_code code = std::make_error_code(reason);
        if (text == code.message()) {
            *failure = {code, text};
            return;
        }
    }
    if (text == "it is a folder") {
        *failure = {std::make_error_code(std::errc::is_a_directory), text};
        return;
    }
    *failure = {std::error_code(), text};
}

void failWithCode(FileFailure* failure, std::error_code code)
{
    const std::error_condition portable = code.default_error_condition();
    for (const std::errc reason : kKnownReasons) {
        if (portable == reason) {
            fail(failure, std::make_error_code(reason), code.message());
            return;
        }
    }
    fail(failure, std::error_code(), code.message());
}

} // namespace

std::optional<std::string> readFile(const std::filesystem::path& path, FileFailure* failure)
{
    // am.ini and the profiles are a few lines of text each.
    constexpr std::uint64_t kTextFileLimit = 1u << 20;
    std::string reason;
    auto bytes = fileio::readAll(path, kTextFileLimit, &reason);
    if (!bytes)
        failWithText(failure, reason);
    return bytes;
}

bool writeFile(const std::filesystem::path& path, std::string_view bytes, FileFailure* failure)
{
    std::string reason;
    if (fileio::writeAtomically(path, bytes, &reason))
        return true;
    failWithText(failure, reason);
    return false;
}

bool removeFile(const std::filesystem::path& path, FileFailure* failure)
{
    std::error_code ec;
    std::filesystem::remove(path, ec);
    if (ec) {
        failWithCode(failure, ec);
        return false;
    }
    return true;
}

} // namespace aliasmith

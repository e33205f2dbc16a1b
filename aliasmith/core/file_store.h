#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

// Every read, write and removal of the program's own files and of Hamachi's
// alias file goes through here, so that a failure comes back with the
// system's reason for it and the window can say why in its own language.
namespace aliasmith {

struct FileFailure {
    // The reason as a portable code when it is one the program knows (empty
    // otherwise), and as the system worded it.
    std::error_code code;
    std::string systemText;
};

std::optional<std::string> readFile(const std::filesystem::path& path,
                                    FileFailure* failure = nullptr);

// Replaces the file whole, never leaving it half written; a name that fits
// is never refused because of the temporary file's longer one.
bool writeFile(const std::filesystem::path& path, std::string_view bytes,
               FileFailure* failure = nullptr);

bool removeFile(const std::filesystem::path& path, FileFailure* failure = nullptr);

} // namespace aliasmith

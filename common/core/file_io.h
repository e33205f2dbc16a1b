#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and writes for the programs' byte formats.
namespace fileio {

// The file's bytes, or nothing with `error` set to a short reason (a folder
// is refused).
std::optional<std::string> readAll(const std::filesystem::path& path, std::string* error = nullptr);

// Writes `bytes` to a temporary file beside `path`, then renames it over
// `path`, so that a failed write leaves whatever was there untouched. A
// symbolic link is followed, and an existing file's permissions are kept.
// False with `error` set to a short reason on failure.
bool writeAtomically(const std::filesystem::path& path, std::string_view bytes,
                     std::string* error = nullptr);

} // namespace fileio

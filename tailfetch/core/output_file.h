#pragma once

#include <filesystem>
#include <string>
#include <system_error>

// Where the bytes collected for a new file end up. Nothing here ever lands
// on a file that exists unless the user agreed to replace that very file.
namespace tailfetch {

// Where the new-file mode collects the bytes until the file is whole.
std::filesystem::path CollectingName(const std::filesystem::path& destination);

// The first of "name (1).ext", "name (2).ext", ... beside `wanted` that
// does not exist.
std::filesystem::path FreeNameBeside(const std::filesystem::path& wanted);

// Gives `from` the name `to` only when nothing has that name; false (with
// `ec` untouched) when something does. Where the system allows, the check and
// the move are one step, so a file that appears meanwhile is not replaced.
bool MoveWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to,
                          std::error_code& ec);

// Puts the collected file under `destination`: over an existing file only
// when `mayReplace` holds; otherwise, when `destination` is taken, under a
// free name beside it. The name it got, or empty with `ec` set.
std::filesystem::path PlaceCollected(const std::filesystem::path& collected,
                                     const std::filesystem::path& destination, bool mayReplace,
                                     std::error_code& ec);

} // namespace tailfetch

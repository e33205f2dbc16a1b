#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Profiles: one file "<name>.aprof" per profile in the folder "profiles".
namespace aliasmith {

struct AliasRow {
    std::string nick;
    std::string trueIp;
    std::string alias;

    bool operator==(const AliasRow&) const = default;
};

struct Profile {
    std::string ownAddress;
    std::vector<AliasRow> rows;

    bool operator==(const Profile&) const = default;
};

inline constexpr std::string_view kProfileExtension = ".aprof";
inline constexpr std::string_view kProfilesFolder = "profiles";

// A row line: true IP, space, alias, space, nick. The nick is the rest of
// the line after the second space, so a nick with spaces comes back whole;
// missing fields are empty.
AliasRow parseRowLine(std::string_view line);

// Line 1 the own address, then one line per row. A file without any line
// is an empty profile.
Profile parseProfile(std::string_view bytes);
std::string formatProfile(const Profile& profile);

// The profile names in a folder: its ordinary, not hidden files whose names
// end in ".aprof" (in any case on Windows), without that ending, in name
// order. A missing folder has none.
std::vector<std::string> listProfiles(const std::filesystem::path& folder);

enum class NameCheck { Ok, Empty, NotAFileName, TooLong };

// The longest file name the usual file systems take: 255 UTF-16 units on
// Windows, 255 bytes elsewhere.
inline constexpr std::size_t kLongestFileName = 255;

// How long a file name is where the limit is counted: UTF-16 units on
// Windows, bytes of UTF-8 elsewhere.
std::size_t fileNameLength(std::string_view utf8Name);

// Whether a typed name can become a profile file name on Windows and
// elsewhere.
NameCheck checkProfileName(std::string_view name);

std::filesystem::path profilePath(const std::filesystem::path& folder, std::string_view name);

// Paths and UTF-8 text, whatever the platform's narrow encoding.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const std::filesystem::path& path);

} // namespace aliasmith

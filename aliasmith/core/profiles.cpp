#include "aliasmith/core/profiles.h"

#include "aliasmith/core/text_files.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace aliasmith {
namespace {

char lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Windows matches "*.aprof" in any case and opens "home.aprof" for a file
// named "home.APROF"; elsewhere only the exact ending can be opened again
// under the name listed.
bool hasProfileExtension(std::string_view fileName)
{
    const std::string_view ending = kProfileExtension;
    if (fileName.size() < ending.size())
        return false;
    const auto tail = fileName.substr(fileName.size() - ending.size());
#ifdef _WIN32
    return std::equal(tail.begin(), tail.end(), ending.begin(),
                      [](char a, char b) { return lower(a) == lower(b); });
#else
    return tail == ending;
#endif
}

// Windows lists files marked hidden or system only when asked to. Elsewhere a
// leading dot is just part of the name: "New..." can make ".lan", and it must
// stay on the list.
bool isHidden([[maybe_unused]] const std::filesystem::directory_entry& entry)
{
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(entry.path().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
#else
    return false;
#endif
}

bool lessNoCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return lower(x) < lower(y); });
}

// Device names Windows opens instead of a file, whatever extension follows.
bool isReservedDeviceName(std::string_view name)
{
    const auto stem = name.substr(0, name.find('.'));
    std::string upper;
    for (const char c : trimSpaces(stem))
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    static constexpr std::array<std::string_view, 4> plain{"CON", "PRN", "AUX", "NUL"};
    if (std::find(plain.begin(), plain.end(), upper) != plain.end())
        return true;
    if (!upper.starts_with("COM") && !upper.starts_with("LPT"))
        return false;
    const std::string_view number = std::string_view(upper).substr(3);
    if (number.size() == 1)
        return number[0] >= '0' && number[0] <= '9';
    // Windows also keeps COM and LPT with the superscript digits one, two and
    // three for devices, spelled here in UTF-8.
    static constexpr std::array<std::string_view, 3> superscripts{"\xC2\xB9", "\xC2\xB2",
                                                                  "\xC2\xB3"};
    return std::find(superscripts.begin(), superscripts.end(), number) != superscripts.end();
}

} // namespace

AliasRow parseRowLine(std::string_view line)
{
    AliasRow row;
    const auto first = line.find(' ');
    row.trueIp = std::string(line.substr(0, first));
    if (first == std::string_view::npos)
        return row;
    const auto rest = line.substr(first + 1);
    const auto second = rest.find(' ');
    row.alias = std::string(rest.substr(0, second));
    if (second != std::string_view::npos)
        row.nick = std::string(rest.substr(second + 1));
    return row;
}

Profile parseProfile(std::string_view bytes)
{
    Profile profile;
    const auto lines = splitLines(decodeText(bytes));
    if (lines.empty())
        return profile;
    profile.ownAddress = lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i)
        profile.rows.push_back(parseRowLine(lines[i]));
    return profile;
}

std::string formatProfile(const Profile& profile)
{
    std::string text = oneLine(profile.ownAddress) + "\r\n";
    for (const auto& row : profile.rows)
        text += oneLine(row.trueIp) + ' ' + oneLine(row.alias) + ' ' + oneLine(row.nick) + "\r\n";
    return encodeText(text);
}

std::vector<std::string> listProfiles(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec)
        return names;
    for (const auto& entry : it) {
        std::error_code typeError;
        if (!entry.is_regular_file(typeError) || isHidden(entry))
            continue;
        const std::string fileName = utf8FromPath(entry.path().filename());
        if (!hasProfileExtension(fileName))
            continue;
        names.push_back(fileName.substr(0, fileName.size() - kProfileExtension.size()));
    }
    std::sort(names.begin(), names.end(), lessNoCase);
    return names;
}

NameCheck checkProfileName(std::string_view name)
{
    if (trimSpaces(name).empty())
        return NameCheck::Empty;
    if (name == "." || name == "..")
        return NameCheck::NotAFileName;
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return NameCheck::NotAFileName;
        if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            return NameCheck::NotAFileName;
    }
    if (isReservedDeviceName(name))
        return NameCheck::NotAFileName;
    if (fileNameLength(name) + kProfileExtension.size() > kLongestFileName)
        return NameCheck::TooLong;
    return NameCheck::Ok;
}

std::size_t fileNameLength(std::string_view utf8Name)
{
#ifdef _WIN32
    // Every lead byte starts one UTF-16 unit, and a four-byte sequence (a
    // character beyond U+FFFF) needs a surrogate pair.
    std::size_t units = 0;
    for (const char c : utf8Name) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80)
            ++units;
        if ((byte & 0xF8) == 0xF0)
            ++units;
    }
    return units;
#else
    return utf8Name.size();
#endif
}

std::filesystem::path profilePath(const std::filesystem::path& folder, std::string_view name)
{
    return folder / pathFromUtf8(std::string(name) + std::string(kProfileExtension));
}

std::filesystem::path pathFromUtf8(std::string_view utf8)
{
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string utf8FromPath(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

} // namespace aliasmith

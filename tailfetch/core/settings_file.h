#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// "config.ini": one line, the last URL, in the system's 8-bit code page.
namespace tailfetch {

// The URL the settings hold: the first line, up to the first CR or LF.
std::string UrlFromSettings(std::string_view bytes);
std::string SettingsText(std::string_view url);

// Empty when the file is missing, unreadable or not a regular file.
std::string ReadSettingsUrl(const std::filesystem::path& file);
// Replaces the file whole, or leaves it as it was; false when it could not.
bool WriteSettingsUrl(const std::filesystem::path& file, std::string_view url);

} // namespace tailfetch

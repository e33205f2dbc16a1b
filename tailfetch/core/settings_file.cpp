#include "tailfetch/core/settings_file.h"

#include "common/core/file_io.h"

namespace tailfetch {

std::string UrlFromSettings(std::string_view bytes)
{
    return std::string(bytes.substr(0, bytes.find_first_of("\r\n")));
}

std::string SettingsText(std::string_view url)
{
    return std::string(url) + "\r\n";
}

std::string ReadSettingsUrl(const std::filesystem::path& file)
{
    // One line, a URL: anything larger is not a settings file of this program.
    const auto bytes = fileio::readAll(file, 64 * 1024);
    return bytes ? UrlFromSettings(*bytes) : std::string();
}

bool WriteSettingsUrl(const std::filesystem::path& file, std::string_view url)
{
    return fileio::writeAtomically(file, SettingsText(url));
}

} // namespace tailfetch

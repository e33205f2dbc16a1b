#include "core/settings.h"

#include "core/text_files.h"

namespace aliasmith {

Settings parseSettings(std::string_view bytes)
{
    Settings settings;
    const auto lines = splitLines(decodeText(bytes));
    if (!lines.empty())
        settings.hamachiDirectory = lines[0];
    if (lines.size() >= 2) {
        if (const auto language = languageFromName(trimSpaces(lines[1])))
            settings.language = *language;
    }
    return settings;
}

std::string formatSettings(const Settings& settings)
{
    std::string text = oneLine(settings.hamachiDirectory);
    text += "\r\n";
    text += languageName(settings.language);
    text += "\r\n";
    return encodeText(text);
}

std::string parseAppliedProfile(std::string_view bytes)
{
    const auto lines = splitLines(decodeText(bytes));
    return lines.empty() ? std::string() : lines[0];
}

std::string formatAppliedProfile(std::string_view name)
{
    return encodeText(oneLine(name) + "\r\n");
}

} // namespace aliasmith

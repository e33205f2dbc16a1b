#include "aliasmith/core/settings.h"

#include "aliasmith/core/text_files.h"

#include <cstdint>

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

AppliedProfile parseAppliedProfile(std::string_view bytes)
{
    const auto lines = splitLines(decodeText(bytes));
    AppliedProfile applied;
    if (!lines.empty())
        applied.name = lines[0];
    if (lines.size() >= 2)
        applied.fingerprint = lines[1];
    return applied;
}

std::string formatAppliedProfile(const AppliedProfile& applied)
{
    return encodeText(oneLine(applied.name) + "\r\n" + oneLine(applied.fingerprint) + "\r\n");
}

std::string fingerprintOf(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        text[static_cast<std::size_t>(i)] = kDigits[hash & 0xF];
    return text;
}

} // namespace aliasmith

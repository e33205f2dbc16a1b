#include "aliasmith/core/language.h"

namespace aliasmith {
namespace {

constexpr std::string_view kEnglish = "English";
constexpr std::string_view kPortuguese = "Português";

} // namespace

std::string_view languageName(Language language)
{
    return language == Language::English ? kEnglish : kPortuguese;
}

std::optional<Language> languageFromName(std::string_view name)
{
    if (name == kEnglish)
        return Language::English;
    if (name == kPortuguese)
        return Language::Portuguese;
    return std::nullopt;
}

std::string versionText()
{
    return "1.0.0";
}

std::string_view webAddress()
{
    return "https://aliasmith.example.org";
}

} // namespace aliasmith

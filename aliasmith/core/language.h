#pragma once

#include <optional>
#include <string>
#include <string_view>

// The language value am.ini keeps and the language box shows; the texts
// themselves are in the translation files.
namespace aliasmith {

enum class Language { English, Portuguese };

// "English" or "Português", as the language list and am.ini spell them.
std::string_view languageName(Language language);

// The language a name stands for, or nothing for an unknown name.
std::optional<Language> languageFromName(std::string_view name);

// Major, minor and revision joined by dots.
std::string versionText();

// The author's web address, the same in both languages.
std::string_view webAddress();

} // namespace aliasmith

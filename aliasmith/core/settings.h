#pragma once

#include "core/language.h"

#include <string>
#include <string_view>

// am.ini in the program's directory: line 1 the Hamachi directory, line 2
// the language name.
namespace aliasmith {

struct Settings {
    std::string hamachiDirectory;
    Language language = Language::English;
};

// A file with fewer than two lines, or whose second line (spaces around it
// ignored) names no known language, gives English.
Settings parseSettings(std::string_view bytes);

std::string formatSettings(const Settings& settings);

// The profile "Use profile" last wrote into Hamachi's alias file, one line in
// a file of its own beside am.ini so that am.ini keeps its two lines. Empty
// when no profile is in use.
inline constexpr std::string_view kAppliedProfileFile = "am-applied.ini";

std::string parseAppliedProfile(std::string_view bytes);
std::string formatAppliedProfile(std::string_view name);

} // namespace aliasmith

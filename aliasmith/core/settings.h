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

} // namespace aliasmith

#pragma once

#include "aliasmith/core/language.h"

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

// The profile "Use profile" last wrote into Hamachi's alias file, in a file
// of its own beside am.ini so that am.ini keeps its two lines: line 1 the
// profile's name (empty when none is in use), line 2 a fingerprint of the
// bytes written, so that "Unload profile" removes only a file the program
// wrote and nobody changed since.
inline constexpr std::string_view kAppliedProfileFile = "am-applied.ini";

struct AppliedProfile {
    std::string name;
    std::string fingerprint;

    bool operator==(const AppliedProfile&) const = default;
};

AppliedProfile parseAppliedProfile(std::string_view bytes);
std::string formatAppliedProfile(const AppliedProfile& applied);

// 64-bit FNV-1a of the bytes, in hexadecimal: enough to tell a file the
// program wrote from one written or edited by anybody else.
std::string fingerprintOf(std::string_view bytes);

} // namespace aliasmith

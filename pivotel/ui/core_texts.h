#pragma once

#include <QString>

#include <string>

namespace pivotel {

// A refusal or reason from the core (written in English, values in digits or
// names) in the language of the moment: each known sentence is matched
// with its values and worded again; an unknown one is shown as it came.
QString coreText(const std::string& text);

} // namespace pivotel

#pragma once

#include <QString>

namespace texpeek {

// The reasons the decoders give (a format they do not read, a file too
// short) are written in the program's source language, with their figures
// in them. This gives them in the language shown, figures the language's
// way; a text it does not know comes back as it is.
QString shownReason(const QString& reason);

} // namespace texpeek

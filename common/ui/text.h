#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <filesystem>
#include <optional>

// Qt-side views of the shared text and number rules.
namespace suite {

QString fromCp1252(const QByteArray& bytes);
QByteArray toCp1252(const QString& text);

// A whole number grouped with the user's locale thousands separator, as the
// "#,###" patterns show it (zero as an empty text).
QString groupedNumber(qint64 value);

// Typed text read as a real number; nothing when it is not one.
std::optional<double> readRealNumber(const QString& text);

// Text for a window title shown as it stands: Qt reads "[*]" in a title as
// its "modified" marker and drops it, unless it is doubled.
QString literalTitle(const QString& text);

// A path as the plain C++ file functions take it.
std::filesystem::path toPath(const QString& path);

// `text` and a line end on a standard stream, in the system's encoding, as a
// terminal shows it.
void printLine(std::FILE* stream, const QString& text);

} // namespace suite

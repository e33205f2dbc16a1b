#pragma once

#include <QString>

#include <ostream>

// GoogleTest shows a QString in a failed comparison as its text, not as the
// bytes of the object. One definition for every test file, so that test files
// compiled together (SUITE_UNITY_TESTS) do not define it twice.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

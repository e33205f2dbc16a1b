#pragma once

#include <string>
#include <string_view>

// Windows-1252, the 8-bit code page of the files this suite reads and writes.
// Every byte decodes to one code point (the five bytes the code page leaves
// unassigned decode to the C1 control of the same value), so bytes survive a
// decode/encode round trip unchanged.
namespace cp1252 {

// The code point a byte stands for.
char32_t toUnicode(unsigned char byte);

// The byte that holds a code point, or '?' when the code page has none.
unsigned char fromUnicode(char32_t codePoint);

// Whole-text conversions between Windows-1252 bytes and UTF-8.
std::string toUtf8(std::string_view bytes);
std::string fromUtf8(std::string_view utf8);

} // namespace cp1252

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The program's own text files (settings, profiles, Hamachi's alias file):
// Windows-1252 with CR LF line ends. In memory every text is UTF-8.
namespace aliasmith {

// File bytes as UTF-8 text. A leading byte-order mark is the only sign of
// UTF-8 (the mark is dropped, and a malformed sequence after it reads as
// U+FFFD); without it the file is Windows-1252, even when its bytes happen
// to look like UTF-8, because "Ã©" typed as a nick must come back as typed.
std::string decodeText(std::string_view bytes);

// UTF-8 text as file bytes: Windows-1252 when every character has a byte
// there, so the files stay what other tools expect; otherwise UTF-8 behind a
// byte-order mark, because turning letters the code page lacks into '?'
// would lose a path for good. Windows-1252 text that would itself begin with
// the mark's three bytes ("ï»¿") is written as UTF-8 too, or it would read
// back as something else.
std::string encodeText(std::string_view utf8);

// Windows-1252 bytes for a file that must stay in that code page (Hamachi's
// alias file), or nothing when a character has no byte there.
std::optional<std::string> encodeWindows1252(std::string_view utf8);

// Whether every character of the UTF-8 text has a Windows-1252 byte.
bool fitsWindows1252(std::string_view utf8);

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The lines of a text. CR LF ends a line, and so does a lone LF or CR, so
// that files edited by hand elsewhere read alike. A final line without an
// end counts; the empty piece after the last line end does not.
std::vector<std::string> splitLines(std::string_view text);

// The text with spaces removed at both ends.
std::string trimSpaces(std::string_view text);

// The text with blanks (spaces, tabs, line ends) removed at both ends, as a
// pasted address arrives.
std::string trimBlanks(std::string_view text);

// The text with every CR and LF turned into a space. A field written into a
// line-based file must not carry a line end of its own (a pasted nick or
// folder can), or reading the file back would split the line.
std::string oneLine(std::string_view text);

// Pieces of `text` between each occurrence of `separator`; two separators in
// a row give an empty piece, and an empty text gives one empty piece.
std::vector<std::string> splitAt(std::string_view text, char separator);

} // namespace aliasmith

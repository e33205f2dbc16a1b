#pragma once

#include <string>
#include <string_view>
#include <vector>

// The program's own text files (settings, profiles, Hamachi's alias file):
// Windows-1252 with CR LF line ends. In memory every text is UTF-8.
namespace aliasmith {

// File bytes as UTF-8 text. A file that is valid UTF-8 and holds bytes above
// 127 is taken as UTF-8 (a leading byte-order mark is dropped), since a
// Windows-1252 text almost never happens to be valid UTF-8; anything else is
// read as Windows-1252.
std::string decodeText(std::string_view bytes);

// UTF-8 text as file bytes: Windows-1252 when every character has a byte
// there, so the files stay what other tools expect; otherwise the text is
// kept as UTF-8, because turning letters the code page lacks into '?' would
// lose a path or a nick for good.
std::string encodeText(std::string_view utf8);

// The lines of a text. CR LF ends a line, and so does a lone LF or CR, so
// that files edited by hand elsewhere read alike. A final line without an
// end counts; the empty piece after the last line end does not.
std::vector<std::string> splitLines(std::string_view text);

// The text with spaces removed at both ends.
std::string trimSpaces(std::string_view text);

// The text with every CR and LF turned into a space. A field written into a
// line-based file must not carry a line end of its own (a pasted nick or
// folder can), or reading the file back would split the line.
std::string oneLine(std::string_view text);

// Pieces of `text` between each occurrence of `separator`; two separators in
// a row give an empty piece, and an empty text gives one empty piece.
std::vector<std::string> splitAt(std::string_view text, char separator);

} // namespace aliasmith

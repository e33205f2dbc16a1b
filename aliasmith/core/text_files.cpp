#include "aliasmith/core/text_files.h"

#include "common/core/cp1252.h"

#include <utility>

namespace aliasmith {
namespace {

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at `pos` (no overlong forms,
// no surrogates, nothing above U+10FFFF), or 0 when it is malformed.
std::size_t sequenceLength(std::string_view s, std::size_t pos)
{
    const auto c = static_cast<unsigned char>(s[pos]);
    std::size_t extra = 0;
    char32_t min = 0;
    char32_t cp = 0;
    if (c < 0x80)
        return 1;
    if ((c & 0xE0) == 0xC0) {
        extra = 1;
        min = 0x80;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2;
        min = 0x800;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3;
        min = 0x10000;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (pos + extra >= s.size())
        return 0;
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(s[pos + k]);
        if (!isContinuation(next))
            return 0;
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return extra + 1;
}

// Well-formed UTF-8, each malformed byte turned into U+FFFD, so that the
// text handed on is always valid.
std::string repairedUtf8(std::string_view s)
{
    std::string text;
    text.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t length = sequenceLength(s, i);
        if (length == 0) {
            text += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        text += s.substr(i, length);
        i += length;
    }
    return text;
}

} // namespace

std::string decodeText(std::string_view bytes)
{
    if (bytes.starts_with(kByteOrderMark))
        return repairedUtf8(bytes.substr(kByteOrderMark.size()));
    return cp1252::toUtf8(bytes);
}

std::optional<std::string> encodeWindows1252(std::string_view utf8)
{
    std::string bytes = cp1252::fromUtf8(utf8);
    if (cp1252::toUtf8(bytes) != utf8)
        return std::nullopt;
    return bytes;
}

bool fitsWindows1252(std::string_view utf8)
{
    return encodeWindows1252(utf8).has_value();
}

std::string encodeText(std::string_view utf8)
{
    if (auto bytes = encodeWindows1252(utf8); bytes && !bytes->starts_with(kByteOrderMark))
        return std::move(*bytes);
    std::string bytes(kByteOrderMark);
    bytes += utf8;
    return bytes;
}
std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::string trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string trimBlanks(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(blanks);
    return std::string(text.substr(first, last - first + 1));
}

std::string oneLine(std::string_view text)
{
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return line;
}

std::vector<std::string> splitAt(std::string_view text, char separator)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find(separator, start);
        if (at == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
}

} // namespace aliasmith

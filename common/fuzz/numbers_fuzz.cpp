// Number reading and printing against independent accounts of the same
// rules: the grammar of a typed number checked by hand and its value by
// strtod; grouping undone gives the plain digits; rounding lands on the
// nearest whole number, halves on the even one.
#include "common/core/numbers.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number inside the blanks when `text` is one as the user may type it:
// sign, digits with an optional fraction, optional exponent.
std::optional<std::string> typedNumber(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < text.size() && isDigit(text[i]))
            ++i, ++exponentDigits;
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return std::string(text);
}

void checkParse(std::string_view text)
{
    const std::optional<double> parsed = numbers::parseReal(text);
    const std::optional<std::string> number = typedNumber(text);
    if (!number) {
        if (parsed)
            std::abort();
        return;
    }
    errno = 0;
    const double expected = std::strtod(number->c_str(), nullptr);
    const bool outOfRange = errno == ERANGE && (std::isinf(expected) || expected == 0.0);
    if (!parsed) {
        // Only a value no double holds may be turned away.
        if (!outOfRange)
            std::abort();
        return;
    }
    if (!outOfRange && *parsed != expected)
        std::abort();
}

void checkGrouping(std::int64_t value)
{
    const std::string text = numbers::grouped(value, ",");
    if (value == 0) {
        if (!text.empty())
            std::abort();
        return;
    }
    std::string plain;
    std::size_t groupLength = 0;
    bool firstGroup = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ',') {
            if ((firstGroup ? groupLength == 0 || groupLength > 3 : groupLength != 3))
                std::abort();
            firstGroup = false;
            groupLength = 0;
        } else {
            if (c != '-')
                ++groupLength;
            plain += c;
        }
    }
    if (!firstGroup && groupLength != 3)
        std::abort();
    if (plain != std::to_string(value))
        std::abort();
}

void checkRounding(double value)
{
    if (!std::isfinite(value))
        return;
    const double rounded = numbers::roundHalfEven(value);
    const double distance = std::fabs(rounded - value);
    if (rounded != std::floor(rounded) || distance > 0.5)
        std::abort();
    if (distance == 0.5 && std::fmod(rounded, 2.0) != 0.0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::setlocale(LC_NUMERIC, "C");
    checkParse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (size >= 8) {
        std::int64_t whole = 0;
        double real = 0;
        std::memcpy(&whole, data, 8);
        std::memcpy(&real, data, 8);
        checkGrouping(whole);
        checkRounding(real);
    }
    return 0;
}

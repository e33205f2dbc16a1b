#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numbers {

// Digits grouped in threes with `separator`, as the "#,###" family of
// patterns prints them: no decimals, a leading minus for negatives, and an
// empty text for zero.
std::string grouped(std::int64_t value, std::string_view separator);

// Rounds to the nearest whole number, halves going to the even neighbour
// (2.5 gives 2, 3.5 gives 4, -2.5 gives -2).
double roundHalfEven(double value);

// Reads typed text as a real number: optional surrounding blanks, an optional
// sign, digits with an optional '.' fraction and an optional exponent.
// Anything else, an empty text included, is not a number.
std::optional<double> parseReal(std::string_view text);

} // namespace numbers

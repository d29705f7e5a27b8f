// The one reader of typed and pasted number texts.
#pragma once

#include <string_view>

namespace vemora {

// Whether a leading minus sign is part of the accepted form.
enum class MinusSign { Refused, Allowed };

// Reads `text` as a plain decimal number: digits with at most one decimal
// point ("5." is 5, ".5" is 0.5) and, where `minus` allows it, one leading
// "-". Blanks around the number are ignored, blanks inside are not. Refused:
// an empty text, a lone ".", a second point, exponents, "inf", "nan", "+",
// thousands separators, a decimal comma, and a value beyond the range of the
// target type. The decimal point is always "." whatever the locale. Returns
// whether a number was read; `value` is untouched otherwise. -0 reads as 0.
bool ReadStrictNumber(std::string_view text, double& value, MinusSign minus = MinusSign::Refused);
bool ReadStrictNumber(std::string_view text, float& value, MinusSign minus = MinusSign::Refused);

// How a spreadsheet cell's text read as a number.
enum class NumberReading {
    Read,
    NotANumber,
    TooLarge, // a number whose 4-byte real would be infinite
};

// Reads `text` as a spreadsheet cell's number: an optional "+" or "-", digits
// with at most one decimal point (".5" and "5." included) and an optional
// exponent ("e" or "E", an optional sign, digits). Blanks around it are
// ignored. Refused: anything else (a decimal comma, thousands separators,
// hex, "inf", "nan") as not a number, a number beyond the range of a 4-byte
// real as too large. A tiny number reads as the nearest 4-byte real (0 at the
// least), one too small even for a double as not a number. `value` is
// untouched unless the number was read. -0 reads as 0.
NumberReading ReadScientificNumber(std::string_view text, float& value);

} // namespace vemora

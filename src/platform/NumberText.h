// Numbers as the windows' fields and grid cells write and read them.
#pragma once

#include <QString>

namespace vemora {

// A stored single-precision number as text: the shortest plain digits (no
// exponent, no thousands separator, no leading blank) that WholeTextNumber
// reads back as the same value, so that showing a value and saving it again
// changes nothing. The longest, for the largest and the smallest values, is
// under 50 characters.
QString SingleText(float value);

// The whole text (surrounding blanks aside) read as a number. False, with
// `value` untouched, for an empty text, a lone ".", two decimal points, any
// other non-number, or a value beyond the single-precision range.
bool WholeTextNumber(const QString& text, float& value);

} // namespace vemora

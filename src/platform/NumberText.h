// Numbers as the windows' fields and grid cells write and read them.
#pragma once

#include <QString>

namespace vemora {

// A stored single-precision number as text: as many significant digits as it
// needs, at most seven, no thousands separator, no leading blank; very large
// or small values in the "1.5E+08" form.
QString SingleText(float value);

// The whole text (surrounding blanks aside) read as a number. False, with
// `value` untouched, for an empty text, a lone ".", two decimal points, any
// other non-number, or a value beyond the single-precision range.
bool WholeTextNumber(const QString& text, float& value);

} // namespace vemora

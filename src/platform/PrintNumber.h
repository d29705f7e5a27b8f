// How a print statement writes a single-precision number given as a number.
#pragma once

#include <QString>

namespace vemora {

// The print-number form: a blank (or the minus sign), the value with up to
// seven significant digits, no zero before the point below 1, the exponent
// form ("1.5E+08", "1E-05") when more than seven digits precede the point or
// the value is below 0.0001, and one trailing blank: 12.5 -> " 12.5 ",
// -0.25 -> "-.25 ", 0 -> " 0 ".
QString printNumberText(float value);

} // namespace vemora

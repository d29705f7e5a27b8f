// The profile grid's reading of a cell: the number a text begins with.
#pragma once

#include <string_view>

namespace vemora {

// Reads `text` by the leading-number rule: blanks anywhere are skipped, and
// the longest leading part of the form [sign] digits [. digits] [E [sign]
// digits] (at least one digit before the exponent) gives the value, so
// "12 m" reads 12 and "- 3.5" reads -3.5. A text with no such part (empty,
// ".", "abc") reads 0.
//
// Refused (false, `value` untouched): a text whose number runs on into more
// number characters, where the user cannot have meant the leading part alone
// ("1.2.3", "1..5", "2-3", "1,5", "1e5e3", ".-"), and a number beyond the
// single-precision range.
bool ReadLeadingNumber(std::string_view text, float& value);

} // namespace vemora

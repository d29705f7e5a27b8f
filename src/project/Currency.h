// The project currency, held in CurrencyCode: 0 Rand, any other value Dollar.
#pragma once

#include <string>

namespace vemora {

inline bool IsDollar(int code)
{
    return code != 0;
}

// "R" for code 0, "$" for any other code.
inline std::string CurrencySymbol(int code)
{
    return IsDollar(code) ? "$" : "R";
}

} // namespace vemora

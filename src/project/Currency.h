// The project currency, held in CurrencyCode: 0 Rand, any other value Dollar.
#pragma once

#include <cstdint>
#include <string>

namespace vemora {

namespace Currencies {
constexpr int16_t Rand = 0;
constexpr int16_t Dollar = 1;
} // namespace Currencies

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

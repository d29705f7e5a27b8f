// A printed report that cannot go on: a value that is not finite, a
// division by a zero unit factor, a printer that failed. The report stops at
// once; whoever started printing shows the message of the item that failed.
#pragma once

#include <cmath>
#include <stdexcept>

namespace vemora {

class PrintFailure : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

// The value itself, or a PrintFailure when it is not finite, so that "inf"
// and "nan" never reach a page.
inline double FiniteOrFail(double value)
{
    if (!std::isfinite(value)) throw PrintFailure("a printed value is not finite");
    return value;
}

// a / b for a value that prints; a zero or non-finite divisor fails.
inline double DivideOrFail(double a, double b)
{
    if (b == 0 || !std::isfinite(b)) throw PrintFailure("division by a zero unit factor");
    return FiniteOrFail(a / b);
}

} // namespace vemora

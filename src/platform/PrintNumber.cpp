#include "platform/PrintNumber.h"

#include <cmath>

namespace vemora {

QString printNumberText(float value)
{
    if (!std::isfinite(value) || value == 0.0f) return QStringLiteral(" 0 ");
    // 'g' with seven digits switches to the exponent at the same points.
    QString digits = QString::number(std::fabs(static_cast<double>(value)), 'g', 7);
    digits.replace(QLatin1Char('e'), QLatin1Char('E'));
    if (digits.startsWith(QLatin1String("0."))) digits.remove(0, 1);
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits + QLatin1Char(' ');
}

} // namespace vemora

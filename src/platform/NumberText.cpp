#include "platform/NumberText.h"

#include <cmath>

namespace vemora {

QString SingleText(float value)
{
    if (value == 0.0f || !std::isfinite(value)) return QStringLiteral("0");
    QString text = QString::number(static_cast<double>(value), 'g', 7);
    return text.replace(QLatin1Char('e'), QLatin1Char('E'));
}

bool WholeTextNumber(const QString& text, float& value)
{
    const QString trimmed = text.trimmed();
    for (QChar c : trimmed) // no "inf", "nan" or hexadecimal forms
        if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') ||
              c == QLatin1Char('+') || c == QLatin1Char('e') || c == QLatin1Char('E')))
            return false;
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(number) || std::fabs(number) > 3.4028234663852886e38) return false;
    value = static_cast<float>(number);
    return true;
}

} // namespace vemora

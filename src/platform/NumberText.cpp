#include "platform/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vemora {

namespace {

// The fewest significant digits that give `value` back, written out in plain
// digits: 1.2345679e+08 becomes 123456790, 1e-05 becomes 0.00001.
QString ShortestPlainDigits(float value)
{
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific);
    const QString scientific = QString::fromLatin1(buffer.data(), written.ptr - buffer.data());
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    const bool negative = scientific.startsWith(QLatin1Char('-'));
    QString digits = scientific.mid(negative ? 1 : 0, e - (negative ? 1 : 0));
    digits.remove(QLatin1Char('.'));
    const int point = scientific.mid(e + 1).toInt() + 1; // digits before the decimal point
    QString text;
    if (point <= 0)
        text = QStringLiteral("0.") + QString(-point, QLatin1Char('0')) + digits;
    else if (point >= digits.size())
        text = digits + QString(point - digits.size(), QLatin1Char('0'));
    else
        text = digits.left(point) + QLatin1Char('.') + digits.mid(point);
    return negative ? QLatin1Char('-') + text : text;
}

// `value` in plain digits with exactly `decimals` decimals, trailing zeros of
// the decimals dropped.
QString FixedDigits(float value, int decimals)
{
    std::array<char, 128> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, decimals);
    QString text = QString::fromLatin1(buffer.data(), written.ptr - buffer.data());
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    }
    return text;
}

bool ReadsBackAs(const QString& text, float value)
{
    float back = 0;
    return WholeTextNumber(text, back) && back == value;
}

} // namespace

QString SingleText(float value)
{
    if (value == 0.0f || !std::isfinite(value)) return QStringLiteral("0");
    QString text = ShortestPlainDigits(value);
    // The text goes through a double on its way back; where that rounds
    // twice, more decimals settle it.
    for (int decimals = 0; !ReadsBackAs(text, value) && decimals <= 60; ++decimals)
        text = FixedDigits(value, decimals);
    return text;
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

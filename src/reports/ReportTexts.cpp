#include "reports/ReportTexts.h"

#include "app/AppContext.h"
#include "project/Currency.h"
#include "project/StrictNumber.h"

namespace vemora {

QString CurrencyText(const AppContext& ctx)
{
    return QString::fromStdString(CurrencySymbol(ctx.store.CurrencyCode));
}

namespace {

bool ReadField(const QString& text, double& value)
{
    return ReadStrictNumber(text.toStdString(), value, MinusSign::Allowed);
}

} // namespace

QString FormattedField(const QString& text, std::string (*format)(double))
{
    double value = 0;
    return ReadField(text, value) ? QString::fromStdString(format(value)) : text;
}

QString FormattedField(const QString& text, std::string (*format)(double, int), int decimals)
{
    double value = 0;
    return ReadField(text, value) ? QString::fromStdString(format(value, decimals)) : text;
}

} // namespace vemora

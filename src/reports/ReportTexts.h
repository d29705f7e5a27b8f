// Pieces the text reports share: the currency symbol and field texts
// formatted as numbers.
#pragma once

#include <QString>
#include <string>

namespace vemora {

struct AppContext;

// "R" or "$" by the project's currency code.
QString CurrencyText(const AppContext& ctx);

// The text of a field read as a number and written by `format`; a text that
// is not a number prints as it stands.
QString FormattedField(const QString& text, std::string (*format)(double));
// The same with a pattern that takes a count of decimals.
QString FormattedField(const QString& text, std::string (*format)(double, int), int decimals);

} // namespace vemora

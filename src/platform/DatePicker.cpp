#include "platform/DatePicker.h"

#include <QLocale>

namespace vemora {

namespace {
const QString kShownFormat = QStringLiteral("d MMMM yyyy");
} // namespace

QDate ReadDateText(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) return {};
    static const QStringList formats = {kShownFormat, "yyyy-MM-dd",   "yyyy/MM/dd",
                                        "d/M/yyyy",   "d-M-yyyy",     "d.M.yyyy",
                                        "d MMM yyyy", "MMMM d, yyyy", "MMMM d yyyy"};
    for (const QString& f : formats) {
        const QDate d = QLocale::c().toDate(t, f);
        if (d.isValid()) return d;
    }
    return {};
}

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(kShownFormat);
    setDate(QDate::currentDate());
    connect(this, &QDateEdit::dateChanged, this, [this](const QDate&) { emit Change(); });
}

void DatePicker::setValue(const QDate& d)
{
    if (d.isValid()) setDate(d);
}

} // namespace vemora

#include "platform/DatePicker.h"

namespace vemora {

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat("d MMMM yyyy");
    setDate(QDate::currentDate());
    connect(this, &QDateEdit::dateChanged, this, [this](const QDate&) { emit Change(); });
}

void DatePicker::setValue(const QDate& d)
{
    if (d.isValid()) setDate(d);
}

bool DatePicker::setValueText(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    const QStringList formats = {displayFormat(), "yyyy-MM-dd", "yyyy/MM/dd", "d/M/yyyy",
                                 "d-M-yyyy",      "d.M.yyyy",   "d MMM yyyy", "d MMMM yyyy",
                                 "MMMM d, yyyy",  "MMMM d yyyy"};
    for (const QString& f : formats) {
        const QDate d = QLocale::c().toDate(t, f);
        if (d.isValid()) {
            if (d < minimumDate() || d > maximumDate()) return false;
            setDate(d);
            return true;
        }
    }
    return false;
}

} // namespace vemora

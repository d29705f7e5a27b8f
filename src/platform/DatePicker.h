// A date field with a drop-down calendar; Value is its date. Text that does
// not read as a date is refused and the previous date kept.
#pragma once

#include <QDateEdit>

namespace vemora {

// The date a text names in one of the forms a date field takes: the shown
// "d MMMM yyyy", ISO and "yyyy/MM/dd", common day-month-year forms and
// "MMMM d, yyyy"; surrounding blanks ignored. A null date for any other text.
QDate ReadDateText(const QString& text);

class DatePicker : public QDateEdit
{
    Q_OBJECT
  public:
    explicit DatePicker(QWidget* parent);

    QDate Value() const { return date(); }
    void setValue(const QDate& d);
    // Sets the date from text (the shown format, ISO, or common day-month-
    // year forms); false, and the date unchanged, when it is not a date in
    // range.
    bool setValueText(const QString& text);
    // The date as the field shows it.
    QString valueText() const { return text(); }

  signals:
    void Change();
};

} // namespace vemora

// A date field with a drop-down calendar; Value is its date. A date that is
// not valid is refused and the previous date kept.
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

  signals:
    void Change();
};

} // namespace vemora

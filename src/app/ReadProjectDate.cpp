#include "app/ReadProjectDate.h"

#include <QString>

#include "platform/DatePicker.h"
#include "project/ProjectDate.h"

namespace vemora {

QDate ReadProjectDate(const std::string& stored)
{
    int year = 0, month = 0, day = 0;
    if (ParseProjectDate(stored, year, month, day)) return QDate(year, month, day);
    return ReadDateText(QString::fromStdString(stored));
}

} // namespace vemora

// The one reading of a project's stored date, shared by the input window's
// date field and the printed page headers, so that both show the same day.
#pragma once

#include <QDate>
#include <string>

namespace vemora {

// The record's own form "dd/MM/yyyy" first, then any form a date field
// takes ("2001/06/11", "2001-06-11", "11 June 2001", ...); surrounding
// blanks ignored. A null date when the text is no date.
QDate ReadProjectDate(const std::string& stored);

} // namespace vemora

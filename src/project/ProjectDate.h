// The project date as it is kept in the record: the short date format
// "dd/MM/yyyy", always with a four-digit year so that it reads back as the same
// day in any century.
#pragma once

#include <string>

namespace vemora {

// "dd/MM/yyyy", e.g. FormatProjectDate(2026, 3, 9) is "09/03/2026".
std::string FormatProjectDate(int year, int month, int day);

// Today's local date in the same format.
std::string TodayProjectDate();

// Reads "d/M/yyyy" (surrounding blanks ignored, one or two digits for day and
// month, four for the year). Returns false, leaving the outputs alone, for any
// other text or a day that does not exist.
bool ParseProjectDate(const std::string& text, int& year, int& month, int& day);

} // namespace vemora

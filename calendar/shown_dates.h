// Dates as the program shows them to a person, in the user's language:
// the names of its months and weekdays (text/display_names.h) in the order
// its translation of each form gives, and Western digits, which the windows
// write in the locale's own. In English: "6 March 1998", "Friday 6 March
// 1998", "Ramadhan 1447". Never for stored or machine-read text.
#pragma once

#include "calendar/hijri_rule.h"

#include <string>

// "6 March 1998", "27 Ramadhan 1447".
std::string ShownDateText(const YearMonthDay &date, bool hijri);
// "Friday 6 March 1998": the weekday 0 = Sunday .. 6 = Saturday first.
std::string ShownDateText(const YearMonthDay &date, bool hijri, int weekday);
// "Ramadhan 1447", "March 1998".
std::string ShownMonthText(int year, int month, bool hijri);
// "Friday", 0 = Sunday .. 6 = Saturday.
std::string ShownWeekdayName(int weekday);

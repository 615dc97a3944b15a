// Messages of the agenda as whole sentences with numbered placeholders
// ("In %1 days, %2 / %3: %4"), one constant per message, so that a
// translation may put the parts in its own order.
#pragma once

#include "calendar/hijri_rule.h"

#include <initializer_list>
#include <string>
#include <string_view>

// The pattern with %1 to %9 replaced by the arguments in one pass (an
// argument that holds "%2" stays as it is); a placeholder without an
// argument, and any other "%", stay.
std::string FillSentence(std::string_view pattern, std::initializer_list<std::string_view> args);

// "Sunday 7 February 2027": a civil day by its day number, in English.
std::string CivilDayText(int dayNumber);
// "1 Ramadhan 1448".
std::string HijriDayText(const YearMonthDay &date);

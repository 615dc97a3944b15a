// Messages of the agenda as whole sentences with numbered placeholders
// ("Tomorrow, %1 / %2: %3"), one constant per message, so that a
// translation may put the parts in its own order (FillSentence of
// text/sentence.h), and the dates they name.
#pragma once

#include "calendar/hijri_rule.h"
#include "text/sentence.h"

#include <string>

// "Sunday 7 February 2027": a civil day by its day number, in the user's
// language (English: as here).
std::string CivilDayText(int dayNumber);
// "1 Ramadhan 1448".
std::string HijriDayText(const YearMonthDay &date);

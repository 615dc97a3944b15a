// The form's Corresponding Date: the chosen date in the other calendar.
// The engine's conversion runs on into the next month for a day that the
// month does not have (its other callers rely on that arithmetic); the form
// says instead that the date does not exist, so that it never shows a false
// date as the answer.
#pragma once

#include "calendar/icu/hijri_calendar.h"
#include "framework/cstring.h"

// The date `day` `month` (1..12) `year` of the Hijri calendar (`fromHijri`)
// or of the Christian one, in the other calendar: "16 July 2026". A day
// after the month's last gives "Muharram 1448 has only 29 days" (the Hijri
// month's length under `calendar`, its recorded month starts included) or
// "30 February 2027 does not exist" (also the days 5 to 14 October 1582,
// which the Gregorian reform dropped). A day of 0 or less converts as the
// engine counts it, from the month's first day back. The year 0 is the year
// -1, as the engine takes it.
CString CorrespondingDateText(
    const CHijriCalendar &calendar, bool fromHijri, int year, int month, int day);

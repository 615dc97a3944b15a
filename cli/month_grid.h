// A month laid out by weeks like cal(1), each day beside its day in the
// other calendar.
#pragma once

#include "cli/date_text.h"

#include <string>

// The month must have passed CheckYearMonth. Hijri dates as `hijri` keeps
// the calendar; the Hijri month's label names any rule other than the
// engine's ("(Hijri: Umm al-Qura, +1 day)").
std::string FormatMonthGrid(const CHijriCalendar &hijri, CalendarKind kind, int year, int month);

// Today's date in both calendars, as the form's today line shows it. The
// form starts with the Hijri date written "7 Thul Qi'dah 1418"; the minute
// timer rebuilds the line with "Thul Qi'dah 7, 1418". Both forms stay, so
// the line looks as it always has.
#pragma once

#include "agenda/day_reminders.h"
#include "agenda/missed_reminders.h"
#include "calendar/icu/hijri_calendar.h"
#include "framework/ctime.h"

// One reading of the clock with its date in both calendars.
struct Today {
    CTime now;
    YearMonthDay christian, hijri;
};

// Reads the clock; the Hijri date is the calendar's.
Today ReadToday(const CHijriCalendar &calendar);
// The day number (calendar/hijri_rule.h) of `time`'s local date.
int DayNumberOf(const CTime &time);
// `time` as the local clock shows it, to the minute.
LocalMinute LocalMinuteOf(const CTime &time);

enum class TodayLineForm {
    StartUp, // "Friday March 06, 1998 - 7 Thul Qi'dah 1418"
    Timer, // "Friday March 06, 1998 - Thul Qi'dah 7, 1418"
};

CString TodayLine(const Today &today, TodayLineForm form);
// The form of a line that TodayLine built; StartUp for any other text.
TodayLineForm TodayLineFormOf(const CString &line);

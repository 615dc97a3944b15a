// The reminders that fell due while the program was not running or the
// machine slept: every reminder of the days from the last due check up to
// yesterday, of every kind and with the notices of those days
// (day_agenda.h), whose alarm time had not yet come when the program last
// checked. Today's reminders are the due check's, never missed.
//
// Standard library and the calendar only; the profile is reached through a
// lookup, and the caller reads the clock.
#pragma once

#include "agenda/day_reminders.h"
#include "calendar/icu/hijri_calendar.h"

#include <vector>

// The most days back that are looked at: a reminder of a week ago is still
// worth telling, one of a year ago is not.
inline constexpr int kMissedReminderDays = 7;

// A moment as the local clock shows it: the day number of its date
// (calendar/hijri_rule.h) and the hour and minute.
struct LocalMinute {
    int day = 0;
    int hour = 0;
    int minute = 0;
};

struct MissedReminder {
    int day = 0; // the civil day it fell due on
    YearMonthDay christian, hijri; // that day's dates
    int weekday = 0; // 0 = Sunday
    int ringsAt = 0; // the minute of its day (0..1439) its alarm rang from
    DayReminder reminder;
};

// The reminders of the days from `lastCheck`'s day to the day before
// `today`, but of no more than the last kMissedReminderDays of them: on the
// day of the last check those whose alarm that check had not reached, on
// later days every one whose alarm is ever reached. In day order, then by
// the minute they ring from, then as FindRemindersOfDay gives them. Nothing
// when the last check was today (or, after the clock went back, later).
std::vector<MissedReminder> FindMissedReminders(const LocalMinute &lastCheck, int today,
    const CHijriCalendar &hijri, const ProfileLookup &lookup);

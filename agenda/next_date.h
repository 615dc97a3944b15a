// The civil days on which a reminder key falls: the next one from a day on,
// and every one in a span of days. A yearly Christian key falls on its
// month and day of every year that has that day ("February/29" in leap
// years only); a yearly Hijri key on its month and day as the chosen Hijri
// calendar keeps them (day 30 only in the years whose month has 30 days
// under that rule and adjustment). A once key falls on its date, when the
// date exists; a monthly key on its day of every month of its calendar, or
// on the month's last day when the month is shorter (Hijri/30 on the 29th
// of a month of 29 days, Christian/31 on 30 April; the days dropped in
// October 1582 on the 15th); a weekly key on every day of its weekday.
//
// Days are day numbers (calendar/hijri_rule.h). Every answer lies within
// the supported range, which ends on 31 December 3000; callers give days
// within it.
#pragma once

#include "agenda/reminder_key.h"
#include "calendar/icu/hijri_calendar.h"

#include <optional>
#include <vector>

// How many years of its calendar the next day of a key is looked for in:
// enough for every day that exists at all under a rule ("February/29" comes
// back within 8 years; a Hijri month's day 30 under the tabular calendar
// within 3, or never).
inline constexpr int kReminderSearchYears = 30;

// The first and last day of the supported range, 1 January -4000 and
// 31 December 3000.
int FirstReminderDay();
int LastReminderDay();

// The day a once key falls on; nothing when there is none, and then
// `problem` says why: a date outside the supported range (`outOfRange`),
// or a Hijri day 30 of a month that has 29 days under the calendar.
struct OnceDate {
    std::optional<int> day;
    std::string problem;
    bool outOfRange = false;
};
OnceDate OnceReminderDay(const ParsedReminderKey &key, const CHijriCalendar &hijri);

// The first day on or after `fromDay` on which the key falls; nothing for a
// key that cannot fall due or does not within kReminderSearchYears years.
std::optional<int> NextReminderDay(
    const ParsedReminderKey &key, const CHijriCalendar &hijri, int fromDay);

// Every day from `firstDay` to `lastDay` (both included) on which the key
// falls, in order.
std::vector<int> ReminderDaysBetween(
    const ParsedReminderKey &key, const CHijriCalendar &hijri, int firstDay, int lastDay);

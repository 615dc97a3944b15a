// Every reminder a civil day holds, of every kind: the yearly ones under
// the day's keys in both calendars (day_reminders.h), those of the other
// kinds under theirs (kind_key.h), and, where asked, the notices that fall
// on the day: a reminder whose "Notice" entry says N, found under a key of
// the day N days later.
#pragma once

#include "agenda/day_reminders.h"
#include "calendar/icu/hijri_calendar.h"

#include <string_view>
#include <vector>

enum class WithNotices { No, Yes };

// The day's reminders: the yearly ones in the order of DayReminderKeys,
// then the other kinds in the order of DayKindKeys, then the notices,
// nearest day first. Each has its own alarm; every memo is non-empty.
std::vector<DayReminder> FindRemindersOfDay(
    int dayNumber, const CHijriCalendar &hijri, const ProfileLookup &lookup, WithNotices notices);

// Whether a change of `key` can change what the day rings: it is one of
// the day's keys of any kind, or its notice (as `lookup` reads it now)
// falls on the day.
bool IsReminderKeyOfDay(
    std::string_view key, int dayNumber, const CHijriCalendar &hijri, const ProfileLookup &lookup);

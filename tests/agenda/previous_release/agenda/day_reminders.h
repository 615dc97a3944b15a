// The reminders that a civil day holds: the memos stored under its keys in
// both calendars, each with the alarm that makes it ring.
//
// A reminder belongs to a month and a day of one calendar and comes back
// every year of that calendar. A day of either calendar may have been typed
// with or without a leading zero, so a civil day has up to four keys: in
// each calendar the day as the program spells it ("March/06", "Ramadhan/5")
// and, for days 1 to 9, the other spelling ("March/6", "Ramadhan/05").
//
// Standard library only; the profile is reached through a lookup function,
// so that callers choose how they read it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace previous_release {

// A date of one calendar: the year as people write it, month 1..12, day
// 1..31 (1..30 in the Hijri calendar).
struct AgendaDate {
    int year = 0;
    int month = 1;
    int day = 1;
};

enum class ReminderCalendar { Hijri, Christian };

// The largest repeat interval, in minutes, that the form takes; a stored
// interval outside 0..kMaxAlarmInterval counts as the nearest end.
inline constexpr int kMaxAlarmInterval = 720;

// When a reminder rings: from hour:minute of its day on, and again `every`
// minutes after the user said "not now" (0: at the next minute).
struct ReminderAlarm {
    int hour = 8; // as scanned: -9..99; an hour past 23 is never reached
    int minute = 0; // as scanned: -9..99
    int every = 60; // 0..kMaxAlarmInterval
};

// One reminder key of a civil day.
struct DayKey {
    ReminderCalendar calendar;
    std::string key; // "Ramadhan/5"
};

// A reminder found under one of a day's keys.
struct DayReminder {
    ReminderCalendar calendar;
    std::string key; // the key it is stored under
    std::string memo; // never empty
    ReminderAlarm alarm;
};

// Reads one entry of the profile: its decoded value, or nullopt when the
// entry, its section or the file is missing. An entry present with an empty
// value is not missing.
using ProfileLookup =
    std::function<std::optional<std::string>(std::string_view section, std::string_view entry)>;

// The keys of the civil day whose date is `christian` in the Christian and
// `hijri` in the Hijri calendar (the caller converts, so that it chooses the
// Hijri rules): the Hijri keys, then the Christian keys, each calendar's own
// spelling of the day before the other one.
std::vector<DayKey> DayReminderKeys(const AgendaDate &christian, const AgendaDate &hijri);

// Whether `key` is one of those keys. Names match regardless of ASCII case,
// as in the profile.
bool IsDayReminderKey(std::string_view key, const AgendaDate &christian, const AgendaDate &hijri);

// The alarm of a reminder from its stored "Alarm" value: the default
// "08:00 60" when the entry is missing; otherwise the value as scanned, the
// numbers that a value not fitting "%02d:%02d %d" does not reach keeping the
// default's, and the interval brought into 0..kMaxAlarmInterval.
ReminderAlarm ParseReminderAlarm(const std::optional<std::string> &alarmValue);

// Whether an alarm has rung by hour:minute of its day (the local time).
bool AlarmReached(const ReminderAlarm &alarm, int hour, int minute);

// The reminders of the civil day, in the order of DayReminderKeys: every key
// that holds a non-empty memo, with its own alarm.
std::vector<DayReminder> FindDayReminders(
    const AgendaDate &christian, const AgendaDate &hijri, const ProfileLookup &lookup);

} // namespace previous_release

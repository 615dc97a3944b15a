// The reminders that a civil day holds: the keys of its yearly reminders in
// both calendars, the reminders found under a day's keys (day_agenda.h
// finds them, of every kind) and the alarm that makes each ring.
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

#include "calendar/hijri_rule.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class ReminderCalendar { Hijri, Christian };

// How a reminder comes back: every year on a month and day of its calendar
// (the "Reminder" and "Alarm" sections), or one of the other kinds
// (reminders/reminder_entries.h): once on a date, every month of its
// calendar on a day, every week on a weekday.
enum class ReminderKind { Yearly, Once, Monthly, Weekly };

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

// One reminder key of a civil day. A weekly key counts as Christian: the
// week is the civil one.
struct DayKey {
    ReminderCalendar calendar;
    std::string key; // "Ramadhan/5"
    ReminderKind kind = ReminderKind::Yearly;
};

// A reminder found under one of a day's keys, or, for a notice, under a key
// of a day `noticeDays` days later.
struct DayReminder {
    ReminderCalendar calendar = ReminderCalendar::Christian;
    std::string key; // the key it is stored under
    std::string memo; // never empty
    ReminderAlarm alarm;
    ReminderKind kind = ReminderKind::Yearly;
    // 0: the reminder's own day. Otherwise the notice given that many days
    // before the day it falls on, whose dates follow.
    int noticeDays = 0;
    int occursDay = 0; // a day number
    YearMonthDay occursChristian, occursHijri;
};

// What the prompt and the lists say of a reminder: its memo, or for a
// notice when its day comes: "In 3 days, Sunday 7 February 2027 / 1
// Ramadhan 1448: buy dates" ("Tomorrow, ..." for one day).
std::string DayReminderText(const DayReminder &reminder);

// Reads one entry of the profile: its decoded value, or nullopt when the
// entry, its section or the file is missing. An entry present with an empty
// value is not missing.
using ProfileLookup =
    std::function<std::optional<std::string>(std::string_view section, std::string_view entry)>;

// The keys of the civil day whose date is `christian` in the Christian and
// `hijri` in the Hijri calendar (the caller converts, so that it chooses the
// Hijri rules): the Hijri keys, then the Christian keys, each calendar's own
// spelling of the day before the other one.
std::vector<DayKey> DayReminderKeys(const YearMonthDay &christian, const YearMonthDay &hijri);

// Whether `key` is one of those keys. Names match regardless of ASCII case,
// as in the profile.
bool IsDayReminderKey(
    std::string_view key, const YearMonthDay &christian, const YearMonthDay &hijri);

// The alarm of a reminder from its stored "Alarm" value: the default
// "08:00 60" when the entry is missing; otherwise the value as scanned, the
// numbers that a value not fitting "%02d:%02d %d" does not reach keeping the
// default's, and the interval brought into 0..kMaxAlarmInterval.
ReminderAlarm ParseReminderAlarm(const std::optional<std::string> &alarmValue);

// Whether an alarm has rung by hour:minute of its day (the local time).
bool AlarmReached(const ReminderAlarm &alarm, int hour, int minute);

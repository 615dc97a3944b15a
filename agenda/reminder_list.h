// Every reminder of the profile as a row of a list: its key, memo and
// alarm, and the next day it falls due in both calendars, or why it never
// does. All Reminders and zamanix-reminders show these rows.
#pragma once

#include "agenda/next_date.h"
#include "agenda/profile_calendar.h"
#include "reminders/profile_snapshot.h"

#include <optional>
#include <string>
#include <vector>

struct ReminderRow {
    std::string key; // as the profile spells it
    std::string memo; // decoded: line breaks are line breaks
    ParsedReminderKey parsed; // with its kind
    ReminderAlarm alarm; // as the due check reads it
    int notice = 0; // days of notice before each day it falls on; 0: none
    // The minute of its day (0..1439) from which the alarm rings; nothing
    // for an alarm whose hour is past 23.
    std::optional<int> ringsAt;
    // The day it falls due next (a day number); for a once reminder whose
    // day has gone by, that day, and `past` is set; nothing when it never
    // does, and `problem` says why.
    std::optional<int> day;
    bool past = false;
    std::string problem;
    // What a user might not expect of the days it falls on: "only in leap
    // years", "on the last day of shorter months"; empty otherwise.
    std::string note;
    int daysUntil = 0; // from today to `day`, below 0 when past
    YearMonthDay christian, hijri; // the dates of `day`
    int weekday = 0; // of `day`, 0 = Sunday

    bool FallsDue() const { return day && !past; }
};

// What a user might not expect of the days a key that can fall due falls
// on ("only in leap years"); empty when nothing.
std::string ReminderNote(const ParsedReminderKey &key);
// Why a key that can fall due finds no day from the day looked from on:
// none in the years looked at, or none before the last supported day.
std::string NoReminderDayProblem(const ParsedReminderKey &key, const CHijriCalendar &hijri);

// The first minute of its day at which the alarm has rung
// (AlarmReached): 07:75 rings from 08:00, -5:00 from 00:00, 24:00 never.
std::optional<int> AlarmRingsAt(const ReminderAlarm &alarm);

// Every entry of the "Reminder" section and of the other kinds' section
// (the ones lookups find), sorted by the day each falls due next from
// `today` on, then by the time its alarm rings, then in the profile's order
// (yearly ones first); the once reminders whose day has gone by follow, the
// latest first, and those that never fall due last, in the profile's
// order. A key that cannot fall due, an empty memo (the due check skips
// it) and an alarm that is never reached each make a row that never falls
// due.
std::vector<ReminderRow> BuildReminderRows(
    const CProfileSnapshot &profile, const CHijriCalendar &hijri, int today);

// The rows of every day from `today` to `lastDay` on which a reminder falls
// due, a reminder that falls more than once in them in a row for each day,
// sorted as above; no row for one that never falls due.
std::vector<ReminderRow> BuildUpcomingRows(
    const CProfileSnapshot &profile, const CHijriCalendar &hijri, int today, int lastDay);

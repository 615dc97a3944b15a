// A reminder of any kind as the New Reminder dialog holds it while it is
// typed: its kind, the date, day or weekday, the memo, the alarm and the
// notice; the key it makes, the day it falls on next in both calendars, and
// why it cannot be kept. Plain, so that what the dialog decides is tested
// without a window.
#pragma once

#include "agenda/reminder_changes.h"
#include "agenda/reminder_list.h"

#include <string>

struct ReminderDraft {
    ReminderKind kind = ReminderKind::Yearly;
    ReminderCalendar calendar = ReminderCalendar::Hijri; // not for a weekly one
    int year = 1; // once: as written, never 0
    int month = 1; // yearly and once: 1..12
    int day = 1; // yearly, once and monthly: 1..31
    int weekday = 5; // weekly: 0 = Sunday
    std::string memo;
    int hour = 8, minute = 0; // 0..23, 0..59
    int every = 60; // 0..kMaxAlarmInterval
    int notice = 0; // 0..kMaxNoticeDays

    friend bool operator==(const ReminderDraft &, const ReminderDraft &) = default;
};

// The key the draft is kept under, as the program writes it: the month as
// its table spells it, the Christian day in two digits, the Hijri day
// without a leading zero ("Ramadhan/27", "March/06/2027", "Hijri/13",
// "Friday").
std::string DraftKey(const ReminderDraft &draft);

// What the dialog shows under the date, in both calendars: the once date
// ("Saturday 6 March 2027 / 27 Ramadhan 1448"), or the next day of the
// others ("Next on ..."), with what a user might not expect of its days;
// or why it never falls due.
std::string DraftPreview(const ReminderDraft &draft, const CHijriCalendar &hijri, int today);

// Why the draft cannot be kept, in a sentence that says what to change: a
// day that its month never has, a date that never was or lies outside the
// supported days, an empty memo. Empty when it can. A once date that has
// gone by, or that the Hijri calendar lacks, can be kept: the preview says
// so.
std::string DraftProblem(const ReminderDraft &draft, const CHijriCalendar &hijri);

// The draft of a row, for Edit: its kind, day and alarm as the lists read
// them. A row whose key never falls due gives the draft's defaults for what
// the key does not say.
ReminderDraft DraftOfRow(const ReminderRow &row);

// What is written for the draft under `key`.
ReminderEntry DraftEntry(const ReminderDraft &draft, const std::string &key);

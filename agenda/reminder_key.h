// A stored reminder key read back: which calendar and month its name
// belongs to, which day it falls on, and, for a key that can never fall due,
// why not, in words that tell the user what to mend.
//
// A key falls due when the due check finds it under one of the keys of a
// day (day_reminders.h): the month name of either table in any ASCII case,
// "/", and the day without a leading zero or, for days 1 to 9, with one. So
// "Ramadhan/5", "ramadhan/05" and "March/06" fall due; "March/006",
// "March/ 6", "March/" and "April/31" never do.
#pragma once

#include "agenda/day_reminders.h"
#include "text/translate.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ParsedReminderKey {
    ReminderKind kind = ReminderKind::Yearly;
    // None: the month is in neither table, or the key is weekly.
    std::optional<ReminderCalendar> calendar;
    int year = 0; // once: the year as written
    int month = 0; // 1..12 when the calendar is known (yearly and once)
    int day = 0; // 1..31 when the day text is one the due check builds
    int weekday = 0; // weekly: 0 = Sunday .. 6 = Saturday
    // Why the key never falls due; empty when it can.
    std::string problem;

    bool CanFallDue() const { return problem.empty(); }
};

ParsedReminderKey ParseReminderKey(std::string_view key);

// Why a reminder with an empty memo never falls due (the due check skips
// it), in the words of the other problems.
// Marked for translation in the context "Reminders", where its callers look it up.
inline constexpr const char *kEmptyMemoProblem =
    ZX_TRANSLATE_NOOP("Reminders", "the memo is empty, and an empty memo never rings");

// The month name as the calendar's table spells it, when `name` is one of
// them in any ASCII case; nothing otherwise.
std::optional<std::pair<ReminderCalendar, int>> FindReminderMonth(std::string_view name);

// The month's name as its table spells it.
const std::string &ReminderMonthName(ReminderCalendar calendar, int month);
// The same month as the user's language names it, for what is shown.
std::string ReminderMonthShownName(ReminderCalendar calendar, int month);

// The key with its month name spelled as the table spells it ("ramadhan/5"
// gives "Ramadhan/5", the same entry to the profile); the day text and any
// key whose month is in neither table are kept as they are.
std::string CanonicalReminderKey(std::string_view key);
// The day text of a key as stored, after the "/" ("05" of "Ramadhan/05"),
// so that the form shows the day spelled as its reminder is.
std::string ReminderKeyDayText(std::string_view key);

// The spellings of a day in a calendar's keys that the due check finds:
// first as the program writes it (the Christian day in two digits, as
// "%B/%d" gives it, the Hijri day without a leading zero), then, for days 1
// to 9, the other way.
std::vector<std::string> DaySpellings(ReminderCalendar calendar, int day);

// The day of a day text that the due check builds: "1".."31" or
// "01".."09"; 0 for any other text.
int DayOfText(std::string_view text);

// The most days month 1..12 of the calendar ever has: 29 for February, 30
// for every Hijri month.
int LongestMonth(ReminderCalendar calendar, int month);

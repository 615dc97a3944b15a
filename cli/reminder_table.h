// The rows of zamanix-reminders list and upcoming as text: aligned columns
// for people, or tab-separated values for scripts.
#pragma once

#include "agenda/reminder_list.h"

#include <string>
#include <vector>

enum class TableFormat { Text, Tsv };

// A header line, then one line per row. In text, a memo's line breaks show
// as " / ", a row that never falls due has "-" for its dates and says why
// after its memo, and a once reminder whose day has gone by shows that day
// (its days below 0) and says so after its memo. In TSV the columns are
// key, calendar, memo, alarm, every, date, weekday, hijri, days, problem,
// kind ("yearly", "once", "monthly" or "weekly") and notice (days, 0 for
// none), with "\\", "\t", "\n" and "\r" escaped in key and memo; the
// dates are YEAR-MM-DD; the fields of what a row lacks are empty. Control
// characters in keys and memos show as "\xHH" in both forms, so that
// printing a profile can never send commands to a terminal.
std::string FormatReminderTable(const std::vector<ReminderRow> &rows, TableFormat format);

// "Hijri", "Christian", "-" for a month in neither table, and "" for a
// weekly key, which has no calendar.
std::string_view CalendarNameOf(const ParsedReminderKey &key);
// "07:30", or "never" for an alarm that is never reached.
std::string RingTimeText(const ReminderRow &row);

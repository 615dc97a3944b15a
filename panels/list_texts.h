// The texts both reminder lists (All Reminders, Missed Reminders) show:
// dates in both calendars, clock times and memos, in English whatever the
// user's language, as everywhere in the program.
#pragma once

#include "calendar/hijri_rule.h"

#include <QString>

#include <string>

// "Tuesday 8 December 2026", "27 Jumada al-Thani 1447".
QString ChristianDateText(const YearMonthDay &date, int weekday);
QString HijriDateText(const YearMonthDay &date);
// "Sunday 7 February 2027": a civil day by its day number.
QString CivilDayText(int dayNumber);
// "04:52": minutes after midnight as a 24-hour clock shows them.
QString ClockText(int minutes);
// A memo on one line: its line breaks as " / ".
QString OneLineMemo(const std::string &memo);
// A memo as rich text for a tool tip: escaped, so that it shows as typed
// whatever it holds, its line breaks kept, and only its first 500
// characters, so that a memo of megabytes neither stalls the window nor
// covers the screen.
QString MemoHtml(const std::string &memo);
// MemoHtml as a whole tool tip.
QString MemoToolTip(const std::string &memo);

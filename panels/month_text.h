// The words of the month panel: its title, what a day cell shows, and what
// a day says to a screen reader and in its tool tip. Dates and names are
// English, whatever the user's language, as everywhere in the program.
#pragma once

#include "agenda/month_data.h"

#include <QFontMetrics>
#include <QLocale>
#include <QString>
#include <QStringList>

// "Jan", "Rab II": a month as a day cell names it.
QString ShortMonthName(ReminderCalendar calendar, int month);
// Every short name of both calendars, for sizing the cells.
QStringList AllShortMonthNames();

// "Ramadhan 1447".
QString MonthYearText(ReminderCalendar calendar, int year, int month);
// The months of the other calendar that the month's days fall in:
// "February – March 2026", "December 2026 – January 2027", "June 2026".
QString OtherMonthsText(const MonthData &month);
// Room for the longest title and span a month can show in a font: two
// month names with the year ("Jumada al-Thani 8888") and the dash between.
int LongestMonthTextWidth(const QFontMetrics &metrics);

// The day of the other calendar below a day's number: "10", and on the
// first day of a month with its short name, "1 Dec".
QString OtherDayText(const MonthDay &day, ReminderCalendar shown);

// "new moon", "first quarter", "full moon", "last quarter".
QString MoonPhaseName(MoonPhase phase);
// "new moon at 04:52" (the local time).
QString MoonPhaseText(const MoonPhaseTime &phase);

// What a screen reader says of a day: its weekday and date in the month's
// calendar, its date in the other, then whatever the cell marks.
// "Thursday 10 December 2026, 1 Rajab 1448, today, new moon at 04:52,
// reminder: Pay the rent, Islamic New Year".
QString DayDescription(const MonthDay &day, ReminderCalendar shown, bool today, bool holyDays);
// The same as the cell's tool tip, a line each, as rich text in which the
// memos are plain text.
QString DayToolTip(const MonthDay &day, ReminderCalendar shown, bool today, bool holyDays);

// A day in a list of the month's days: "27 Ramadhan (Monday 16 March)".
QString DayListLabel(const MonthDay &day);
// A holy day kept on its night, whose evening is the civil day `evening`
// (a day number): "Laylat al-Qadr: the night before 27 Ramadhan, from
// sunset on Sunday 15 March".
QString HolyNightText(const HolyDay &holy, int evening);
// What the evening before a holy night says: "from sunset, the night of
// Laylat al-Qadr".
QString HolyEveningText(const HolyDay &holy);
// The list under the grid: "27 Ramadhan (Monday 16 March): Eid al-Fitr",
// a night as HolyNightText says it; a night whose evening is the month's
// last day comes last, though its day is the next month's.
QStringList HolyDayLines(const MonthData &month);

// "Sunday", "Sun"; 0 = Sunday .. 6 = Saturday.
QString WeekdayName(int weekday);
QString ShortWeekdayName(int weekday);
// The first day of the week in the locale (0 = Sunday); Sunday for the C
// locale, which says nothing of it.
int FirstWeekday(const QLocale &locale);

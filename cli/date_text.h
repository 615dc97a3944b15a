// Dates as the converter reads and writes them: "YEAR-MONTH-DAY" with a
// signed year and no year zero, checked against the calendar before any
// conversion so that a date that does not exist never gets an answer.
#pragma once

#include "calendar/icu/hijri_calendar.h"

#include <string>
#include <string_view>

enum class CalendarKind { Christian, Hijri };

using DayDate = YearMonthDay;

// Reads "YEAR-MONTH-DAY" (blanks around it allowed). Only the form is
// checked here; on failure `error` says what is wrong.
bool ParseDate(std::string_view text, DayDate &date, std::string &error);
// Reads "YEAR-MONTH".
bool ParseYearMonth(std::string_view text, int &year, int &month, std::string &error);

// The input as error messages show it: in quotes, trimmed, control
// characters escaped, long text cut.
std::string QuoteInput(std::string_view text);

// Whether the date exists in the calendar and lies in the supported range;
// a Hijri date as `hijri` keeps the calendar (day 30 of a month that has 29
// days under its rule does not exist).
bool CheckDate(
    const CHijriCalendar &hijri, CalendarKind kind, const DayDate &date, std::string &error);
bool CheckYearMonth(
    const CHijriCalendar &hijri, CalendarKind kind, int year, int month, std::string &error);

// A checked date and the same civil day in the other calendar.
struct Conversion {
    CalendarKind from;
    DayDate input;
    DayDate output;
    int weekday; // 0 = Sunday
};

Conversion Convert(const CHijriCalendar &hijri, CalendarKind from, const DayDate &date);

// "Saturday 1 January 2000 = 24 Ramadhan 1420": the weekday, the date as
// given, then the other calendar's date.
std::string FormatText(const Conversion &conversion);
// "1420-09-24": the converted date alone.
std::string FormatIso(const DayDate &date);
// "24 Ramadhan 1420".
std::string FormatLong(CalendarKind kind, const DayDate &date);

std::string_view WeekdayName(int weekday);
std::string_view MonthName(CalendarKind kind, int month);
CalendarKind Other(CalendarKind kind);

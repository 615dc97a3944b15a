#include "cli/date_text.h"

#include "calendar/calendar.h"
#include "cli/terminal_text.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace {

const std::string_view kWeekdays[7] = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

// Years with more digits than this are out of range anyway; the limit keeps
// every intermediate value far from overflow.
constexpr std::size_t kMaxYearDigits = 6;

std::string_view trim(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The input as an error message shows it: trimmed, what a terminal must not
// get escaped (terminal_text.h), and cut short, at a whole character, when
// it is long.
std::string quoted(std::string_view text)
{
    constexpr std::size_t kShown = 40;
    text = trim(text);
    std::string out = "\"";
    for (std::size_t shown = 0; !text.empty() && shown < kShown;) {
        const std::size_t length = AppendTerminalCharacter(out, text);
        text.remove_prefix(length);
        shown += length;
    }
    if (!text.empty())
        out += "...";
    return out + "\"";
}

// Reads an unsigned decimal number of 1..maxDigits digits at the front of s.
bool takeNumber(std::string_view &s, std::size_t maxDigits, int &value)
{
    std::size_t digits = 0;
    while (digits < s.size() && s[digits] >= '0' && s[digits] <= '9')
        ++digits;
    if (digits == 0 || digits > maxDigits)
        return false;
    std::from_chars(s.data(), s.data() + digits, value);
    s.remove_prefix(digits);
    return true;
}

bool takeDash(std::string_view &s)
{
    if (s.empty() || s.front() != '-')
        return false;
    s.remove_prefix(1);
    return true;
}

// "[-]YEAR-MONTH" at the front of s.
bool takeYearMonth(std::string_view &s, int &year, int &month)
{
    const bool negative = takeDash(s);
    if (!takeNumber(s, kMaxYearDigits, year))
        return false;
    if (negative)
        year = -year;
    return takeDash(s) && takeNumber(s, 2, month);
}

bool checkYear(int year, std::string &error)
{
    if (year == 0) {
        error = Translate("Dates", "there is no year 0; the year before 1 is -1");
        return false;
    }
    return true;
}

bool checkChristianRange(int year, std::string &error)
{
    if (year < kFirstSupportedYear || year > kLastSupportedYear) {
        error = FillSentence(Translate("Dates", "year %1 is outside the supported range %2 to %3"),
            {std::to_string(year), std::to_string(kFirstSupportedYear),
                std::to_string(kLastSupportedYear)});
        return false;
    }
    return true;
}

bool checkMonth(int month, std::string &error)
{
    if (month < 1 || month > 12) {
        error = FillSentence(Translate("Dates", "month %1 does not exist; months run from 1 to 12"),
            {std::to_string(month)});
        return false;
    }
    return true;
}

// Hijri years beyond this cannot reach the supported Christian years; the
// limit keeps the lunation arithmetic far from overflow.
constexpr int kHijriYearLimit = 5000;

bool inChristianRange(int year)
{
    return year >= kFirstSupportedYear && year <= kLastSupportedYear;
}

std::string hijriRangeError(int year)
{
    return FillSentence(Translate("Dates",
                            "Hijri year %1 lies outside the supported range (Christian years %2 "
                            "to %3)"),
        {std::to_string(year), std::to_string(kFirstSupportedYear),
            std::to_string(kLastSupportedYear)});
}

int christianMonthLength(int year, int month)
{
    // The day before the first of the next month (month 13 is next January).
    return ChristianOfDay(ChristianDayNumber({year, month + 1, 1}) - 1).day;
}

} // namespace

std::string QuoteInput(std::string_view text)
{
    return quoted(text);
}

CalendarKind Other(CalendarKind kind)
{
    return kind == CalendarKind::Christian ? CalendarKind::Hijri : CalendarKind::Christian;
}

std::string_view WeekdayName(int weekday)
{
    return kWeekdays[weekday];
}

std::string_view MonthName(CalendarKind kind, int month)
{
    return kind == CalendarKind::Hijri ? HijriMonthNames[month - 1]
                                       : ChristianMonthNames[month - 1];
}

bool ParseDate(std::string_view text, DayDate &date, std::string &error)
{
    std::string_view s = trim(text);
    DayDate d;
    if (!takeYearMonth(s, d.year, d.month) || !takeDash(s) || !takeNumber(s, 2, d.day) ||
        !s.empty()) {
        error = FillSentence(
            Translate("Dates", "%1 is not a date; write YEAR-MONTH-DAY, for example 2000-01-31"),
            {quoted(text)});
        return false;
    }
    if (!checkYear(d.year, error)) {
        error = quoted(text) + ": " + error;
        return false;
    }
    date = d;
    return true;
}

bool ParseYearMonth(std::string_view text, int &year, int &month, std::string &error)
{
    std::string_view s = trim(text);
    int y, m;
    if (!takeYearMonth(s, y, m) || !s.empty()) {
        error = FillSentence(
            Translate("Dates", "%1 is not a month; write YEAR-MONTH, for example 2000-01"),
            {quoted(text)});
        return false;
    }
    if (!checkYear(y, error)) {
        error = quoted(text) + ": " + error;
        return false;
    }
    year = y;
    month = m;
    return true;
}

bool CheckYearMonth(
    const CHijriCalendar &hijri, CalendarKind kind, int year, int month, std::string &error)
{
    if (!checkMonth(month, error))
        return false;
    if (kind == CalendarKind::Christian)
        return checkChristianRange(year, error);
    // The whole month, from its first to its last day, must be supported.
    if (std::abs(year) > kHijriYearLimit ||
        !inChristianRange(hijri.ToChristian({year, month, 1}).year) ||
        !inChristianRange(hijri.ToChristian({year, month, hijri.MonthLength(year, month)}).year)) {
        error = hijriRangeError(year);
        return false;
    }
    return true;
}

bool CheckDate(
    const CHijriCalendar &hijri, CalendarKind kind, const DayDate &date, std::string &error)
{
    if (!checkMonth(date.month, error))
        return false;
    if (kind == CalendarKind::Christian ? !checkChristianRange(date.year, error)
                                        : std::abs(date.year) > kHijriYearLimit) {
        if (kind == CalendarKind::Hijri)
            error = hijriRangeError(date.year);
        return false;
    }
    if (date.day < 1) {
        error = Translate("Dates", "day 0 does not exist; days start at 1");
        return false;
    }
    const std::string monthName = kind == CalendarKind::Hijri ? HijriMonthShownName(date.month)
                                                              : ChristianMonthShownName(date.month);
    if (kind == CalendarKind::Christian) {
        if (date.year == 1582 && date.month == 10 && date.day >= 5 && date.day <= 14) {
            error = FillSentence(Translate("Dates",
                                     "%1 October 1582 does not exist; the Gregorian calendar "
                                     "follows 4 October 1582 with 15 October 1582"),
                {std::to_string(date.day)});
            return false;
        }
        if (ChristianOfDay(ChristianDayNumber(date)) != date) {
            error = FillSentence(Translate("Dates", "%1 %2 has only %3 days"),
                {monthName, std::to_string(date.year),
                    std::to_string(christianMonthLength(date.year, date.month))});
            return false;
        }
        return true;
    }
    const int length = hijri.MonthLength(date.year, date.month);
    if (date.day > length) {
        error = FillSentence(Translate("Dates", "%1 %2 (Hijri) has only %3 days"),
            {monthName, std::to_string(date.year), std::to_string(length)});
        return false;
    }
    if (!inChristianRange(hijri.ToChristian(date).year)) {
        error = hijriRangeError(date.year);
        return false;
    }
    return true;
}

Conversion Convert(const CHijriCalendar &hijri, CalendarKind from, const DayDate &date)
{
    if (from == CalendarKind::Christian)
        return {from, date, hijri.ToHijri(date), WeekdayOfDay(ChristianDayNumber(date))};
    const int day = hijri.DayOfHijri(date);
    return {from, date, ChristianOfDay(day), WeekdayOfDay(day)};
}

std::string FormatLong(CalendarKind kind, const DayDate &date)
{
    return std::to_string(date.day) + " " + std::string(MonthName(kind, date.month)) + " " +
        std::to_string(date.year);
}

std::string FormatText(const Conversion &c)
{
    return std::string(WeekdayName(c.weekday)) + " " + FormatLong(c.from, c.input) + " = " +
        FormatLong(Other(c.from), c.output);
}

std::string FormatIso(const DayDate &date)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

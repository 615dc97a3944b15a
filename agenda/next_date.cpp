#include "agenda/next_date.h"

#include "agenda/sentence.h"
#include "text/translate.h"

#include <cstdint>

namespace {

constexpr const char *kShortHijriMonth =
    ZX_TRANSLATE_NOOP("Reminders", "%1 %2 has only %3 days under the %4 calendar");
constexpr const char *kOutOfRange = ZX_TRANSLATE_NOOP(
    "Reminders", "%1 lies outside the days Zamanix supports, 1 January -4000 to 31 December 3000");

int nextYear(int year)
{
    return YearAsWritten(AstronomicalYear(year) + 1);
}

YearMonthDay dateOfDay(ReminderCalendar calendar, const CHijriCalendar &hijri, int dayNumber)
{
    return calendar == ReminderCalendar::Hijri ? hijri.HijriOfDay(dayNumber)
                                               : ChristianOfDay(dayNumber);
}

// The day on which the key falls in a year of its calendar; nothing when
// that year's month lacks the day.
std::optional<int> dayInYear(const ParsedReminderKey &key, const CHijriCalendar &hijri, int year)
{
    const YearMonthDay date{year, key.month, key.day};
    if (key.calendar == ReminderCalendar::Hijri) {
        if (key.day > hijri.MonthLength(year, key.month))
            return std::nullopt;
        return hijri.DayOfHijri(date);
    }
    const int dayNumber = ChristianDayNumber(date);
    // A day past the month's end runs on into the next month.
    if (ChristianOfDay(dayNumber) != date)
        return std::nullopt;
    return dayNumber;
}

// The day of the month on which a monthly key falls: its day, or the
// month's last day, or after a gap of the Gregorian reform the day after it.
int dayInMonth(const ParsedReminderKey &key, const CHijriCalendar &hijri, int year, int month)
{
    if (key.calendar == ReminderCalendar::Hijri)
        return hijri.DayOfHijri({year, month, std::min(key.day, hijri.MonthLength(year, month))});
    const int first = ChristianDayNumber({year, month, 1});
    const int last = ChristianDayNumber({year, month + 1, 1}) - 1;
    const int day = std::min(key.day, ChristianOfDay(last).day);
    int dayNumber = ChristianDayNumber({year, month, day});
    if (ChristianOfDay(dayNumber).day == day)
        return dayNumber;
    for (dayNumber = first; ChristianOfDay(dayNumber).day < day; ++dayNumber) { }
    return dayNumber;
}

YearMonthDay nextMonth(const YearMonthDay &month)
{
    return month.month == 12 ? YearMonthDay{nextYear(month.year), 1, 0}
                             : YearMonthDay{month.year, month.month + 1, 0};
}

// The days from `first` to `last` on which a monthly key falls, the first
// `most` of them.
std::vector<int> monthlyDays(const ParsedReminderKey &key, const CHijriCalendar &hijri, int first,
    int last, std::size_t most = SIZE_MAX)
{
    std::vector<int> days;
    YearMonthDay month = dateOfDay(*key.calendar, hijri, first);
    for (; days.size() < most; month = nextMonth(month)) {
        const int day = dayInMonth(key, hijri, month.year, month.month);
        if (day > last)
            break;
        if (day >= first)
            days.push_back(day);
    }
    return days;
}

std::vector<int> yearlyDays(
    const ParsedReminderKey &key, const CHijriCalendar &hijri, int first, int last)
{
    std::vector<int> days;
    const int lastYear = dateOfDay(*key.calendar, hijri, last).year;
    for (int year = dateOfDay(*key.calendar, hijri, first).year;; year = nextYear(year)) {
        const std::optional<int> day = dayInYear(key, hijri, year);
        if (day && *day >= first && *day <= last)
            days.push_back(*day);
        if (year >= lastYear)
            break;
    }
    return days;
}

std::optional<int> nextYearlyDay(
    const ParsedReminderKey &key, const CHijriCalendar &hijri, int fromDay)
{
    int year = dateOfDay(*key.calendar, hijri, fromDay).year;
    for (int i = 0; i <= kReminderSearchYears; ++i, year = nextYear(year)) {
        const std::optional<int> day = dayInYear(key, hijri, year);
        if (day && *day > LastReminderDay())
            return std::nullopt;
        if (day && *day >= fromDay)
            return day;
    }
    return std::nullopt;
}

int firstWeekday(int weekday, int fromDay)
{
    return fromDay + ((weekday - WeekdayOfDay(fromDay)) % 7 + 7) % 7;
}

} // namespace

int FirstReminderDay()
{
    return ChristianDayNumber({kFirstSupportedYear, 1, 1});
}

int LastReminderDay()
{
    return ChristianDayNumber({kLastSupportedYear, 12, 31});
}

OnceDate OnceReminderDay(const ParsedReminderKey &key, const CHijriCalendar &hijri)
{
    OnceDate once;
    const YearMonthDay date{key.year, key.month, key.day};
    if (key.calendar == ReminderCalendar::Christian) {
        once.day = ChristianDayNumber(date);
        return once; // the key's own check keeps it within the supported years
    }
    const std::string text = HijriDayText(date);
    // Far years are not converted at all.
    if (key.year < hijri.HijriOfDay(FirstReminderDay()).year ||
        key.year > hijri.HijriOfDay(LastReminderDay()).year) {
        once.problem = FillSentence(Translate("Reminders", kOutOfRange), {text});
        once.outOfRange = true;
        return once;
    }
    if (const int length = hijri.MonthLength(key.year, key.month); key.day > length) {
        once.problem = FillSentence(Translate("Reminders", kShortHijriMonth),
            {ReminderMonthName(ReminderCalendar::Hijri, key.month), std::to_string(key.year),
                std::to_string(length), std::string(hijri.DisplayName())});
        return once;
    }
    const int day = hijri.DayOfHijri(date);
    if (day < FirstReminderDay() || day > LastReminderDay()) {
        once.problem = FillSentence(Translate("Reminders", kOutOfRange), {text});
        once.outOfRange = true;
        return once;
    }
    once.day = day;
    return once;
}

std::optional<int> NextReminderDay(
    const ParsedReminderKey &key, const CHijriCalendar &hijri, int fromDay)
{
    if (!key.CanFallDue() || fromDay > LastReminderDay())
        return std::nullopt;
    switch (key.kind) {
    case ReminderKind::Yearly:
        return nextYearlyDay(key, hijri, fromDay);
    case ReminderKind::Once: {
        const std::optional<int> day = OnceReminderDay(key, hijri).day;
        return day && *day >= fromDay ? day : std::nullopt;
    }
    case ReminderKind::Monthly: {
        const std::vector<int> days = monthlyDays(key, hijri, fromDay, LastReminderDay(), 1);
        return days.empty() ? std::nullopt : std::optional<int>(days.front());
    }
    case ReminderKind::Weekly:
        if (const int day = firstWeekday(key.weekday, fromDay); day <= LastReminderDay())
            return day;
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<int> ReminderDaysBetween(
    const ParsedReminderKey &key, const CHijriCalendar &hijri, int firstDay, int lastDay)
{
    std::vector<int> days;
    const int last = std::min(lastDay, LastReminderDay());
    if (!key.CanFallDue() || firstDay > last)
        return days;
    switch (key.kind) {
    case ReminderKind::Yearly:
        return yearlyDays(key, hijri, firstDay, last);
    case ReminderKind::Once:
        if (const std::optional<int> day = OnceReminderDay(key, hijri).day;
            day && *day >= firstDay && *day <= last)
            days.push_back(*day);
        return days;
    case ReminderKind::Monthly:
        return monthlyDays(key, hijri, firstDay, last);
    case ReminderKind::Weekly:
        for (int day = firstWeekday(key.weekday, firstDay); day <= last; day += 7)
            days.push_back(day);
        return days;
    }
    return days;
}

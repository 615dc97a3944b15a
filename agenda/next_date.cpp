#include "agenda/next_date.h"

namespace {

int nextYear(int year)
{
    return YearAsWritten(AstronomicalYear(year) + 1);
}

int yearOfDay(const ParsedReminderKey &key, const CHijriCalendar &hijri, int dayNumber)
{
    return key.calendar == ReminderCalendar::Hijri ? hijri.HijriOfDay(dayNumber).year
                                                   : ChristianOfDay(dayNumber).year;
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

} // namespace

int LastReminderDay()
{
    return ChristianDayNumber({kLastSupportedYear, 12, 31});
}

std::optional<int> NextReminderDay(
    const ParsedReminderKey &key, const CHijriCalendar &hijri, int fromDay)
{
    if (!key.CanFallDue() || fromDay > LastReminderDay())
        return std::nullopt;
    int year = yearOfDay(key, hijri, fromDay);
    for (int i = 0; i <= kReminderSearchYears; ++i, year = nextYear(year)) {
        const std::optional<int> day = dayInYear(key, hijri, year);
        if (day && *day > LastReminderDay())
            return std::nullopt;
        if (day && *day >= fromDay)
            return day;
    }
    return std::nullopt;
}

std::vector<int> ReminderDaysBetween(
    const ParsedReminderKey &key, const CHijriCalendar &hijri, int firstDay, int lastDay)
{
    std::vector<int> days;
    if (!key.CanFallDue() || firstDay > lastDay)
        return days;
    const int last = std::min(lastDay, LastReminderDay());
    const int lastYear = yearOfDay(key, hijri, last);
    for (int year = yearOfDay(key, hijri, firstDay);; year = nextYear(year)) {
        const std::optional<int> day = dayInYear(key, hijri, year);
        if (day && *day >= firstDay && *day <= last)
            days.push_back(*day);
        if (year >= lastYear)
            break;
    }
    return days;
}

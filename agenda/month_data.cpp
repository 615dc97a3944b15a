#include "agenda/month_data.h"

#include "agenda/day_agenda.h"
#include "agenda/next_date.h"
#include "calendar/calendar.h"

#include <cmath>

namespace {

constexpr double kUnixEpoch = 2440587.5; // 1 January 1970, 00:00 UT, as a Julian date
constexpr int kUnixEpochDay = 2440588; // its day number
constexpr int kSecondsPerDay = 86400;
constexpr double kLunation0 = 2415021.0764; // the new moon of lunation 0, 1 January 1900
constexpr double kMeanLunation = 29.530588853; // days
// The latest Hijri year that begins by 31 December 3000 under any rule
// (that day is 13 Jumada al-Thani 2452).
constexpr int kLastHijriYear = 2452;

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

int firstDayOf(const MonthId &month, const CHijriCalendar &hijri)
{
    return month.calendar == ReminderCalendar::Hijri
        ? hijri.DayOfHijri({month.year, month.month, 1})
        : ChristianDayNumber({month.year, month.month, 1});
}

int lengthOf(const MonthId &month, const CHijriCalendar &hijri)
{
    if (month.calendar == ReminderCalendar::Hijri)
        return hijri.MonthLength(month.year, month.month);
    // Month 13 is the January after; October 1582 comes out 21 days long.
    return ChristianDayNumber({month.year, month.month + 1, 1}) -
        ChristianDayNumber({month.year, month.month, 1});
}

// Places the phases that fall on the days from `days.front()` on, in local
// time. Four lunations from the one before the month's first day hold
// every phase of a month of up to 31 days.
void addMoonPhases(std::vector<MonthDay> &days, const UtcOffsetAt &offsetAt)
{
    const int first = days.front().dayNumber;
    const int last = days.back().dayNumber;
    const int estimate = static_cast<int>(std::floor((first - kLunation0) / kMeanLunation));
    for (int k = estimate - 1; k <= estimate + 2; ++k)
        for (int phase = 0; phase < 4; ++phase) {
            const double instant = tmoonphase(k, phase);
            // No zone is more than 14 hours away from UT.
            if (instant < first - 1.5 || instant > last + 1.5)
                continue;
            int localDay = 0;
            const MoonPhaseTime time =
                LocalPhaseTime(static_cast<MoonPhase>(phase), instant, offsetAt, &localDay);
            if (localDay >= first && localDay <= last)
                days[localDay - first].moonPhase = time;
        }
}

} // namespace

bool IsShowableMonth(const MonthId &month, const CHijriCalendar &hijri)
{
    if (month.month < 1 || month.month > 12 || month.year < 1)
        return false;
    if (month.calendar == ReminderCalendar::Christian)
        return month.year <= kLastSupportedYear;
    return month.year <= kLastHijriYear &&
        firstDayOf(month, hijri) + lengthOf(month, hijri) - 1 <= LastReminderDay();
}

MonthId AddMonths(const MonthId &month, int delta)
{
    const std::int64_t index = (month.year - 1) * 12LL + (month.month - 1) + delta;
    MonthId later = month;
    later.year = static_cast<int>(floorDiv(index, 12) + 1);
    later.month = static_cast<int>(index - (later.year - 1) * 12LL + 1);
    return later;
}

MonthId MonthOfDay(ReminderCalendar calendar, int dayNumber, const CHijriCalendar &hijri)
{
    const YearMonthDay date = calendar == ReminderCalendar::Hijri ? hijri.HijriOfDay(dayNumber)
                                                                  : ChristianOfDay(dayNumber);
    return {calendar, date.year, date.month};
}

MoonPhaseTime LocalPhaseTime(
    MoonPhase phase, double julianDate, const UtcOffsetAt &offsetAt, int *localDayNumber)
{
    const std::int64_t utc = std::llround((julianDate - kUnixEpoch) * 1440.0) * 60;
    const std::int64_t local = utc + (offsetAt ? offsetAt(utc) : 0);
    const std::int64_t day = floorDiv(local, kSecondsPerDay);
    if (localDayNumber)
        *localDayNumber = static_cast<int>(day + kUnixEpochDay);
    return {phase, utc, static_cast<int>((local - day * kSecondsPerDay) / 60)};
}

MonthData BuildMonthData(const MonthId &month, const CHijriCalendar &hijri,
    const ProfileLookup &reminders, const UtcOffsetAt &offsetAt)
{
    MonthData data{month, {}};
    const int first = firstDayOf(month, hijri);
    const int length = lengthOf(month, hijri);
    data.days.reserve(length);
    for (int d = first; d < first + length; ++d) {
        MonthDay &day = data.days.emplace_back();
        day.dayNumber = d;
        day.christian = ChristianOfDay(d);
        day.hijri = hijri.HijriOfDay(d);
        day.weekday = WeekdayOfDay(d);
        day.holyDays = HolyDaysOf(day.hijri);
        day.holyNights = HolyNightsBefore(hijri.HijriOfDay(d + 1));
        if (reminders)
            day.reminders = FindRemindersOfDay(d, hijri, reminders, WithNotices::No);
    }
    if (!data.days.empty())
        addMoonPhases(data.days, offsetAt);
    return data;
}

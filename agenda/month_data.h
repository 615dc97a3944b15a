// A month of either calendar as a month at a glance shows it: every civil
// day of it with its date in both calendars and its weekday, the phase of
// the Moon that falls on it, the reminders it holds and the holy days it is.
//
// The phases are instants in universal time from the engine's lunar series
// (tmoonphase). Which local day one falls on, and at which clock time, is
// the time zone's business: the caller passes the zone as a function from
// an instant to its offset, so that nothing here reads the environment
// (the windows pass the system's zone, tests pass a zone of their own).
//
// Standard library only. The astronomical rule and the phases use the
// engine's static records: build months on one thread at a time.
#pragma once

#include "agenda/day_reminders.h"
#include "agenda/holy_days.h"
#include "calendar/icu/hijri_calendar.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// A month of a calendar: the year as people write it, the month 1..12.
struct MonthId {
    ReminderCalendar calendar = ReminderCalendar::Christian;
    int year = 1;
    int month = 1;
    friend bool operator==(const MonthId &, const MonthId &) = default;
};

enum class MoonPhase { New, FirstQuarter, Full, LastQuarter };

struct MoonPhaseTime {
    MoonPhase phase;
    std::int64_t utcSeconds; // the instant, seconds since 1970 UTC, to the nearest minute
    int localMinute; // the local clock time: minutes after midnight, 0..1439
};

// Seconds east of UTC in force at an instant (seconds since 1970 UTC):
// 32400 in Tokyo, -18000 or -14400 in New York.
using UtcOffsetAt = std::function<int(std::int64_t utcSeconds)>;

struct MonthDay {
    int dayNumber = 0; // calendar/hijri_rule.h
    YearMonthDay christian;
    YearMonthDay hijri; // as the Hijri calendar given keeps it
    int weekday = 0; // 0 = Sunday .. 6 = Saturday
    // The phases lie more than six days apart, so a day has one at most.
    std::optional<MoonPhaseTime> moonPhase;
    std::vector<DayReminder> reminders; // FindRemindersOfDay, without notices
    std::vector<const HolyDay *> holyDays;
    // The holy days of the day after, kept on their night: from this day's
    // sunset on.
    std::vector<const HolyDay *> holyNights;
};

struct MonthData {
    MonthId id;
    std::vector<MonthDay> days; // in order; October 1582 skips its ten dropped days
};

// The months that can be shown and chosen in the form: from January and
// Muharram of the year 1 to the last month that ends by 31 December 3000.
bool IsShowableMonth(const MonthId &month, const CHijriCalendar &hijri);

// The month `delta` months after `month` in its calendar (before it for a
// negative delta); counted through the years 1, 2, ..., so a result before
// the year 1 is not showable.
MonthId AddMonths(const MonthId &month, int delta);

// The month of a calendar that holds a civil day.
MonthId MonthOfDay(ReminderCalendar calendar, int dayNumber, const CHijriCalendar &hijri);

// The days of a showable month. `reminders` reads the profile (nothing is
// read when it is empty); `offsetAt` gives the local time of the phases.
MonthData BuildMonthData(const MonthId &month, const CHijriCalendar &hijri,
    const ProfileLookup &reminders, const UtcOffsetAt &offsetAt);

// Which local day (a day number) and minute an instant of universal time
// (a Julian date) falls on, rounded to the nearest minute.
MoonPhaseTime LocalPhaseTime(
    MoonPhase phase, double julianDate, const UtcOffsetAt &offsetAt, int *localDayNumber);

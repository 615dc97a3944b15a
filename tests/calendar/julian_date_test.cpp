#include "calendar/calendar.h"

#include <gtest/gtest.h>

namespace {

struct JulianCase {
    const char *name;
    int year, month, day;
    float fraction;
    double jd;
};

// Known Julian dates; the last bits matter (exact comparison).
const JulianCase kJulianCases[] = {
    {"1957-10-04 plus single-precision 0.81", 1957, 10, 4, 0.81f, 2436116.3100000024},
    {"333-01-27 noon, Julian calendar", 333, 1, 27, 0.5f, 1842713.0},
    {"last Julian-calendar day", 1582, 10, 4, 0.0f, 2299159.5},
    {"first Gregorian day", 1582, 10, 15, 0.0f, 2299160.5},
    {"dropped 1582-10-05 read as Julian", 1582, 10, 5, 0.0f, 2299160.5},
    {"dropped 1582-10-14 read as Julian", 1582, 10, 14, 0.0f, 2299169.5},
    {"1900-02-28", 1900, 2, 28, 0.0f, 2415078.5},
    {"1900-03-01, no Gregorian leap day", 1900, 3, 1, 0.0f, 2415079.5},
    {"2000-01-01", 2000, 1, 1, 0.0f, 2451544.5},
    {"2000-02-29, Gregorian leap day", 2000, 2, 29, 0.0f, 2451603.5},
    {"last day before year 1", -1, 12, 31, 0.0f, 1721422.5},
    {"first day of year 1", 1, 1, 1, 0.0f, 1721423.5},
    {"day 0 of March is the last of February", 1997, 3, 0, 0.0f, 2450507.5},
    {"day 32 of January runs into February", 1997, 1, 32, 0.0f, 2450480.5},
    {"month 13 is January of the next year", 1996, 13, 1, 0.0f, 2450449.5},
    {"start of the Julian period", -4713, 1, 1, 0.5f, 0.0},
};

TEST(JulianDate, KnownValues)
{
    for (const JulianCase &c : kJulianCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(juliandate(c.year, c.month, c.day, c.fraction), c.jd);
    }
}

TEST(JulianDate, YearZeroIsTheYearBeforeOne)
{
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 31; ++day)
            ASSERT_EQ(juliandate(0, month, day, 0), juliandate(-1, month, day, 0))
                << month << "/" << day;
}

struct ChristianCase {
    const char *name;
    double jd;
    int year, month, day, weekday;
    double fraction;
};

const ChristianCase kChristianCases[] = {
    {"fraction kept in single precision", 2436116.3100000024, 1957, 10, 4, 5, 0.8100000023841858},
    {"noon in the Julian calendar", 1842713.0, 333, 1, 27, 6, 0.5},
    {"Thursday 4 October 1582", 2299160.0, 1582, 10, 4, 4, 0.5},
    {"Friday 15 October 1582", 2299161.0, 1582, 10, 15, 5, 0.5},
    {"Saturday 1 January 2000", 2451545.0, 2000, 1, 1, 6, 0.5},
    {"31 December of the year -1", 1721423.0, -1, 12, 31, 5, 0.5},
    {"Monday 1 January -4713", 0.0, -4713, 1, 1, 1, 0.5},
    {"midnight starting a day", 2451544.5, 2000, 1, 1, 6, 0.0},
};

TEST(ChristianDate, KnownValues)
{
    for (const ChristianCase &c : kChristianCases) {
        SCOPED_TRACE(c.name);
        const CalendarDate *d = christiandate(c.jd);
        EXPECT_EQ(d->year, c.year);
        EXPECT_EQ(d->month, c.month);
        EXPECT_EQ(d->day, c.day);
        EXPECT_EQ(d->weekday, c.weekday);
        EXPECT_EQ(static_cast<double>(d->fraction), c.fraction);
    }
}

TEST(ChristianDate, ReturnsTheOneStaticRecord)
{
    CalendarDate *first = christiandate(2451545.0);
    CalendarDate *second = christiandate(2299161.0);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->year, 1582); // the second call overwrote it
}

} // namespace

#include "calendar/calendar.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <ctime>
#include <random>

namespace {

struct Date {
    int year, month, day;
};

bool operator==(const Date &a, const Date &b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

std::ostream &operator<<(std::ostream &out, const Date &d)
{
    return out << d.year << "-" << d.month << "-" << d.day;
}

struct ConversionCase {
    const char *name;
    Date christian, hijri;
    int weekday;
};

// Both directions hold for each row.
const ConversionCase kConversions[] = {
    {"1 Muharram 1405", {1984, 9, 26}, {1405, 1, 1}, 3},
    {"last day of 1404", {1984, 9, 25}, {1404, 12, 29}, 2},
    {"29 Sha'ban 1417", {1997, 1, 9}, {1417, 8, 29}, 4},
    {"1 Ramadhan 1417, a Friday", {1997, 1, 10}, {1417, 9, 1}, 5},
    {"1 January 2000", {2000, 1, 1}, {1420, 9, 24}, 6},
    {"1 Muharram 1, Julian calendar", {622, 7, 15}, {1, 1, 1}, 4},
    {"the day before the Hijri era", {622, 7, 14}, {-1, 12, 29}, 3},
    {"last Julian-calendar day", {1582, 10, 4}, {990, 9, 17}, 4},
    {"first Gregorian day", {1582, 10, 15}, {990, 9, 18}, 5},
    {"1 January of the year -1", {-1, 1, 1}, {-642, 5, 5}, 4},
    {"end of the supported range", {3000, 12, 31}, {2452, 6, 13}, 3},
};

TEST(Hijri, KnownDatesBothWays)
{
    for (const ConversionCase &c : kConversions) {
        SCOPED_TRACE(c.name);
        const CalendarDate *h = christtohijri(c.christian.year, c.christian.month, c.christian.day);
        EXPECT_EQ((Date{h->year, h->month, h->day}), c.hijri);
        EXPECT_EQ(h->weekday, c.weekday);
        const CalendarDate *g = hijritochrist(c.hijri.year, c.hijri.month, c.hijri.day);
        EXPECT_EQ((Date{g->year, g->month, g->day}), c.christian);
        EXPECT_EQ(g->weekday, c.weekday);
    }
}

struct LooseCase {
    const char *name;
    Date hijri, christian;
};

// Out-of-range days run on linearly, and year 0 is the year -1.
const LooseCase kLooseHijri[] = {
    {"day 30 of a 29-day month is day 1 of the next", {1417, 8, 30}, {1997, 1, 10}},
    {"day 0 is the last day of the previous month", {1417, 9, 0}, {1997, 1, 9}},
    {"Hijri year -1", {-1, 12, 29}, {622, 7, 14}},
    {"Hijri year 0 taken as -1", {0, 12, 29}, {622, 7, 14}},
};

TEST(Hijri, OutOfRangeDaysRunOn)
{
    for (const LooseCase &c : kLooseHijri) {
        SCOPED_TRACE(c.name);
        const CalendarDate *g = hijritochrist(c.hijri.year, c.hijri.month, c.hijri.day);
        EXPECT_EQ((Date{g->year, g->month, g->day}), c.christian);
    }
    const CalendarDate *h = christtohijri(0, 1, 1);
    EXPECT_EQ((Date{h->year, h->month, h->day}), (Date{-642, 5, 5})) << "Christian year 0";
}

TEST(Hijri, RecordsKeepTheirOwnFields)
{
    const CalendarDate *g = hijritochrist(1405, 1, 1);
    EXPECT_EQ(g->newMoon, 2445968);
    EXPECT_EQ(g->fraction, 0.5f);
    EXPECT_EQ(g, christiandate(0.0)) << "the Christian result is christiandate's record";

    for (int i = 0; i < 50; ++i) {
        const CalendarDate *h = christtohijri(1900 + i, 1 + i % 12, 1 + i % 28);
        ASSERT_EQ(h->fraction, 0.5f);
        ASSERT_EQ(h->newMoon, 0.0) << "the Hijri record's newMoon is never written";
    }
}

TEST(Hijri, WrappersCopyTheRecords)
{
    int y = 0, m = 0, d = 0;
    ConvertToHijri(2000, 1, 1, &y, &m, &d);
    EXPECT_EQ((Date{y, m, d}), (Date{1420, 9, 24}));
    ConvertToChristian(1417, 9, 1, &y, &m, &d);
    EXPECT_EQ((Date{y, m, d}), (Date{1997, 1, 10}));
}

// Every civil day from the year -4000 to 3000: consecutive Julian day
// numbers, weekdays advancing by one, both round trips, and Hijri months of
// 29 or 30 days following each other without a gap.
TEST(Hijri, ExhaustiveWalkOverSevenThousandYears)
{
    const double first = juliandate(-4000, 1, 1, 0);
    const double last = juliandate(3000, 12, 31, 0);
    Date prevHijri{};
    int prevWeekday = -1;
    int monthLength = 0;
    bool firstMonth = true;
    for (double jd = first; jd <= last; jd += 1) {
        const CalendarDate c = *christiandate(jd + 0.5);
        const Date christian{c.year, c.month, c.day};
        ASSERT_EQ(juliandate(c.year, c.month, c.day, 0), jd) << christian;
        if (prevWeekday >= 0) {
            ASSERT_EQ(c.weekday, (prevWeekday + 1) % 7) << christian;
        }
        prevWeekday = c.weekday;

        const CalendarDate h = *christtohijri(c.year, c.month, c.day);
        ASSERT_EQ(h.weekday, c.weekday) << christian;
        const Date hijri{h.year, h.month, h.day};
        const CalendarDate back = *hijritochrist(h.year, h.month, h.day);
        ASSERT_EQ((Date{back.year, back.month, back.day}), christian) << "via " << hijri;
        ASSERT_EQ(back.weekday, c.weekday) << christian;

        if (jd != first) {
            if (hijri.day == 1) {
                const int nextMonth = prevHijri.month % 12 + 1;
                const int nextYear = prevHijri.month < 12 ? prevHijri.year
                    : prevHijri.year == -1                ? 1
                                                          : prevHijri.year + 1;
                ASSERT_EQ(hijri.month, nextMonth) << christian;
                ASSERT_EQ(hijri.year, nextYear) << christian;
                if (!firstMonth) {
                    ASSERT_TRUE(monthLength == 29 || monthLength == 30)
                        << "month ending " << prevHijri << " has " << monthLength << " days";
                }
                firstMonth = false;
            } else {
                ASSERT_EQ(hijri, (Date{prevHijri.year, prevHijri.month, prevHijri.day + 1}))
                    << christian;
            }
        }
        monthLength = hijri.day;
        prevHijri = hijri;
    }
}

// The engine remembers recent month starts; results must not depend on what
// it converted before.
TEST(Hijri, ResultsDoNotDependOnCallOrder)
{
    std::mt19937 random(12345);
    std::uniform_real_distribution<double> day(
        juliandate(-4000, 1, 1, 0), juliandate(3000, 12, 31, 0));
    for (int i = 0; i < 20000; ++i) {
        const CalendarDate c = *christiandate(std::floor(day(random)) + 1.0);
        const CalendarDate warm = *christtohijri(c.year, c.month, c.day);
        const CalendarDate warmBack = *hijritochrist(warm.year, warm.month, warm.day);
        // Dates far away evict whatever the memo held.
        for (int year = -3900; year < 3000; year += 450)
            christtohijri(year, 6, 15);
        const CalendarDate coldBack = *hijritochrist(warm.year, warm.month, warm.day);
        const CalendarDate cold = *christtohijri(c.year, c.month, c.day);
        ASSERT_EQ(warm.year, cold.year);
        ASSERT_EQ(warm.month, cold.month);
        ASSERT_EQ(warm.day, cold.day);
        ASSERT_EQ(warm.weekday, cold.weekday);
        ASSERT_EQ(
            (Date{coldBack.year, coldBack.month, coldBack.day}), (Date{c.year, c.month, c.day}));
        ASSERT_EQ(coldBack.newMoon, warmBack.newMoon);

        // The record names the Julian day of a real new moon, two days before
        // the day number of the month's first day.
        const double firstDay = juliandate(c.year, c.month, c.day, 0) + 0.5 - (warm.day - 1);
        ASSERT_EQ(warmBack.newMoon, firstDay - 2);
        const int k = static_cast<int>(std::lround((warmBack.newMoon - 2415021) / 29.530588));
        bool newMoonThatDay = false;
        for (int j = k - 1; j <= k + 1; ++j)
            newMoonThatDay = newMoonThatDay || std::trunc(tmoonphase(j, 0)) == warmBack.newMoon;
        ASSERT_TRUE(newMoonThatDay) << warmBack.newMoon;
    }
}

TEST(MonthNames, ChristianNamesAreStrftimeNames)
{
    std::setlocale(LC_TIME, "C");
    for (int m = 0; m < 12; ++m) {
        std::tm t{};
        t.tm_mon = m;
        char text[32];
        std::strftime(text, sizeof text, "%B", &t);
        EXPECT_EQ(ChristianMonthNames[m], text);
    }
    EXPECT_EQ(HijriMonthNames[8], "Ramadhan");
    EXPECT_EQ(HijriMonthNames[11], "Thul Hijjah");
}

} // namespace

// What the Hijri rules share: the month index, Christian day numbers, and
// the names and settings the profile keeps.
#include "calendar/hijri_rule.h"

#include "calendar/calendar.h"

#include "tests/calendar/date_printing.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct IndexCase {
    YearMonthDay month; // day unused
    int index;
};

const IndexCase kIndexCases[] = {
    {{1, 1, 0}, 0},
    {{1, 12, 0}, 11},
    {{2, 1, 0}, 12},
    {{-1, 12, 0}, -1},
    {{-1, 1, 0}, -12},
    {{-2, 12, 0}, -13},
    {{1447, 9, 0}, 17360},
};

TEST(HijriMonthIndex, CountsMonthsFromMuharramOfTheYearOne)
{
    for (const IndexCase &c : kIndexCases) {
        SCOPED_TRACE(c.month);
        EXPECT_EQ(HijriMonthIndex(c.month.year, c.month.month), c.index);
        EXPECT_EQ(HijriMonthOfIndex(c.index), c.month);
    }
    EXPECT_EQ(HijriMonthIndex(0, 5), HijriMonthIndex(-1, 5)) << "year 0 is the year -1";
}

TEST(DayNumber, ChristianDatesAndWeekdays)
{
    struct Case {
        YearMonthDay date;
        int day;
        int weekday;
    };
    const Case cases[] = {
        {{2000, 1, 1}, 2451545, 6},
        {{1582, 10, 4}, 2299160, 4},
        {{1582, 10, 15}, 2299161, 5},
        {{622, 7, 16}, 1948440, 5},
        {{-1, 12, 31}, 1721423, 5},
        {{-4713, 1, 1}, 0, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.date);
        EXPECT_EQ(ChristianDayNumber(c.date), c.day);
        EXPECT_EQ(ChristianOfDay(c.day), c.date);
        EXPECT_EQ(WeekdayOfDay(c.day), c.weekday);
    }
    EXPECT_EQ(WeekdayOfDay(-1), 0) << "the day before a Monday, below zero";
    EXPECT_EQ(WeekdayOfDay(-7), 1);
}

// Every day from the first of the Julian period to the end of the year
// 3000 and a little beyond, in whole numbers: the engine's dates, and back.
TEST(DayNumber, EveryDayIsTheEngines)
{
    for (int day = 0; day <= ChristianDayNumber({3100, 1, 1}); ++day) {
        const CalendarDate *c = christiandate(day);
        const YearMonthDay date{c->year, c->month, c->day};
        ASSERT_EQ(ChristianOfDay(day), date) << day;
        ASSERT_EQ(ChristianDayNumber(date), day) << date;
    }
}

// The days beyond a month's end and the months beside the year that
// callers use run on as in juliandate.
TEST(DayNumber, RunOnDaysAreJuliandates)
{
    for (int year = -4000; year <= 3100; ++year)
        for (int month = 0; month <= 13; ++month)
            for (const int day : {0, 1, 29, 30, 31, 32, 99}) {
                const YearMonthDay date{year, month, day};
                ASSERT_EQ(ChristianDayNumber(date),
                    static_cast<int>(juliandate(year, month, day, 0) + 0.5))
                    << date;
            }
}

struct SettingCase {
    const char *calendar, *adjust;
    HijriSetting setting;
};

const SettingCase kSettingCases[] = {
    {"umalqura", "1", {HijriRule::UmmAlQura, 1}}, {"civil", "-2", {HijriRule::Civil, -2}},
    {"astronomical", "+2", {HijriRule::Astronomical, 2}},
    {"UmAlQura", "0", {HijriRule::UmmAlQura, 0}}, // written by hand
    {"", "", {}}, // missing entries
    {"islamic", "1", {HijriRule::Astronomical, 1}},
    {"civil", "3", {HijriRule::Civil, 0}}, // out of range is unreadable
    {"civil", "-3", {HijriRule::Civil, 0}}, {"civil", "1 day", {HijriRule::Civil, 0}},
    {"civil", "+-1", {HijriRule::Civil, 0}}, {"civil", "--1", {HijriRule::Civil, 0}},
    {"civil", "99999999999", {HijriRule::Civil, 0}},
    {"umalqura ", "", {}}, // the profile trims values; anything else is unknown
};

TEST(HijriSetting, MissingOrUnreadableValuesGiveTheDefault)
{
    for (const SettingCase &c : kSettingCases) {
        SCOPED_TRACE(std::string(c.calendar) + " / " + c.adjust);
        const HijriSetting setting = ParseHijriSetting(c.calendar, c.adjust);
        EXPECT_EQ(setting.rule, c.setting.rule);
        EXPECT_EQ(setting.adjust, c.setting.adjust);
    }
}

TEST(HijriSetting, EveryRuleReadsBackFromItsName)
{
    for (const HijriRule rule : kHijriRules) {
        SCOPED_TRACE(HijriRuleName(rule));
        EXPECT_EQ(HijriRuleFromName(HijriRuleName(rule)), rule);
        EXPECT_FALSE(HijriRuleDisplayName(rule).empty());
    }
    for (int adjust = kMinHijriAdjust; adjust <= kMaxHijriAdjust; ++adjust)
        EXPECT_EQ(HijriAdjustFromText(std::to_string(adjust)), adjust);
}

} // namespace

// The Hijri calendar as the user keeps it: ICU's Umm al-Qura and tabular
// calendars day for day, round trips under every rule and adjustment, and
// the engine's calendar through the front exactly as the engine gives it.
#include "calendar/icu/hijri_calendar.h"

#include "calendar/calendar.h"
#include "calendar/icu/astronomical_table.h"
#include "calendar/icu/icu_month_table.h"

#include "tests/calendar/date_printing.h"

#include <gtest/gtest.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace {

const int kFirstDay = ChristianDayNumber({-4000, 1, 1});
const int kLastDay = ChristianDayNumber({3000, 12, 31});

// ICU itself, with its year 0 and months from 0 turned into ours.
class CIcuCalendar {
public:
    explicit CIcuCalendar(const char *type)
    {
        UErrorCode status = U_ZERO_ERROR;
        m_calendar.reset(icu::Calendar::createInstance(*icu::TimeZone::getGMT(),
            icu::Locale("en", "", "", (std::string("calendar=") + type).c_str()), status));
        EXPECT_TRUE(U_SUCCESS(status));
        EXPECT_STREQ(m_calendar->getType(), type);
    }

    YearMonthDay DateOf(int dayNumber)
    {
        UErrorCode status = U_ZERO_ERROR;
        m_calendar->setTime((dayNumber - 2440588.0) * 86400000.0, status);
        const int year = m_calendar->get(UCAL_EXTENDED_YEAR, status);
        const YearMonthDay date{year <= 0 ? year - 1 : year,
            m_calendar->get(UCAL_MONTH, status) + 1, m_calendar->get(UCAL_DATE, status)};
        EXPECT_TRUE(U_SUCCESS(status));
        return date;
    }

    int DayOf(const YearMonthDay &date)
    {
        UErrorCode status = U_ZERO_ERROR;
        m_calendar->clear();
        m_calendar->set(UCAL_EXTENDED_YEAR, date.year < 0 ? date.year + 1 : date.year);
        m_calendar->set(UCAL_MONTH, date.month - 1);
        m_calendar->set(UCAL_DATE, date.day);
        const double days = m_calendar->getTime(status) / 86400000.0;
        EXPECT_TRUE(U_SUCCESS(status));
        return static_cast<int>(std::floor(days)) + 2440588;
    }

private:
    std::unique_ptr<icu::Calendar> m_calendar;
};

struct IcuRule {
    HijriRule rule;
    const char *icuType;
};

const IcuRule kIcuRules[] = {
    {HijriRule::UmmAlQura, "islamic-umalqura"},
    {HijriRule::Civil, "islamic-civil"},
};

TEST(HijriCalendar, AgreesWithIcuOnEveryDayFrom1900To2076)
{
    for (const IcuRule &r : kIcuRules) {
        SCOPED_TRACE(r.icuType);
        const CHijriCalendar calendar(r.rule, 0);
        CIcuCalendar icu(r.icuType);
        for (int day = ChristianDayNumber({1900, 1, 1}); day <= ChristianDayNumber({2076, 12, 31});
             ++day) {
            const YearMonthDay ours = calendar.HijriOfDay(day);
            ASSERT_EQ(ours, icu.DateOf(day)) << "day " << day;
            ASSERT_EQ(icu.DayOf(ours), day) << ours;
            ASSERT_EQ(calendar.DayOfHijri(ours), day) << ours;
        }
    }
}

// The tabular calendar by its arithmetic: years of 354 days and 11 leap
// years of 355 in 30, months of 30 and 29 days in turn, 1 Muharram 1 on
// 16 July 622 (Julian calendar).
int tabularMonthStart(int index)
{
    const long long years = index >= 0 ? index / 12 : -((-index + 11) / 12);
    const long long year = years + 1, month = index - 12 * years; // month 0..11
    const long long leapDays =
        (3 + 11 * year) >= 0 ? (3 + 11 * year) / 30 : -((-(3 + 11 * year) + 29) / 30);
    return static_cast<int>(1948440 + (year - 1) * 354 + leapDays + (59 * month + 1) / 2);
}

// Over the whole supported range, also where ICU's Umm al-Qura table ends.
TEST(HijriCalendar, TabularMonthsAndUmmAlQuraOutsideItsTable)
{
    const CHijriRule &civil = HijriRuleOf(HijriRule::Civil);
    const CHijriRule &ummAlQura = HijriRuleOf(HijriRule::UmmAlQura);
    const int first = HijriMonthIndex(civil.DateOf(kFirstDay - 2).year, 1);
    const int last = HijriMonthIndex(civil.DateOf(kLastDay + 2).year, 12);
    int differing = 0;
    for (int index = first; index <= last; ++index) {
        const YearMonthDay month = HijriMonthOfIndex(index);
        SCOPED_TRACE(month);
        ASSERT_EQ(civil.MonthStart(index), tabularMonthStart(index));
        if (month.year < 1300 || month.year > 1600)
            ASSERT_EQ(ummAlQura.MonthStart(index), civil.MonthStart(index));
        else
            differing += ummAlQura.MonthStart(index) != civil.MonthStart(index);
    }
    EXPECT_GT(differing, 1000) << "Umm al-Qura keeps its own months from 1300 to 1600";
}

// Every day in order: consecutive Hijri dates, months of 29 or 30 days, and
// both round trips.
void walkEveryDay(const CHijriCalendar &calendar)
{
    YearMonthDay previous = calendar.HijriOfDay(kFirstDay - 1);
    for (int day = kFirstDay; day <= kLastDay; ++day) {
        const YearMonthDay hijri = calendar.HijriOfDay(day);
        if (hijri.day == 1) {
            const int length = calendar.MonthLength(previous.year, previous.month);
            ASSERT_TRUE(length == 29 || length == 30) << previous;
            ASSERT_EQ(previous.day, length) << hijri;
            ASSERT_EQ(HijriMonthIndex(hijri.year, hijri.month),
                HijriMonthIndex(previous.year, previous.month) + 1)
                << hijri;
        } else {
            ASSERT_EQ(hijri, (YearMonthDay{previous.year, previous.month, previous.day + 1}));
        }
        ASSERT_EQ(calendar.DayOfHijri(hijri), day) << hijri;
        previous = hijri;
    }
}

TEST(HijriCalendar, EveryDayOfTheRangeRoundTripsUnderEveryRule)
{
    for (const HijriRule rule : kHijriRules) {
        SCOPED_TRACE(HijriRuleName(rule));
        walkEveryDay(CHijriCalendar(rule, 0));
    }
}

// An adjustment moves every date by whole days: the edges of the range
// and a sample between them.
TEST(HijriCalendar, AdjustmentShowsTheDateOfTheDayNDaysLater)
{
    std::vector<int> days;
    for (int i = 0; i < 70; ++i)
        days.insert(days.end(), {kFirstDay + i, kLastDay - i});
    for (int day = kFirstDay; day <= kLastDay; day += 4999)
        days.push_back(day);
    for (const HijriRule rule : kHijriRules) {
        const CHijriCalendar plain(rule, 0);
        for (int adjust = kMinHijriAdjust; adjust <= kMaxHijriAdjust; ++adjust) {
            SCOPED_TRACE(CHijriCalendar(rule, adjust).Description());
            const CHijriCalendar calendar(rule, adjust);
            for (const int day : days) {
                const YearMonthDay hijri = calendar.HijriOfDay(day);
                ASSERT_EQ(hijri, plain.HijriOfDay(day + adjust)) << day;
                ASSERT_EQ(calendar.DayOfHijri(hijri), day) << hijri;
                ASSERT_EQ(calendar.MonthLength(hijri.year, hijri.month),
                    plain.MonthLength(hijri.year, hijri.month));
                const YearMonthDay christian = ChristianOfDay(day);
                ASSERT_EQ(calendar.ToHijri(christian), hijri) << christian;
                ASSERT_EQ(calendar.ToChristian(hijri), christian) << hijri;
            }
        }
    }
}

struct KnownDate {
    const char *name;
    HijriRule rule;
    int adjust;
    YearMonthDay christian, hijri;
};

const KnownDate kKnownDates[] = {
    {"1 Ramadhan 1447, astronomical", HijriRule::Astronomical, 0, {2026, 2, 19}, {1447, 9, 1}},
    {"1 Ramadhan 1447, Umm al-Qura", HijriRule::UmmAlQura, 0, {2026, 2, 18}, {1447, 9, 1}},
    {"1 Ramadhan 1447, tabular", HijriRule::Civil, 0, {2026, 2, 18}, {1447, 9, 1}},
    {"Eid al-Adha 1447, astronomical", HijriRule::Astronomical, 0, {2026, 5, 27}, {1447, 12, 10}},
    {"Eid al-Adha 1447, Umm al-Qura", HijriRule::UmmAlQura, 0, {2026, 5, 27}, {1447, 12, 10}},
    {"Eid al-Adha 1447, tabular", HijriRule::Civil, 0, {2026, 5, 27}, {1447, 12, 10}},
    {"1 Muharram 1445, Umm al-Qura", HijriRule::UmmAlQura, 0, {2023, 7, 19}, {1445, 1, 1}},
    {"Umm al-Qura, a day ahead", HijriRule::UmmAlQura, 1, {2026, 2, 17}, {1447, 9, 1}},
    {"astronomical, a day behind", HijriRule::Astronomical, -1, {2026, 2, 20}, {1447, 9, 1}},
    {"tabular, two days behind", HijriRule::Civil, -2, {2026, 2, 20}, {1447, 9, 1}},
    {"epoch of the tabular calendar", HijriRule::Civil, 0, {622, 7, 16}, {1, 1, 1}},
    {"Umm al-Qura before its table is tabular", HijriRule::UmmAlQura, 0, {622, 7, 16}, {1, 1, 1}},
    {"the day before the tabular epoch", HijriRule::Civil, 0, {622, 7, 15}, {-1, 12, 29}},
    {"first day of the Umm al-Qura table", HijriRule::UmmAlQura, 0, {1882, 11, 12}, {1300, 1, 1}},
};

TEST(HijriCalendar, KnownDatesBothWays)
{
    for (const KnownDate &k : kKnownDates) {
        SCOPED_TRACE(k.name);
        const CHijriCalendar calendar(k.rule, k.adjust);
        EXPECT_EQ(calendar.ToHijri(k.christian), k.hijri);
        EXPECT_EQ(calendar.ToChristian(k.hijri), k.christian);
    }
}

// Through the front, which answers from a table, the default is the
// engine, to the day, for every day and by day number, for the days beyond
// a month's end that the engine runs on with, and for days beyond the
// supported years.
TEST(HijriCalendar, AstronomicalDefaultIsTheEngine)
{
    const CHijriCalendar calendar;
    ASSERT_EQ(calendar, CHijriCalendar(HijriRule::Astronomical, 0));
    for (int day = kFirstDay - 400; day <= kLastDay + 400; ++day) {
        const CalendarDate c = *christiandate(day);
        const CalendarDate h = *christtohijri(c.year, c.month, c.day);
        const YearMonthDay hijri{h.year, h.month, h.day};
        ASSERT_EQ(calendar.ToHijri({c.year, c.month, c.day}), hijri) << day;
        ASSERT_EQ(calendar.HijriOfDay(day), hijri) << day;
        // Each month's run-on days once, on its first day.
        for (const int d :
            hijri.day == 1 ? std::vector<int>{0, 1, 30, 31} : std::vector<int>{hijri.day}) {
            const CalendarDate g = *hijritochrist(hijri.year, hijri.month, d);
            const YearMonthDay christian{g.year, g.month, g.day};
            ASSERT_EQ(calendar.ToChristian({hijri.year, hijri.month, d}), christian);
            ASSERT_EQ(
                calendar.DayOfHijri({hijri.year, hijri.month, d}), ChristianDayNumber(christian));
        }
    }
}

TEST(HijriCalendar, SettingsNamesAndDescriptions)
{
    struct Case {
        const char *calendar, *adjust;
        const char *name, *description;
    };
    const Case cases[] = {
        {"umalqura", "1", "umalqura", "Umm al-Qura, +1 day"},
        {"umalqura", "2", "umalqura", "Umm al-Qura, +2 days"},
        {"civil", "-1", "civil", "Tabular (civil), -1 day"},
        {"astronomical", "-2", "astronomical", "Astronomical, -2 days"},
        {"civil", "0", "civil", "Tabular (civil)"},
        {"", "", "astronomical", "Astronomical"},
        {"lunar", "5", "astronomical", "Astronomical"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.description);
        const CHijriCalendar calendar = CHijriCalendar::FromSettings(c.calendar, c.adjust);
        EXPECT_EQ(calendar.Name(), c.name);
        EXPECT_EQ(calendar.Description(), c.description);
    }
    EXPECT_EQ(CHijriCalendar(HijriRule::Civil, 7).Adjust(), 2);
    EXPECT_EQ(CHijriCalendar(HijriRule::Civil, -7).Adjust(), -2);
}

// Beyond its table a rule asks ICU each time, with the same answers.
TEST(IcuMonthTable, BeyondTheTableAsIcuSays)
{
    for (const IcuRule &r : kIcuRules) {
        SCOPED_TRACE(r.icuType);
        const CHijriRule &rule = HijriRuleOf(r.rule);
        CIcuCalendar icu(r.icuType);
        for (const YearMonthDay month :
            {YearMonthDay{-6000, 3, 1}, {-4801, 12, 1}, {2501, 1, 1}, {4000, 7, 1}}) {
            SCOPED_TRACE(month);
            const int start = rule.MonthStart(HijriMonthIndex(month.year, month.month));
            EXPECT_EQ(start, icu.DayOf(month));
            EXPECT_EQ(rule.DateOf(start + 5), icu.DateOf(start + 5));
        }
    }
}

// The astronomical table holds the engine's month starts, also at the
// edges of its blocks and beyond the table.
TEST(AstronomicalTable, EveryMonthStartIsTheEngines)
{
    const CHijriRule &table = HijriRuleOf(HijriRule::Astronomical);
    for (int index = HijriMonthIndex(-4810, 1); index < HijriMonthIndex(2510, 1); ++index)
        ASSERT_EQ(table.MonthStart(index), AstronomicalRule().MonthStart(index))
            << HijriMonthOfIndex(index);
}

// Threads that need the same blocks of a new table at once all get them
// whole: each thread's answers are those of the table built before.
TEST(MonthStartTable, ThreadsBuildingAtOnceSeeTheSameMonths)
{
    struct Case {
        const char *name;
        std::unique_ptr<CHijriRule> table;
        HijriRule built;
    };
    Case cases[] = {
        {"Umm al-Qura", std::make_unique<CIcuMonthTable>("islamic-umalqura"), HijriRule::UmmAlQura},
        {"astronomical", std::make_unique<CAstronomicalTable>(), HijriRule::Astronomical},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const CHijriRule &built = HijriRuleOf(c.built);
        for (int day = kFirstDay; day <= kLastDay; day += 1000)
            built.DateOf(day); // every block, before the threads start
        std::vector<std::thread> threads;
        std::vector<int> mismatches(4, 0);
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([&, t] {
                std::mt19937 random(t);
                std::uniform_int_distribution<int> pick(kFirstDay, kLastDay);
                for (int i = 0; i < 20000; ++i) {
                    const int day = pick(random);
                    mismatches[t] += !(c.table->DateOf(day) == built.DateOf(day));
                }
            });
        for (std::thread &thread : threads)
            thread.join();
        for (int t = 0; t < 4; ++t)
            EXPECT_EQ(mismatches[t], 0) << "thread " << t;
    }
}

TEST(IcuMonthTable, RefusesACalendarIcuDoesNotHave)
{
    EXPECT_THROW(CIcuMonthTable("islamic-lunar-guess"), std::runtime_error);
}

} // namespace

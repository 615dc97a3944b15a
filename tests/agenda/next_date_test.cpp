// The days a key falls on, against a walk over every day and against known
// dates, for keys of every kind.
#include "agenda/next_date.h"

#include "agenda/kind_key.h"

#include <gtest/gtest.h>

namespace {

int dayOf(int year, int month, int day)
{
    return ChristianDayNumber({year, month, day});
}

// Every day in [first, last] whose date in the key's calendar is its month
// and day.
std::vector<int> walk(
    const ParsedReminderKey &key, const CHijriCalendar &hijri, int first, int last)
{
    std::vector<int> days;
    for (int d = first; d <= last; ++d) {
        const YearMonthDay date =
            key.calendar == ReminderCalendar::Hijri ? hijri.HijriOfDay(d) : ChristianOfDay(d);
        if (date.month == key.month && date.day == key.day)
            days.push_back(d);
    }
    return days;
}

TEST(ReminderDays, AgreeWithAWalkOverEveryDayUnderEveryRule)
{
    const CHijriCalendar calendars[] = {CHijriCalendar(), CHijriCalendar(HijriRule::UmmAlQura, 1),
        CHijriCalendar(HijriRule::Civil, -2), CHijriCalendar(HijriRule::Astronomical, 2)};
    const char *keys[] = {"Ramadhan/1", "Safar/30", "Thul Hijjah/30", "Muharram/30", "Shawwal/05",
        "February/29", "March/06", "December/31"};
    const int first = dayOf(2026, 12, 7), last = dayOf(2036, 12, 6);
    for (const CHijriCalendar &hijri : calendars)
        for (const char *text : keys) {
            SCOPED_TRACE(std::string(text) + " under " + hijri.Description());
            const ParsedReminderKey key = ParseReminderKey(text);
            const std::vector<int> expected = walk(key, hijri, first, last);
            EXPECT_EQ(ReminderDaysBetween(key, hijri, first, last), expected);
            ASSERT_FALSE(expected.empty() && text != std::string("Safar/30"));
            if (!expected.empty()) {
                EXPECT_EQ(NextReminderDay(key, hijri, first), expected.front());
            }
            // From each day it falls on, that day; from the day after, the next.
            for (std::size_t i = 0; i + 1 < expected.size(); ++i) {
                EXPECT_EQ(NextReminderDay(key, hijri, expected[i]), expected[i]);
                EXPECT_EQ(NextReminderDay(key, hijri, expected[i] + 1), expected[i + 1]);
            }
        }
}

TEST(NextReminderDay, KnownDatesAndKeysThatNeverFall)
{
    const CHijriCalendar umalqura(HijriRule::UmmAlQura, 0);
    const CHijriCalendar civil(HijriRule::Civil, 0);
    const struct {
        const char *name;
        const char *key;
        CHijriCalendar hijri;
        int from;
        std::optional<int> next;
    } cases[] = {
        {"leap day, four years on", "February/29", {}, dayOf(2024, 3, 1), dayOf(2028, 2, 29)},
        {"leap day, past 2100", "February/29", {}, dayOf(2096, 3, 1), dayOf(2104, 2, 29)},
        {"1 Ramadhan 1447, Umm al-Qura", "Ramadhan/1", umalqura, dayOf(2026, 1, 1),
            dayOf(2026, 2, 18)},
        {"the same, a day's adjustment", "Ramadhan/01", CHijriCalendar(HijriRule::UmmAlQura, 1),
            dayOf(2026, 1, 1), dayOf(2026, 2, 17)},
        {"Safar never has 30 tabular days", "Safar/30", civil, dayOf(2026, 1, 1), std::nullopt},
        {"a key that never falls due", "April/31", {}, dayOf(2026, 1, 1), std::nullopt},
        {"past the last supported day", "January/01", {}, dayOf(3000, 6, 1), std::nullopt},
        {"the last supported day", "December/31", {}, dayOf(3000, 6, 1), dayOf(3000, 12, 31)},
        {"once, in its own year", "Ramadhan/27/1448", umalqura, dayOf(2026, 12, 7),
            dayOf(2027, 3, 6)},
        {"once, not in the next year", "Ramadhan/27/1448", umalqura, dayOf(2027, 3, 7),
            std::nullopt},
        {"Christian/31 falls on 30 April", "Christian/31", {}, dayOf(2027, 4, 1),
            dayOf(2027, 4, 30)},
        {"Christian/30 falls on 28 February", "Christian/30", {}, dayOf(2027, 2, 1),
            dayOf(2027, 2, 28)},
        {"Christian/29 on 29 February of a leap year", "Christian/29", {}, dayOf(2028, 2, 1),
            dayOf(2028, 2, 29)},
        {"the days the reform dropped fall on 15 October 1582", "Christian/10", {},
            dayOf(1582, 10, 5), dayOf(1582, 10, 15)},
        {"Friday from a Friday", "Friday", {}, dayOf(2027, 3, 5), dayOf(2027, 3, 5)},
        {"Friday from a Saturday", "Friday", {}, dayOf(2027, 3, 6), dayOf(2027, 3, 12)},
        {"weekly up to the last supported day", "Wednesday", {}, dayOf(3000, 12, 31),
            dayOf(3000, 12, 31)},
        {"and not beyond it", "Thursday", {}, dayOf(3000, 12, 31), std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NextReminderDay(ParseAnyReminderKey(c.key), c.hijri, c.from), c.next);
    }
}

} // namespace

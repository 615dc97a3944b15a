// Stored keys read back: calendar, month and day, and why a key never falls
// due; checked against the keys the due check builds.
#include "agenda/reminder_key.h"

#include "calendar/calendar.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseReminderKey, CalendarMonthDayOrWhyNever)
{
    using enum ReminderCalendar;
    const struct {
        const char *key;
        std::optional<ReminderCalendar> calendar;
        int month, day;
        const char *problem;
    } cases[] = {
        {"Ramadhan/27", Hijri, 9, 27, ""},
        {"ramadhan/5", Hijri, 9, 5, ""},
        {"Ramadhan/05", Hijri, 9, 5, ""},
        {"Rabi'ul Awwal/12", Hijri, 3, 12, ""},
        {"MARCH/06", Christian, 3, 6, ""},
        {"February/29", Christian, 2, 29, ""},
        {"Thul Hijjah/30", Hijri, 12, 30, ""},
        {"April/31", Christian, 4, 31, "April never has more than 30 days"},
        {"Ramadhan/31", Hijri, 9, 31, "Ramadhan never has more than 30 days"},
        {"Ramadan/5", std::nullopt, 0, 0, "\"Ramadan\" is neither a Hijri nor a Christian month"},
        {"Ramadhan/", Hijri, 9, 0, "the key has no day after the \"/\""},
        {"Ramadhan/005", Hijri, 9, 0, "\"005\" is not a day: write 1 to 31, or 01 to 09"},
        {"Ramadhan/ 5", Hijri, 9, 0, "\" 5\" is not a day: write 1 to 31, or 01 to 09"},
        {"Ramadhan/00", Hijri, 9, 0, "\"00\" is not a day: write 1 to 31, or 01 to 09"},
        {"Ramadhan/32", Hijri, 9, 0, "\"32\" is not a day: write 1 to 31, or 01 to 09"},
        {"Ramadhan/5/6", Hijri, 9, 0, "\"5/6\" is not a day: write 1 to 31, or 01 to 09"},
        {"Ramadhan 5", std::nullopt, 0, 0, "the key has no \"/\" between the month and the day"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        const ParsedReminderKey parsed = ParseReminderKey(c.key);
        EXPECT_EQ(parsed.calendar, c.calendar);
        EXPECT_EQ(parsed.month, c.month);
        EXPECT_EQ(parsed.day, c.day);
        EXPECT_EQ(parsed.problem, c.problem);
    }
}

// A key can fall due exactly when the due check builds it for some day: every
// spelling of days 0 to 32 in every month, against a leap year's days (and
// any Hijri month's day 1..30).
TEST(ParseReminderKey, FallsDueExactlyWhenTheDueCheckFindsIt)
{
    const char *spellings[] = {"%d", "%02d", "%03d"};
    for (int month = 1; month <= 12; ++month)
        for (int day = 0; day <= 32; ++day)
            for (const char *spelling : spellings) {
                char dayText[8];
                std::snprintf(dayText, sizeof dayText, spelling, day);
                const std::string christian = ChristianMonthNames[month - 1] + "/" + dayText;
                const std::string hijri = HijriMonthNames[month - 1] + "/" + dayText;
                SCOPED_TRACE(christian + " " + hijri);
                const int days2024 =
                    month == 2 ? 29 : LongestMonth(ReminderCalendar::Christian, month);
                const bool christianExists = day >= 1 && day <= days2024;
                const bool hijriExists = day >= 1 && day <= 30;
                const YearMonthDay date{2024, month, christianExists ? day : 1};
                const YearMonthDay hijriDate{1445, month, hijriExists ? day : 1};
                EXPECT_EQ(ParseReminderKey(christian).CanFallDue(),
                    christianExists && IsDayReminderKey(christian, date, hijriDate));
                EXPECT_EQ(ParseReminderKey(hijri).CanFallDue(),
                    hijriExists && IsDayReminderKey(hijri, date, hijriDate));
            }
}

} // namespace

// The keys of the reminders that are not yearly: what each form means, the
// one way the program writes it, why a key never falls due, and the notice.
#include "agenda/kind_key.h"

#include "reminders/reminder_entries.h"

#include <gtest/gtest.h>

namespace {

TEST(KindKey, ReadsEachFormAndWritesItOneWay)
{
    using enum ReminderKind;
    using C = ReminderCalendar;
    const struct {
        const char *key;
        ReminderKind kind;
        std::optional<ReminderCalendar> calendar;
        int year, month, day, weekday;
        const char *written;
    } cases[] = {
        {"Friday", Weekly, std::nullopt, 0, 0, 0, 5, "Friday"},
        {"sunday", Weekly, std::nullopt, 0, 0, 0, 0, "Sunday"},
        {"Hijri/13", Monthly, C::Hijri, 0, 0, 13, 0, "Hijri/13"},
        {"hijri/05", Monthly, C::Hijri, 0, 0, 5, 0, "Hijri/5"},
        {"Christian/1", Monthly, C::Christian, 0, 0, 1, 0, "Christian/01"},
        {"Christian/31", Monthly, C::Christian, 0, 0, 31, 0, "Christian/31"},
        {"Ramadhan/27/1448", Once, C::Hijri, 1448, 9, 27, 0, "Ramadhan/27/1448"},
        {"thul hijjah/09/1447", Once, C::Hijri, 1447, 12, 9, 0, "Thul Hijjah/9/1447"},
        {"March/6/2027", Once, C::Christian, 2027, 3, 6, 0, "March/06/2027"},
        {"February/29/2028", Once, C::Christian, 2028, 2, 29, 0, "February/29/2028"},
        {"January/01/-5", Once, C::Christian, -5, 1, 1, 0, "January/01/-5"},
        {"Muharram/30/-100", Once, C::Hijri, -100, 1, 30, 0, "Muharram/30/-100"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        ASSERT_TRUE(IsKindKeyForm(c.key));
        const ParsedReminderKey parsed = ParseKindKey(c.key);
        ASSERT_TRUE(parsed.CanFallDue()) << parsed.problem;
        EXPECT_EQ(parsed.kind, c.kind);
        EXPECT_EQ(parsed.calendar, c.calendar);
        EXPECT_EQ(parsed.year, c.year);
        EXPECT_EQ(parsed.month, c.month);
        EXPECT_EQ(parsed.day, c.day);
        EXPECT_EQ(parsed.weekday, c.weekday);
        EXPECT_EQ(KindKeyText(parsed), c.written);
        EXPECT_EQ(ParseAnyReminderKey(c.key).kind, c.kind);
    }
}

TEST(KindKey, SaysWhyAKeyNeverFallsDue)
{
    const struct {
        const char *key;
        const char *problem;
    } cases[] = {
        {"Fryday",
            "\"Fryday\" is neither a weekday nor a month and a day: write Friday, Hijri/13, "
            "Ramadhan/27 or Ramadhan/27/1448"},
        {"Hijri/31", "a Hijri month never has more than 30 days"},
        {"Hijri/", "the key has no day after the \"/\""},
        {"Christian/32", "\"32\" is not a day: write 1 to 31, or 01 to 09"},
        {"Christian/005", "\"005\" is not a day: write 1 to 31, or 01 to 09"},
        {"Ramadhan/31/1448", "Ramadhan never has more than 30 days"},
        {"Ramadan/1/1448", "\"Ramadan\" is neither a Hijri nor a Christian month"},
        {"Ramadhan/1/14x8",
            "\"14x8\" is not a year: write it as 1448, or as -5 for a year before 1"},
        {"Ramadhan/1/01448",
            "\"01448\" is not a year: write it as 1448, or as -5 for a year before 1"},
        {"Ramadhan/1/", "\"\" is not a year: write it as 1448, or as -5 for a year before 1"},
        {"March/1/0", "\"0\" is not a year: write it as 1448, or as -5 for a year before 1"},
        {"March/06/3001", "the year 3001 lies outside the supported years, -4000 to 3000"},
        {"March/06/-4001", "the year -4001 lies outside the supported years, -4000 to 3000"},
        {"February/29/2027", "February 2027 has only 28 days"},
        {"February/29/1900", "February 1900 has only 28 days"},
        {"April/31/2027", "April never has more than 30 days"},
        {"October/10/1582",
            "10 October 1582 never was: the Gregorian calendar went from 4 to 15 October 1582"},
        {"March/6/2027/1",
            "\"2027/1\" is not a year: write it as 1448, or as -5 for a year before 1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_TRUE(IsKindKeyForm(c.key));
        EXPECT_EQ(ParseKindKey(c.key).problem, c.problem);
    }
    // A leap day in a leap year of the Julian calendar, which has no
    // exceptions for the centuries.
    EXPECT_TRUE(ParseKindKey("February/29/1500").CanFallDue());
}

TEST(KindKey, AYearlyKeyIsNoneOfTheseForms)
{
    for (const char *key : {"Ramadhan/27", "March/06", "Foo/3", "April/31", "Ramadhan/"}) {
        SCOPED_TRACE(key);
        EXPECT_FALSE(IsKindKeyForm(key));
        EXPECT_EQ(ParseAnyReminderKey(key).kind, ReminderKind::Yearly);
    }
}

TEST(NoticeDays, OnlyAWholeNumberOfDaysFromOneToThirty)
{
    const struct {
        std::optional<std::string> value;
        int days;
    } cases[] = {{std::nullopt, 0}, {"", 0}, {"0", 0}, {"1", 1}, {"3", 3}, {"30", 30}, {"31", 0},
        {"03", 0}, {"-1", 0}, {"3 days", 0}, {"+3", 0}, {"999999999999", 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value.value_or("(none)"));
        EXPECT_EQ(ParseNoticeDays(c.value), c.days);
    }
}

} // namespace

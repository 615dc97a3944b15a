// What the form says of a date and of a reminder before and after Add and
// Delete, decided by plain functions: the Corresponding Date of a day the
// month does not have, the reasons Add refuses, the status bar's words.
#include "calendar/hijri_rule.h"
#include "form/corresponding_date.h"
#include "form/reminder_status.h"

#include <gtest/gtest.h>

namespace {

TEST(CorrespondingDateTest, ADayTheMonthLacksIsNamedNotConverted)
{
    // Muharram 1448 has 29 days under the astronomical rule (1 Safar is 15
    // July 2026): 31 Muharram once showed 16 July, which is 2 Safar.
    const CHijriCalendar astronomical;
    const CHijriCalendar umalqura(HijriRule::UmmAlQura, 0);
    // Safar 1448 recorded a day after the rule's first day: Muharram has 30.
    const CHijriCalendar recorded =
        astronomical.WithMonthStarts({{1448, 2, ChristianDayNumber({2026, 7, 16})}});
    const struct {
        const char *name;
        const CHijriCalendar &calendar;
        bool hijri;
        int year, month, day;
        const char *shown;
    } cases[] = {
        {"a Hijri day that exists", astronomical, true, 1448, 1, 29, "14 July 2026"},
        {"day 30 of a month of 29", astronomical, true, 1448, 1, 30,
            "Muharram 1448 has only 29 days"},
        {"day 31 of a month of 29", astronomical, true, 1448, 1, 31,
            "Muharram 1448 has only 29 days"},
        {"day 31 of a month of 30", astronomical, true, 1448, 2, 31, "Safar 1448 has only 30 days"},
        {"day 30 of a month of 30", astronomical, true, 1448, 2, 30, "13 August 2026"},
        {"day 30 under Umm al-Qura", umalqura, true, 1448, 9, 30, "Ramadhan 1448 has only 29 days"},
        {"a recorded start lengthens the month", recorded, true, 1448, 1, 30, "15 July 2026"},
        {"day 0 counts back, as before", astronomical, true, 1448, 2, 0, "14 July 2026"},
        {"30 February", astronomical, false, 2027, 2, 30, "30 February 2027 does not exist"},
        {"29 February of a common year", astronomical, false, 2027, 2, 29,
            "29 February 2027 does not exist"},
        {"29 February of a leap year", astronomical, false, 2028, 2, 29, "4 Shawwal 1449"},
        {"29 February 1500, a Julian leap year", astronomical, false, 1500, 2, 29, "29 Rajab 905"},
        {"31 April", astronomical, false, 2026, 4, 31, "31 April 2026 does not exist"},
        {"day 45", astronomical, false, 2026, 1, 45, "45 January 2026 does not exist"},
        {"the last Julian day", astronomical, false, 1582, 10, 4, "17 Ramadhan 990"},
        {"a day the reform dropped", astronomical, false, 1582, 10, 5,
            "5 October 1582 does not exist"},
        {"the last day the reform dropped", astronomical, false, 1582, 10, 14,
            "14 October 1582 does not exist"},
        {"the first Gregorian day", astronomical, false, 1582, 10, 15, "18 Ramadhan 990"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CorrespondingDateText(c.calendar, c.hijri, c.year, c.month, c.day), c.shown);
    }
}

TEST(AddRefusalTest, KeysThatNeverRingAndEmptyMemosAreRefusedWithTheListsReasons)
{
    const struct {
        const char *name;
        const char *key, *memo;
        const char *refusal; // empty: kept
    } cases[] = {
        {"a Hijri day", "Ramadhan/27", "Visit uncle", ""},
        {"a Hijri day 30", "Muharram/30", "Fast", ""},
        {"29 February", "February/29", "Birthday", ""},
        {"a leading zero", "March/06", "Dentist", ""},
        {"Hijri day 31", "Muharram/31", "Fast", "Muharram never has more than 30 days"},
        {"30 February", "February/30", "Birthday", "February never has more than 29 days"},
        {"31 April", "April/31", "Rent", "April never has more than 30 days"},
        {"day 0", "March/0", "Rent", "\"0\" is not a day: write 1 to 31, or 01 to 09"},
        {"no day", "March/", "Rent", "the key has no day after the \"/\""},
        {"an empty memo", "March/6", "", "the memo is empty, and an empty memo never rings"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AddRefusal(c.key, c.memo), c.refusal);
    }
}

TEST(ReminderStatusTest, TheStatusBarSaysWhatWasKeptOrDeleted)
{
    const struct {
        const char *name;
        CString shown, expected;
    } cases[] = {
        {"kept", KeptReminderMessage("Ramadhan/27"), "Reminder kept for 27 Ramadhan, every year"},
        {"kept with a leading zero", KeptReminderMessage("March/06"),
            "Reminder kept for 6 March, every year"},
        {"a Hijri day 30", KeptReminderMessage("Shawwal/30"),
            "Reminder kept for 30 Shawwal; it rings only in the years whose Shawwal has 30 days"},
        {"29 February", KeptReminderMessage("February/29"),
            "Reminder kept for 29 February; it rings only in leap years"},
        {"deleted", DeletedReminderMessage("Ramadhan/27", true), "Reminder of 27 Ramadhan deleted"},
        {"none to delete", DeletedReminderMessage("Rajab/1", false),
            "There was no reminder of 1 Rajab to delete"},
        {"a key that names no day", DeletedReminderMessage("Rajab/ab", true),
            "Reminder of Rajab/ab deleted"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.shown, c.expected);
    }
}

} // namespace

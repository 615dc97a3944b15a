#include "cli/date_text.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase {
    const char *text;
    bool ok;
    DayDate date;
};

const ParseCase kParseCases[] = {
    {"2000-01-01", true, {2000, 1, 1}},
    {"  1420-9-24 ", true, {1420, 9, 24}},
    {"-1-12-31", true, {-1, 12, 31}},
    {"-4000-01-01", true, {-4000, 1, 1}},
    {"0002-03-04", true, {2, 3, 4}},
    {"0-01-01", false, {}}, // no year zero
    {"-0-01-01", false, {}},
    {"2000/01/01", false, {}},
    {"2000-01", false, {}},
    {"2000-01-01x", false, {}},
    {"2000-001-01", false, {}},
    {"+2000-01-01", false, {}},
    {"99999999999-01-01", false, {}}, // would overflow an int
    {"", false, {}},
    {"--1-01-01", false, {}},
};

TEST(ParseDate, Forms)
{
    for (const ParseCase &c : kParseCases) {
        SCOPED_TRACE(c.text);
        DayDate date;
        std::string error;
        const bool ok = ParseDate(c.text, date, error);
        EXPECT_EQ(ok, c.ok) << error;
        if (c.ok)
            EXPECT_EQ(date, c.date);
        else
            EXPECT_FALSE(error.empty());
    }
}

struct CheckCase {
    const char *name;
    CalendarKind kind;
    DayDate date;
    const char *error; // nullptr: the date exists
};

const CheckCase kCheckCases[] = {
    {"leap day 2024", CalendarKind::Christian, {2024, 2, 29}, nullptr},
    {"no leap day 2023", CalendarKind::Christian, {2023, 2, 29}, "February 2023 has only 28 days"},
    {"no Gregorian leap day 1900", CalendarKind::Christian, {1900, 2, 29},
        "February 1900 has only 28 days"},
    {"Julian leap day 1500", CalendarKind::Christian, {1500, 2, 29}, nullptr},
    {"Julian leap day in year -1", CalendarKind::Christian, {-1, 2, 29}, nullptr},
    {"April has 30 days", CalendarKind::Christian, {2001, 4, 31}, "April 2001 has only 30 days"},
    {"4 October 1582", CalendarKind::Christian, {1582, 10, 4}, nullptr},
    {"dropped 5 October 1582", CalendarKind::Christian, {1582, 10, 5},
        "5 October 1582 does not exist; the Gregorian calendar follows 4 October 1582 with 15 "
        "October 1582"},
    {"dropped 14 October 1582", CalendarKind::Christian, {1582, 10, 14},
        "14 October 1582 does not exist; the Gregorian calendar follows 4 October 1582 with 15 "
        "October 1582"},
    {"15 October 1582", CalendarKind::Christian, {1582, 10, 15}, nullptr},
    {"month 13", CalendarKind::Christian, {2000, 13, 1},
        "month 13 does not exist; months run from 1 to 12"},
    {"month 0", CalendarKind::Hijri, {1420, 0, 1},
        "month 0 does not exist; months run from 1 to 12"},
    {"day 0", CalendarKind::Christian, {2000, 1, 0}, "day 0 does not exist; days start at 1"},
    {"year 3001", CalendarKind::Christian, {3001, 1, 1},
        "year 3001 is outside the supported range -4000 to 3000"},
    {"year -4001", CalendarKind::Christian, {-4001, 12, 31},
        "year -4001 is outside the supported range -4000 to 3000"},
    {"Hijri 30 Sha'ban 1417 (29 days)", CalendarKind::Hijri, {1417, 8, 30},
        "Sha'ban 1417 (Hijri) has only 29 days"},
    {"Hijri 30 Ramadhan 1417 (30 days)", CalendarKind::Hijri, {1417, 9, 30}, nullptr},
    {"Hijri last supported day", CalendarKind::Hijri, {2452, 6, 13}, nullptr},
    {"Hijri day after the range", CalendarKind::Hijri, {2452, 6, 14},
        "Hijri year 2452 lies outside the supported range (Christian years -4000 to 3000)"},
    {"Hijri huge year", CalendarKind::Hijri, {2000000, 1, 1},
        "Hijri year 2000000 lies outside the supported range (Christian years -4000 to 3000)"},
};

TEST(CheckDate, ExistingAndMissingDays)
{
    for (const CheckCase &c : kCheckCases) {
        SCOPED_TRACE(c.name);
        std::string error;
        const bool ok = CheckDate(CHijriCalendar(), c.kind, c.date, error);
        EXPECT_EQ(ok, c.error == nullptr) << error;
        if (c.error) {
            EXPECT_EQ(error, c.error);
        }
    }
}

TEST(Format, TextAndIso)
{
    const Conversion c = Convert(CHijriCalendar(), CalendarKind::Christian, {2000, 1, 1});
    EXPECT_EQ(FormatText(c), "Saturday 1 January 2000 = 24 Ramadhan 1420");
    EXPECT_EQ(FormatIso(c.output), "1420-09-24");
    const Conversion h = Convert(CHijriCalendar(), CalendarKind::Hijri, {1, 1, 1});
    EXPECT_EQ(FormatText(h), "Thursday 1 Muharram 1 = 15 July 622");
    EXPECT_EQ(FormatIso(Convert(CHijriCalendar(), CalendarKind::Christian, {622, 7, 14}).output),
        "-1-12-29");
}

} // namespace

// A month at a glance: its days in both calendars under each Hijri rule,
// the Moon's phases on the local days they fall in two time zones, the
// reminders of either calendar and spelling, and the holy days.
#include "agenda/month_data.h"

#include "agenda/next_date.h"
#include "calendar/calendar.h"
#include "reminders/profile_snapshot.h"
#include "tests/reminders/temp_folder.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr int kHour = 3600;

int day(int year, int month, int dayOfMonth)
{
    return ChristianDayNumber({year, month, dayOfMonth});
}

UtcOffsetAt fixedOffset(int seconds)
{
    return [seconds](std::int64_t) { return seconds; };
}

// New York in 2026: daylight saving time from 8 March, 07:00 UT, to
// 1 November, 06:00 UT.
int newYork2026(std::int64_t utc)
{
    constexpr std::int64_t kSummerFrom = 1772953200; // 2026-03-08 07:00 UT
    constexpr std::int64_t kSummerTo = 1793512800; // 2026-11-01 06:00 UT
    return utc >= kSummerFrom && utc < kSummerTo ? -4 * kHour : -5 * kHour;
}

const MonthDay *findDay(const MonthData &month, int dayNumber)
{
    for (const MonthDay &d : month.days)
        if (d.dayNumber == dayNumber)
            return &d;
    return nullptr;
}

TEST(MonthData, RamadhanAndEidAlAdha1447UnderEachRule)
{
    // Umm al-Qura as Saudi Arabia published it; the tabular calendar by
    // its arithmetic; the astronomical one from the new moons of
    // 17 February 2026, 12:01 UT, and 16 May 2026, 20:01 UT.
    const struct {
        const char *name;
        CHijriCalendar hijri;
        int ramadhan1; // day number of 1 Ramadhan 1447
        int eidAlAdha; // of 10 Thul Hijjah 1447
        int ramadhanDays;
    } rules[] = {
        {"astronomical", CHijriCalendar(), day(2026, 2, 19), day(2026, 5, 27), 29},
        {"Umm al-Qura", CHijriCalendar(HijriRule::UmmAlQura, 0), day(2026, 2, 18), day(2026, 5, 27),
            30},
        {"tabular", CHijriCalendar(HijriRule::Civil, 0), day(2026, 2, 18), day(2026, 5, 27), 30},
        {"Umm al-Qura, +1 day", CHijriCalendar(HijriRule::UmmAlQura, 1), day(2026, 2, 17),
            day(2026, 5, 26), 30},
        {"astronomical, -1 day", CHijriCalendar(HijriRule::Astronomical, -1), day(2026, 2, 20),
            day(2026, 5, 28), 29},
    };
    for (const auto &r : rules) {
        SCOPED_TRACE(r.name);
        const MonthData ramadhan =
            BuildMonthData({ReminderCalendar::Hijri, 1447, 9}, r.hijri, {}, fixedOffset(0));
        ASSERT_EQ(ramadhan.days.size(), static_cast<std::size_t>(r.ramadhanDays));
        EXPECT_EQ(ramadhan.days.front().dayNumber, r.ramadhan1);
        EXPECT_EQ(ramadhan.days[0].holyDays.at(0)->name, "First day of Ramadan");
        EXPECT_EQ(ramadhan.days[26].holyDays.at(0)->name, "Laylat al-Qadr (one of the odd nights)");

        const MonthData thulHijjah =
            BuildMonthData({ReminderCalendar::Hijri, 1447, 12}, r.hijri, {}, fixedOffset(0));
        EXPECT_EQ(thulHijjah.days[9].dayNumber, r.eidAlAdha);
        EXPECT_EQ(thulHijjah.days[9].holyDays.at(0)->name, "Eid al-Adha");
        EXPECT_EQ(thulHijjah.days[8].holyDays.at(0)->name, "Day of Arafah");

        // The Christian month shows the same day as the Hijri one.
        const YearMonthDay eid = ChristianOfDay(r.eidAlAdha);
        const MonthData may =
            BuildMonthData({ReminderCalendar::Christian, 2026, 5}, r.hijri, {}, fixedOffset(0));
        const MonthDay *eidInMay = findDay(may, r.eidAlAdha);
        ASSERT_NE(eidInMay, nullptr);
        EXPECT_EQ(eidInMay->christian, eid);
        EXPECT_EQ(eidInMay->hijri, (YearMonthDay{1447, 12, 10}));
        EXPECT_EQ(eidInMay->holyDays.at(0)->name, "Eid al-Adha");
    }
}

// Every day of a run of months of both calendars, under each rule and
// adjustment: consecutive civil days, each month beginning where the one
// before ended, its dates those the calendar front gives, day 1 to the
// month's length in the calendar shown.
TEST(MonthData, MonthsFollowOneAnotherWithTheDatesOfTheCalendar)
{
    for (HijriRule rule : kHijriRules)
        for (int adjust : {-2, 0, 1}) {
            const CHijriCalendar hijri(rule, adjust);
            for (ReminderCalendar calendar :
                {ReminderCalendar::Hijri, ReminderCalendar::Christian}) {
                SCOPED_TRACE(std::string(hijri.Description()) +
                    (calendar == ReminderCalendar::Hijri ? " Hijri" : " Christian"));
                MonthId id = MonthOfDay(calendar, day(2025, 12, 1), hijri);
                int next = 0;
                for (int m = 0; m < 14; ++m, id = AddMonths(id, 1)) {
                    const MonthData month = BuildMonthData(id, hijri, {}, fixedOffset(0));
                    ASSERT_FALSE(month.days.empty());
                    if (next) {
                        EXPECT_EQ(month.days.front().dayNumber, next);
                    }
                    for (std::size_t i = 0; i < month.days.size(); ++i) {
                        const MonthDay &d = month.days[i];
                        EXPECT_EQ(d.dayNumber, month.days.front().dayNumber + static_cast<int>(i));
                        EXPECT_EQ(d.hijri, hijri.HijriOfDay(d.dayNumber));
                        EXPECT_EQ(d.christian, ChristianOfDay(d.dayNumber));
                        EXPECT_EQ(d.weekday, WeekdayOfDay(d.dayNumber));
                        const YearMonthDay &shown =
                            calendar == ReminderCalendar::Hijri ? d.hijri : d.christian;
                        EXPECT_EQ(
                            shown, (YearMonthDay{id.year, id.month, static_cast<int>(i) + 1}));
                    }
                    next = month.days.back().dayNumber + 1;
                }
            }
        }
}

TEST(MonthData, October1582SkipsTheDaysTheReformDropped)
{
    const MonthData october =
        BuildMonthData({ReminderCalendar::Christian, 1582, 10}, CHijriCalendar(), {}, {});
    ASSERT_EQ(october.days.size(), 21u);
    EXPECT_EQ(october.days[3].christian, (YearMonthDay{1582, 10, 4}));
    EXPECT_EQ(october.days[4].christian, (YearMonthDay{1582, 10, 15}));
    EXPECT_EQ(october.days[4].hijri, (YearMonthDay{990, 9, 18}));
}

// The new moon of 18 February 1977, 03:38 UT, is on the 18th in Tokyo and
// still on the 17th in New York.
TEST(MonthData, PhasesFallOnTheirLocalDays)
{
    const struct {
        const char *zone;
        int offset;
        int dayOfMonth;
        int minute;
    } zones[] = {
        {"UTC", 0, 18, 3 * 60 + 38},
        {"Asia/Tokyo", 9 * kHour, 18, 12 * 60 + 38},
        {"America/New_York", -5 * kHour, 17, 22 * 60 + 38},
    };
    for (const auto &z : zones) {
        SCOPED_TRACE(z.zone);
        const MonthData february = BuildMonthData(
            {ReminderCalendar::Christian, 1977, 2}, CHijriCalendar(), {}, fixedOffset(z.offset));
        const MonthDay &newMoon = february.days[z.dayOfMonth - 1];
        ASSERT_TRUE(newMoon.moonPhase);
        EXPECT_EQ(newMoon.moonPhase->phase, MoonPhase::New);
        EXPECT_EQ(newMoon.moonPhase->localMinute, z.minute);
        const int other = z.dayOfMonth == 18 ? 17 : 18;
        EXPECT_FALSE(february.days[other - 1].moonPhase);
    }
}

// Daylight saving time in force at the phase's instant counts: the new
// moon of 19 March 2026, 01:23 UT, is on the 18th in New York at 21:23
// (UT - 4 hours, not - 5), and on the 19th in Tokyo.
TEST(MonthData, TheOffsetAtThePhaseCounts)
{
    const MonthData newYork =
        BuildMonthData({ReminderCalendar::Christian, 2026, 3}, CHijriCalendar(), {}, newYork2026);
    const MonthData tokyo = BuildMonthData(
        {ReminderCalendar::Christian, 2026, 3}, CHijriCalendar(), {}, fixedOffset(9 * kHour));
    ASSERT_TRUE(newYork.days[17].moonPhase);
    EXPECT_EQ(newYork.days[17].moonPhase->phase, MoonPhase::New);
    EXPECT_EQ(newYork.days[17].moonPhase->localMinute, 21 * 60 + 23);
    ASSERT_TRUE(tokyo.days[18].moonPhase);
    EXPECT_EQ(tokyo.days[18].moonPhase->localMinute, 10 * 60 + 23);
    // The full moon of 3 March, before the change, is at UT - 5 hours.
    ASSERT_TRUE(newYork.days[2].moonPhase);
    EXPECT_EQ(newYork.days[2].moonPhase->phase, MoonPhase::Full);
    EXPECT_EQ(newYork.days[2].moonPhase->localMinute,
        (newYork.days[2].moonPhase->utcSeconds - 5 * kHour) % 86400 / 60);
}

// Through a year of months, in a zone far from UT, every phase comes once
// and in turn: none lost or shown twice where months meet.
TEST(MonthData, NoPhaseIsLostOrDoubledAtTheEdgeOfAMonth)
{
    for (int offset : {-11 * kHour, 0, 14 * kHour})
        for (ReminderCalendar calendar : {ReminderCalendar::Hijri, ReminderCalendar::Christian}) {
            SCOPED_TRACE(offset);
            std::vector<MoonPhaseTime> phases;
            MonthId id = MonthOfDay(calendar, day(2026, 1, 1), CHijriCalendar());
            for (int m = 0; m < 13; ++m, id = AddMonths(id, 1))
                for (const MonthDay &d :
                    BuildMonthData(id, CHijriCalendar(), {}, fixedOffset(offset)).days)
                    if (d.moonPhase)
                        phases.push_back(*d.moonPhase);
            ASSERT_GE(phases.size(), 50u);
            for (std::size_t i = 1; i < phases.size(); ++i) {
                EXPECT_EQ(static_cast<int>(phases[i].phase),
                    (static_cast<int>(phases[i - 1].phase) + 1) % 4);
                EXPECT_LT(phases[i].utcSeconds - phases[i - 1].utcSeconds, 9 * 86400);
            }
        }
}

TEST(MonthData, APhaseInTheLastSecondsOfADayRoundsIntoTheNext)
{
    // 2451545.0 is noon of 1 January 2000; 30 seconds before midnight UT:
    const double beforeMidnight = 2451545.5 - 30.0 / 86400;
    int localDay = 0;
    const MoonPhaseTime time =
        LocalPhaseTime(MoonPhase::Full, beforeMidnight, fixedOffset(0), &localDay);
    EXPECT_EQ(localDay, day(2000, 1, 2));
    EXPECT_EQ(time.localMinute, 0);
    LocalPhaseTime(MoonPhase::Full, beforeMidnight - 60.0 / 86400, fixedOffset(0), &localDay);
    EXPECT_EQ(localDay, day(2000, 1, 1));
}

TEST(MonthData, RemindersOfEveryKindBothCalendarsAndSpellingsFromOneSnapshot)
{
    CTempFolder folder;
    WriteBytes(folder / "zamanix.INI",
        "[Reminder]\n"
        "Ramadhan/05=Hijri, with a zero\n"
        "ramadhan/6=Hijri, another case\n"
        "February/23=Christian\n"
        "February/24=\n" // an empty memo is none
        "March/1=Christian, without a zero\n"
        "[Alarm]\n"
        "Ramadhan/05=07:30 15\n"
        "[MoreReminders]\n"
        "Wednesday=Weekly\n"
        "Hijri/30=Month's end\n"
        "Ramadhan/6/1447=Once\n"
        "Ramadhan/6/1448=Once, a year on\n"
        "[Notice]\n"
        "Ramadhan/6/1447=3\n");
    const CProfileSnapshot profile(folder / "zamanix.INI");
    const ProfileLookup lookup = [&profile](std::string_view section, std::string_view entry) {
        return profile.Find(section, entry);
    };
    // Under the astronomical rule 5 Ramadhan 1447 is 23 February 2026.
    const MonthData ramadhan =
        BuildMonthData({ReminderCalendar::Hijri, 1447, 9}, CHijriCalendar(), lookup, {});
    std::map<int, std::vector<std::string>> memos;
    for (const MonthDay &d : ramadhan.days)
        for (const DayReminder &r : d.reminders)
            memos[d.hijri.day].push_back(r.memo);
    // The other kinds on their days; a notice marks no day. Ramadhan 1447
    // has 29 days under the astronomical rule, and 7 Ramadhan is a Wednesday.
    EXPECT_EQ(memos,
        (std::map<int, std::vector<std::string>>{
            {5, {"Hijri, with a zero", "Christian"}},
            {6, {"Hijri, another case", "Once"}},
            {7, {"Weekly"}},
            {11, {"Christian, without a zero"}},
            {14, {"Weekly"}},
            {21, {"Weekly"}},
            {28, {"Weekly"}},
            {29, {"Month's end"}},
        }));
    EXPECT_EQ(ramadhan.days[4].reminders[0].alarm.hour, 7);
    EXPECT_EQ(ramadhan.days[4].reminders[0].alarm.every, 15);
}

TEST(MonthData, ShowableMonthsAndTheStepsBetweenThem)
{
    const CHijriCalendar hijri;
    const YearMonthDay last = hijri.HijriOfDay(LastReminderDay()); // 13 Jumada al-Thani 2452
    const struct {
        const char *name;
        MonthId month;
        bool showable;
    } months[] = {
        {"January of the year 1", {ReminderCalendar::Christian, 1, 1}, true},
        {"December 3000", {ReminderCalendar::Christian, 3000, 12}, true},
        {"January 3001", {ReminderCalendar::Christian, 3001, 1}, false},
        {"the year 0", {ReminderCalendar::Christian, 0, 12}, false},
        {"a thirteenth month", {ReminderCalendar::Christian, 2000, 13}, false},
        {"Muharram 1", {ReminderCalendar::Hijri, 1, 1}, true},
        {"the month of 31 December 3000", {ReminderCalendar::Hijri, last.year, last.month}, false},
        {"the month before", {ReminderCalendar::Hijri, last.year, last.month - 1}, true},
    };
    for (const auto &m : months) {
        SCOPED_TRACE(m.name);
        EXPECT_EQ(IsShowableMonth(m.month, hijri), m.showable);
    }
    const MonthId january{ReminderCalendar::Hijri, 1447, 1};
    EXPECT_EQ(AddMonths(january, -1), (MonthId{ReminderCalendar::Hijri, 1446, 12}));
    EXPECT_EQ(AddMonths(january, 12), (MonthId{ReminderCalendar::Hijri, 1448, 1}));
    EXPECT_EQ(AddMonths(january, -13), (MonthId{ReminderCalendar::Hijri, 1445, 12}));
    EXPECT_EQ(AddMonths({ReminderCalendar::Christian, 1, 1}, -1).year, 0);
}

TEST(HolyDays, OneTableOfDaysThatEveryMonthHas)
{
    std::vector<std::string> days;
    for (const HolyDay &d : HolyDays()) {
        days.push_back(
            std::to_string(d.day) + "/" + std::to_string(d.month) + " " + std::string(d.name));
        EXPECT_LE(d.day, 29) << "falls in every year";
    }
    EXPECT_EQ(days,
        (std::vector<std::string>{"1/1 Islamic New Year", "10/1 Ashura", "27/7 Isra and Mi'raj",
            "15/8 Mid-Sha'ban", "1/9 First day of Ramadan",
            "27/9 Laylat al-Qadr (one of the odd nights)", "1/10 Eid al-Fitr", "9/12 Day of Arafah",
            "10/12 Eid al-Adha"}));
    EXPECT_TRUE(HolyDaysOf({1447, 12, 11}).empty());
    EXPECT_TRUE(HolyDaysOf({1447, 11, 10}).empty());
}

// The nights kept from the sunset before their day mark that evening, the
// civil day before the holy day, whatever the rule; the holy day itself
// keeps its own day.
TEST(HolyDays, ANightIsMarkedOnTheEveningBeforeItsDay)
{
    std::vector<std::string> nights;
    for (const HolyDay &d : HolyDays())
        if (d.nightBefore)
            nights.push_back(std::string(d.name));
    EXPECT_EQ(nights,
        (std::vector<std::string>{
            "Isra and Mi'raj", "Mid-Sha'ban", "Laylat al-Qadr (one of the odd nights)"}));
    for (HijriRule rule : kHijriRules) {
        const CHijriCalendar hijri(rule, 0);
        for (int month = 6; month <= 10; ++month) {
            SCOPED_TRACE(std::string(hijri.DisplayName()) + ", month " + std::to_string(month));
            const MonthData data =
                BuildMonthData({ReminderCalendar::Hijri, 1447, month}, hijri, {}, fixedOffset(0));
            std::vector<std::string> evenings;
            for (const MonthDay &d : data.days)
                for (const HolyDay *night : d.holyNights)
                    evenings.push_back(
                        std::to_string(d.hijri.day) + " " + std::string(night->name));
            const std::map<int, std::vector<std::string>> expected = {{6, {}},
                {7, {"26 Isra and Mi'raj"}}, {8, {"14 Mid-Sha'ban"}},
                {9, {"26 Laylat al-Qadr (one of the odd nights)"}}, {10, {}}};
            EXPECT_EQ(evenings, expected.at(month));
        }
    }
    // An evening on the last day of a Christian month: 31 May 2019 before
    // 27 Ramadhan 1440, which is 1 June.
    const MonthData may = BuildMonthData(
        {ReminderCalendar::Christian, 2019, 5}, CHijriCalendar(), {}, fixedOffset(0));
    ASSERT_EQ(may.days.back().holyNights.size(), 1u);
    EXPECT_EQ(may.days.back().holyNights[0]->day, 27);
    EXPECT_TRUE(may.days.back().holyDays.empty());
}

} // namespace

// When each kind of reminder falls due, under each Hijri rule, with an
// adjustment and with a recorded month start: the days the lists and the
// export count (next_date.h) and the days the due check finds by key
// (day_agenda.h), both against the kinds' definitions walked day by day;
// and the notices, across a month's and a year's end.
#include "agenda/day_agenda.h"
#include "agenda/kind_key.h"
#include "agenda/next_date.h"

#include "reminders/reminder_entries.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

int dayOf(int year, int month, int day)
{
    return ChristianDayNumber({year, month, day});
}

using Entries = std::map<std::pair<std::string, std::string>, std::string>;

ProfileLookup lookupOf(const Entries &entries)
{
    return [&entries](std::string_view section, std::string_view entry) {
        const auto found = entries.find({std::string(section), std::string(entry)});
        return found == entries.end() ? std::nullopt : std::optional<std::string>(found->second);
    };
}

bool lastDayOfChristianMonth(int day)
{
    return ChristianOfDay(day + 1).day == 1;
}

// The definition of each kind, a day at a time.
bool fallsOn(const ParsedReminderKey &key, const CHijriCalendar &hijri, int day)
{
    const bool isHijri = key.calendar == ReminderCalendar::Hijri;
    const YearMonthDay date = isHijri ? hijri.HijriOfDay(day) : ChristianOfDay(day);
    switch (key.kind) {
    case ReminderKind::Weekly:
        return WeekdayOfDay(day) == key.weekday;
    case ReminderKind::Once:
        return date == YearMonthDay{key.year, key.month, key.day};
    case ReminderKind::Monthly: {
        const bool last = isHijri ? date.day == hijri.MonthLength(date.year, date.month)
                                  : lastDayOfChristianMonth(day);
        return date.day == key.day || (last && key.day > date.day);
    }
    case ReminderKind::Yearly:
        return date.month == key.month && date.day == key.day;
    }
    return false;
}

// The rule with a record that begins Ramadhan 1448 a day off the rule.
CHijriCalendar withRecordedRamadhan()
{
    const CHijriCalendar umalqura(HijriRule::UmmAlQura, 0);
    const int rule = umalqura.RuleMonthStart(1448, 9);
    for (const int day : umalqura.MonthStartCandidates(1448, 9))
        if (day != rule)
            return umalqura.WithMonthStarts({{1448, 9, day}});
    ADD_FAILURE() << "no other start of Ramadhan 1448 can be recorded";
    return umalqura;
}

TEST(ReminderKinds, EachFallsOnItsDaysUnderEveryRule)
{
    const CHijriCalendar calendars[] = {CHijriCalendar(), CHijriCalendar(HijriRule::UmmAlQura, 0),
        CHijriCalendar(HijriRule::Civil, 0), CHijriCalendar(HijriRule::Astronomical, -1),
        withRecordedRamadhan()};
    const char *keys[] = {"Friday", "Sunday", "Hijri/13", "Hijri/1", "Hijri/30", "Hijri/05",
        "Christian/01", "Christian/29", "Christian/30", "Christian/31", "Ramadhan/27/1448",
        "Ramadhan/30/1448", "Shawwal/1/1448", "Thul Hijjah/30/1448", "February/29/2028",
        "March/06/2027", "Ramadhan/27/1449"};
    Entries entries;
    for (const char *key : keys)
        entries[{std::string(kMoreReminderSection), key}] = key;
    // From the first Monday of December 2026 over three years, a leap day among them.
    const int first = dayOf(2026, 12, 7), last = dayOf(2029, 12, 31);
    for (const CHijriCalendar &hijri : calendars) {
        SCOPED_TRACE(hijri.Description());
        std::map<std::string, std::vector<int>> found;
        for (int day = first; day <= last; ++day)
            for (const DayReminder &reminder :
                FindRemindersOfDay(day, hijri, lookupOf(entries), WithNotices::No))
                found[reminder.key].push_back(day);
        for (const char *text : keys) {
            SCOPED_TRACE(text);
            const ParsedReminderKey key = ParseKindKey(text);
            std::vector<int> expected;
            for (int day = first; day <= last; ++day)
                if (fallsOn(key, hijri, day))
                    expected.push_back(day);
            EXPECT_EQ(found[text], expected) << "the due check";
            EXPECT_EQ(ReminderDaysBetween(key, hijri, first, last), expected) << "the lists";
            const std::optional<int> next = NextReminderDay(key, hijri, first);
            EXPECT_EQ(next, expected.empty() ? std::nullopt : std::optional(expected.front()));
        }
    }
}

TEST(OnceReminderDay, AHijriDateTheCalendarLacksOrOneOutsideTheRange)
{
    const CHijriCalendar civil(HijriRule::Civil, 0);
    // Safar has 29 days in every year of the tabular calendar.
    OnceDate once = OnceReminderDay(ParseKindKey("Safar/30/1448"), civil);
    EXPECT_FALSE(once.day);
    EXPECT_FALSE(once.outOfRange);
    EXPECT_EQ(once.problem, "Safar 1448 has only 29 days under the Tabular (civil) calendar");
    once = OnceReminderDay(ParseKindKey("Rajab/1/2452"), civil);
    EXPECT_FALSE(once.day);
    EXPECT_TRUE(once.outOfRange);
    EXPECT_EQ(once.problem,
        "1 Rajab 2452 lies outside the days Zamanix supports, 1 January "
        "-4000 to 31 December 3000");
    EXPECT_TRUE(OnceReminderDay(ParseKindKey("Muharram/1/999999"), civil).outOfRange);
    EXPECT_EQ(
        OnceReminderDay(ParseKindKey("Safar/29/1448"), civil).day, civil.DayOfHijri({1448, 2, 29}));
}

TEST(Notice, RingsTheDaysBeforeAcrossAMonthsAndAYearsEnd)
{
    const CHijriCalendar hijri;
    const struct {
        const char *name;
        std::string_view section;
        const char *key, *notice;
        int today;
        int occurs; // 0: no notice today
    } cases[] = {
        {"a yearly reminder, across the year's end", kReminderSection, "January/02", "4",
            dayOf(2026, 12, 29), dayOf(2027, 1, 2)},
        {"not the day after", kReminderSection, "January/02", "4", dayOf(2026, 12, 30), 0},
        {"nor with another notice", kReminderSection, "January/02", "3", dayOf(2026, 12, 29), 0},
        {"a monthly one, across the month's end", kMoreReminderSection, "Christian/02", "5",
            dayOf(2027, 2, 25), dayOf(2027, 3, 2)},
        {"a once one, across the Hijri year's end", kMoreReminderSection, "Muharram/1/1449", "3",
            hijri.DayOfHijri({1448, 12, 1}) + hijri.MonthLength(1448, 12) - 3,
            hijri.DayOfHijri({1449, 1, 1})},
        {"a weekly one, a week ahead", kMoreReminderSection, "Friday", "7", dayOf(2027, 3, 5),
            dayOf(2027, 3, 12)},
        {"the most notice", kMoreReminderSection, "March/06/2027", "30", dayOf(2027, 2, 4),
            dayOf(2027, 3, 6)},
        {"no more than thirty days", kMoreReminderSection, "March/06/2027", "31", dayOf(2027, 2, 3),
            0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Entries entries = {{{std::string(c.section), c.key}, "memo"},
            {{std::string(kNoticeSection), c.key}, c.notice}};
        const std::vector<DayReminder> found =
            FindRemindersOfDay(c.today, hijri, lookupOf(entries), WithNotices::Yes);
        std::vector<DayReminder> notices;
        for (const DayReminder &r : found)
            if (r.noticeDays > 0)
                notices.push_back(r);
        if (c.occurs == 0) {
            EXPECT_TRUE(notices.empty());
            continue;
        }
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_EQ(notices[0].key, c.key);
        EXPECT_EQ(notices[0].noticeDays, c.occurs - c.today);
        EXPECT_EQ(notices[0].occursDay, c.occurs);
        EXPECT_TRUE(IsReminderKeyOfDay(c.key, c.today, hijri, lookupOf(entries)))
            << "a change of it is checked at once";
        EXPECT_TRUE(FindRemindersOfDay(c.today, hijri, lookupOf(entries), WithNotices::No).size() <
            found.size())
            << "the month panel marks the day itself, not its notices";
    }
}

TEST(Notice, SaysWhenTheDayComes)
{
    DayReminder reminder;
    reminder.memo = "buy dates";
    reminder.occursDay = dayOf(2027, 2, 7);
    reminder.occursChristian = {2027, 2, 7};
    reminder.occursHijri = {1448, 9, 1};
    EXPECT_EQ(DayReminderText(reminder), "buy dates") << "the day itself: its memo";
    reminder.noticeDays = 3;
    EXPECT_EQ(DayReminderText(reminder),
        "In 3 days, Sunday 7 February 2027 / 1 Ramadhan 1448: buy dates");
    reminder.noticeDays = 1;
    EXPECT_EQ(
        DayReminderText(reminder), "Tomorrow, Sunday 7 February 2027 / 1 Ramadhan 1448: buy dates");
    reminder.memo = "50% off %1";
    EXPECT_EQ(
        DayReminderText(reminder), "Tomorrow, Sunday 7 February 2027 / 1 Ramadhan 1448: 50% off %1")
        << "what the memo holds is not read as a placeholder";
}

} // namespace

// The due check without a window: which reminders of a day fall due at a
// time, what the prompt says, and the countdown of ticks between checks.
#include "agenda/due_check.h"

#include "reminders/reminder_entries.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// Friday 6 March 1998 = 7 Thul Qi'dah 1418 under the astronomical rule.
constexpr YearMonthDay kMarch6{1998, 3, 6};

using Entries = std::map<std::string, std::string>; // "Section/key" to value

ProfileLookup lookupOf(const Entries &entries)
{
    return [&entries](std::string_view section, std::string_view entry) {
        const auto found = entries.find(std::string(section) + "/" + std::string(entry));
        return found == entries.end() ? std::nullopt : std::optional<std::string>(found->second);
    };
}

TEST(DueCheck, WhatFallsDueAndWhatThePromptSays)
{
    const struct {
        const char *name;
        Entries entries;
        int hour, minute;
        std::string declined;
        bool due;
        const char *text;
        int snooze;
    } cases[] = {
        {"nothing stored", {}, 12, 0, "", false, "", 0},
        {"the default alarm rings at eight", {{"Reminder/Thul Qi'dah/7", "Visit"}}, 8, 0, "", true,
            "Visit\r", 60},
        {"not before its minute", {{"Reminder/March/06", "Dentist"}, {"Alarm/March/06", "14:30 5"}},
            14, 29, "", false, "", 0},
        {"from its minute on", {{"Reminder/March/06", "Dentist"}, {"Alarm/March/06", "14:30 5"}},
            15, 0, "", true, "\rDentist", 5},
        {"an empty memo never rings", {{"Reminder/March/06", ""}}, 12, 0, "", false, "", 0},
        {"both calendars in one prompt, the shortest interval",
            {{"Reminder/Thul Qi'dah/7", "Hijri"}, {"Alarm/Thul Qi'dah/7", "10:00 20"},
                {"Reminder/March/06", "Christian"}, {"Alarm/March/06", "09:15 45"}},
            9, 15, "", true, "Hijri\rChristian", 20},
        {"either spelling of the day",
            {{"Reminder/March/6", "a"}, {"Reminder/Thul Qi'dah/07", "b"}}, 8, 0, "", true, "b\ra",
            60},
        {"a declined day is silent", {{"Reminder/March/06", "Dentist"}}, 12, 0, "March/06", false,
            "", 0},
        {"another day's No does not silence it", {{"Reminder/March/06", "Dentist"}}, 12, 0,
            "March/05", true, "\rDentist", 60},
        {"an hour past 23 is never reached",
            {{"Reminder/March/06", "Late"}, {"Alarm/March/06", "24:00 5"}}, 23, 59, "", false, "",
            0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CDueCheck check;
        check.SetCountdown(-1);
        const std::optional<DueReminders> due =
            check.Check({kMarch6, c.hour, c.minute}, c.declined, lookupOf(c.entries), {});
        ASSERT_EQ(due.has_value(), c.due);
        if (!due) {
            EXPECT_EQ(check.Countdown(), -1) << "a check that finds nothing leaves the count";
            continue;
        }
        EXPECT_EQ(due->alarmText, c.text);
        EXPECT_EQ(due->snooze, c.snooze);
        EXPECT_EQ(check.Countdown(), c.snooze) << "the next check comes after the interval";
    }
}

TEST(DueCheck, TheHijriKeysFollowTheCalendarGiven)
{
    // 1 Ramadhan 1447: 19 February 2026 by the astronomical rule, the 18th
    // under Umm al-Qura.
    const Entries entries = {{"Reminder/Ramadhan/1", "First fast"}};
    CDueCheck check;
    const DueTime morning{{2026, 2, 18}, 9, 0};
    EXPECT_FALSE(check.Check(morning, "", lookupOf(entries), {}));
    EXPECT_TRUE(check.Check(morning, "", lookupOf(entries), {HijriRule::UmmAlQura, 0}));
    EXPECT_TRUE(
        check.Check({{2026, 2, 17}, 9, 0}, "", lookupOf(entries), {HijriRule::UmmAlQura, 1}));
}

TEST(DueCheck, TheOtherKindsAndTheNoticesInThePrompt)
{
    // Friday 6 March 1998 = 7 Thul Qi'dah 1418; Monday 9 March = 10 Thul Qi'dah.
    const struct {
        const char *name;
        Entries entries;
        int hour, minute;
        bool due;
        const char *text;
        int snooze;
    } cases[] = {
        {"every Friday, from its time",
            {{"MoreReminders/Friday", "Prayer"}, {"MoreAlarms/Friday", "12:30 10"}}, 12, 30, true,
            "\rPrayer", 10},
        {"not before it", {{"MoreReminders/friday", "Prayer"}, {"MoreAlarms/friday", "12:30 10"}},
            12, 29, false, "", 0},
        {"not on another weekday", {{"MoreReminders/Thursday", "Prayer"}}, 12, 0, false, "", 0},
        {"every Hijri month on the 7th", {{"MoreReminders/Hijri/7", "Fast"}}, 8, 0, true, "Fast\r",
            60},
        {"every Christian month on the 6th", {{"MoreReminders/Christian/06", "Pay"}}, 8, 0, true,
            "\rPay", 60},
        {"once, in its year", {{"MoreReminders/Thul Qi'dah/7/1418", "Engagement"}}, 8, 0, true,
            "Engagement\r", 60},
        {"once, not a year later", {{"MoreReminders/Thul Qi'dah/7/1417", "Engagement"}}, 8, 0,
            false, "", 0},
        {"a yearly key in the other kinds' section never rings",
            {{"MoreReminders/March/06", "Lost"}}, 8, 0, false, "", 0},
        {"a kind's key in the yearly section never rings", {{"Reminder/Friday", "Lost"}}, 8, 0,
            false, "", 0},
        {"notice three days before, with the day it tells of",
            {{"Reminder/March/09", "Rent"}, {"Notice/March/09", "3"}}, 8, 0, true,
            "\rIn 3 days, Monday 9 March 1998 / 10 Thul Qi'dah 1418: Rent", 60},
        {"a Hijri reminder's notice among the Hijri memos",
            {{"Reminder/Thul Qi'dah/10", "Visit"}, {"Notice/Thul Qi'dah/10", "3"},
                {"Reminder/March/06", "Dentist"}},
            8, 0, true, "In 3 days, Monday 9 March 1998 / 10 Thul Qi'dah 1418: Visit\rDentist", 60},
        {"the notice rings at the reminder's own time",
            {{"Reminder/March/09", "Rent"}, {"Alarm/March/09", "18:00 5"},
                {"Notice/March/09", "3"}},
            17, 59, false, "", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CDueCheck check;
        const std::optional<DueReminders> due =
            check.Check({kMarch6, c.hour, c.minute}, "", lookupOf(c.entries), {});
        ASSERT_EQ(due.has_value(), c.due);
        if (!due)
            continue;
        EXPECT_EQ(due->alarmText, c.text);
        EXPECT_EQ(due->snooze, c.snooze);
    }
}

TEST(DueCheck, TicksCountDownToTheNextCheck)
{
    const struct {
        const char *name;
        int countdown;
        long long elapsed; // seconds since the tick before
        bool checkSoon, promptOpen;
        bool checks;
        int after;
    } cases[] = {
        {"the first tick of a run checks", 0, 60, false, false, true, 0},
        {"counting down", 3, 60, false, false, false, 2},
        {"the last tick of the count checks", 1, 60, false, false, true, 0},
        {"an open prompt holds the check", 1, 60, false, true, false, 0},
        {"check soon: a new day or today's change", 30, 60, true, false, true, 0},
        {"a minute's sleep is a tick late, not a sleep", 30, 170, false, false, false, 29},
        {"ten minutes asleep count towards the interval", 30, 600, false, false, false, 20},
        {"asleep past the interval checks at once", 30, 3600, false, false, true, -29},
        {"at most a day of sleep counts", 720, 7 * 86400, false, false, true, -720},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CDueCheck check;
        check.SetCountdown(c.countdown);
        if (c.checkSoon)
            check.CheckSoon();
        EXPECT_EQ(check.Tick(c.elapsed, c.promptOpen), c.checks);
        EXPECT_EQ(check.Countdown(), c.after);
    }
}

TEST(DueCheck, AnAnswerStartsTheCountAgain)
{
    CDueCheck check;
    check.Answered(true, 15);
    EXPECT_EQ(check.Countdown(), 15);
    for (int tick = 1; tick < 15; ++tick)
        EXPECT_FALSE(check.Tick(60, false)) << tick;
    EXPECT_TRUE(check.Tick(60, false));
    check.Answered(false, 15);
    EXPECT_TRUE(check.Tick(60, false))
        << "an answer after midnight leaves the new day to the next tick";
}

TEST(DueCheck, ChristianDayKeyHasTwoDigits)
{
    EXPECT_EQ(ChristianDayKey({1998, 3, 6}), "March/06");
    EXPECT_EQ(ChristianDayKey({2026, 12, 31}), "December/31");
}

} // namespace

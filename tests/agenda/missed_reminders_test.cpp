// The reminders missed between the last check and today: which days count,
// which reminders of the day of the last check were heard, the week's limit,
// the Hijri calendar in use, every kind and the notices.
#include "agenda/missed_reminders.h"

#include "agenda/day_agenda.h"
#include "reminders/reminder_entries.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

namespace {

// Friday 6 March 1998 = 7 Thul Qi'dah 1418 (astronomical).
const int kMarch6 = ChristianDayNumber({1998, 3, 6});

using Entries = std::map<std::pair<std::string, std::string>, std::string>;

ProfileLookup lookupIn(const Entries &entries)
{
    return [&entries](std::string_view section, std::string_view entry) {
        const auto found = entries.find({std::string(section), std::string(entry)});
        return found == entries.end() ? std::nullopt : std::optional(found->second);
    };
}

// "1998-03-04 H Thul Qi'dah/5 at 14:00: memo" for each reminder.
std::vector<std::string> describe(const std::vector<MissedReminder> &missed)
{
    std::vector<std::string> lines;
    for (const MissedReminder &m : missed) {
        char line[64];
        std::snprintf(line, sizeof line, "%04d-%02d-%02d %c ", m.christian.year, m.christian.month,
            m.christian.day, m.reminder.calendar == ReminderCalendar::Hijri ? 'H' : 'C');
        char time[32];
        std::snprintf(time, sizeof time, " at %02d:%02d: ", m.ringsAt / 60, m.ringsAt % 60);
        lines.push_back(line + m.reminder.key + time + DayReminderText(m.reminder));
    }
    return lines;
}

TEST(MissedReminders, TheDaysFromTheLastCheckToYesterday)
{
    const Entries entries = {
        // 3 March, the day of the last check (12:00): rang before it, or not.
        {{"Reminder", "March/03"}, "before the check"},
        {{"Alarm", "March/03"}, "11:59 60"},
        {{"Reminder", "Thul Qi'dah/4"}, "at the minute of the check"},
        {{"Alarm", "Thul Qi'dah/4"}, "12:00 60"},
        {{"Reminder", "March/3"}, "after the check"},
        {{"Alarm", "March/3"}, "12:01 60"},
        // 4 March: every reminder that rings, by the minute it rings from.
        {{"Reminder", "March/04"}, "late"},
        {{"Alarm", "March/04"}, "23:59 60"},
        {{"Reminder", "Thul Qi'dah/5"}, "early"},
        {{"Alarm", "Thul Qi'dah/5"}, "00:00 60"},
        {{"Reminder", "Thul Qi'dah/05"}, "rings from 08:00"},
        {{"Alarm", "Thul Qi'dah/05"}, "07:75 60"},
        // 5 March: an hour past 23 never rings; an empty memo is none.
        {{"Reminder", "March/05"}, "never"},
        {{"Alarm", "March/05"}, "24:00 60"},
        {{"Reminder", "Thul Qi'dah/6"}, ""},
        // Today and the day before the last check are not missed.
        {{"Reminder", "March/06"}, "today"},
        {{"Alarm", "March/06"}, "00:00 60"},
        {{"Reminder", "March/02"}, "before the last check's day"},
    };
    EXPECT_EQ(describe(FindMissedReminders(
                  {kMarch6 - 3, 12, 0}, kMarch6, CHijriCalendar(), lookupIn(entries))),
        (std::vector<std::string>{
            "1998-03-03 C March/3 at 12:01: after the check",
            "1998-03-04 H Thul Qi'dah/5 at 00:00: early",
            "1998-03-04 H Thul Qi'dah/05 at 08:00: rings from 08:00",
            "1998-03-04 C March/04 at 23:59: late",
        }));
}

TEST(MissedReminders, EveryKindAndTheNoticesOfTheDaysMissed)
{
    // Wednesday 4 March 1998 = 5 Thul Qi'dah 1418.
    const Entries entries = {
        {{"MoreReminders", "Wednesday"}, "weekly"},
        {{"MoreReminders", "Hijri/5"}, "monthly"},
        {{"MoreReminders", "March/04/1998"}, "once"},
        {{"MoreReminders", "March/04/1999"}, "once, a year later"},
        {{"Reminder", "March/10"}, "rent"},
        {{"Notice", "March/10"}, "6"},
        {{"Notice", "Wednesday"}, "1"},
    };
    EXPECT_EQ(describe(FindMissedReminders(
                  {kMarch6 - 3, 23, 0}, kMarch6, CHijriCalendar(), lookupIn(entries))),
        (std::vector<std::string>{
            "1998-03-04 C Wednesday at 08:00: weekly",
            "1998-03-04 H Hijri/5 at 08:00: monthly",
            "1998-03-04 C March/04/1998 at 08:00: once",
            "1998-03-04 C March/10 at 08:00: In 6 days, Tuesday 10 March 1998 / 11 Thul Qi'dah "
            "1418: rent",
        }))
        << "the weekly one's notice of Tuesday 3 March was heard at the last check";
}

TEST(MissedReminders, NothingWhenTheLastCheckWasTodayOrLater)
{
    const Entries entries = {{{"Reminder", "March/05"}, "yesterday"},
        {{"Reminder", "March/06"}, "today"}, {{"Reminder", "March/07"}, "tomorrow"}};
    const struct {
        const char *name;
        LocalMinute lastCheck;
        std::size_t missed;
    } cases[] = {
        {"yesterday at 00:00", {kMarch6 - 1, 0, 0}, 1},
        {"today at 00:00", {kMarch6, 0, 0}, 0},
        {"tomorrow (the clock went back)", {kMarch6 + 1, 23, 0}, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(
            FindMissedReminders(c.lastCheck, kMarch6, CHijriCalendar(), lookupIn(entries)).size(),
            c.missed);
    }
}

TEST(MissedReminders, NoMoreThanTheLastSevenDays)
{
    Entries entries;
    for (int day = 1; day <= 28; ++day)
        entries[{"Reminder", "February/" + std::to_string(day)}] = "daily";
    const struct {
        const char *name;
        LocalMinute lastCheck;
        const char *first;
        std::size_t count;
    } cases[] = {
        // A last check beyond the week: its time of day no longer counts.
        {"a month away", {kMarch6 - 30, 23, 59}, "1998-02-27", 2},
        {"eight days away", {kMarch6 - 8, 23, 59}, "1998-02-27", 2},
        {"seven days away", {kMarch6 - 7, 23, 59}, "1998-02-28", 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> missed = describe(
            FindMissedReminders(c.lastCheck, kMarch6, CHijriCalendar(), lookupIn(entries)));
        ASSERT_EQ(missed.size(), c.count);
        EXPECT_EQ(missed[0].substr(0, 10), c.first);
    }
}

TEST(MissedReminders, HijriDaysAsTheCalendarInUseKeepsThem)
{
    // 3 March 1998 is 4 Thul Qi'dah 1418 without adjustment, 5 with +1.
    const Entries entries = {{{"Reminder", "Thul Qi'dah/5"}, "fifth"}};
    const struct {
        const char *name;
        CHijriCalendar hijri;
        const char *missed;
    } cases[] = {
        {"astronomical", CHijriCalendar(), "1998-03-04 H Thul Qi'dah/5 at 08:00: fifth"},
        {"a day later", CHijriCalendar(HijriRule::Astronomical, 1),
            "1998-03-03 H Thul Qi'dah/5 at 08:00: fifth"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<MissedReminder> missed =
            FindMissedReminders({kMarch6 - 3, 0, 0}, kMarch6, c.hijri, lookupIn(entries));
        ASSERT_EQ(missed.size(), 1u);
        EXPECT_EQ(describe(missed)[0], c.missed);
        EXPECT_EQ(missed[0].hijri, c.hijri.HijriOfDay(missed[0].day));
        EXPECT_EQ(missed[0].weekday, WeekdayOfDay(missed[0].day));
    }
}

} // namespace

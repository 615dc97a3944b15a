// The reminders of a civil day: its keys in both calendars and spellings,
// which keys count, and the alarm each one brings.
#include "agenda/day_agenda.h"

#include "reminders/reminder_entries.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Friday 6 March 1998 = 7 Thul Qi'dah 1418.
const YearMonthDay kMarch6{1998, 3, 6};
const YearMonthDay kThulQidah7{1418, 11, 7};

std::vector<std::string> keysOf(const std::vector<DayKey> &keys)
{
    std::vector<std::string> texts;
    for (const DayKey &k : keys)
        texts.push_back((k.calendar == ReminderCalendar::Hijri ? "H " : "C ") + k.key);
    return texts;
}

TEST(DayReminderKeys, BothCalendarsAndBothSpellingsOfTheDay)
{
    const struct {
        const char *name;
        YearMonthDay christian, hijri;
        std::vector<std::string> keys;
    } cases[] = {
        {"single-digit days", kMarch6, kThulQidah7,
            {"H Thul Qi'dah/7", "H Thul Qi'dah/07", "C March/06", "C March/6"}},
        {"days from 10 on have one spelling", {2000, 1, 10}, {1420, 9, 30},
            {"H Ramadhan/30", "C January/10"}},
        {"a month outside 1..12 has no key", {2000, 13, 1}, {1420, 0, 5}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(keysOf(DayReminderKeys(c.christian, c.hijri)), c.keys);
    }
}

TEST(DayReminderKeys, AKeyMatchesRegardlessOfCase)
{
    const struct {
        const char *key;
        bool today;
    } cases[] = {{"March/06", true}, {"march/6", true}, {"THUL QI'DAH/07", true},
        {"March/07", false}, {"Ramadhan/7", false}, {"March/06 ", false}, {"", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(IsDayReminderKey(c.key, kMarch6, kThulQidah7), c.today);
    }
}

TEST(ReminderAlarm, StoredValuesAndTheirDefault)
{
    const struct {
        const char *name;
        std::optional<std::string> value;
        int hour, minute, every;
    } cases[] = {
        {"missing entry: the default", std::nullopt, 8, 0, 60},
        {"empty value scans nothing", "", 8, 0, 60},
        {"written by Add", "14:30 5", 14, 30, 5},
        {"typed by hand", "7:5 15", 7, 5, 15},
        {"scan stops at the third digit", "123:45 6", 12, 0, 60},
        {"no interval", "06:15", 6, 15, 60},
        {"interval 0", "07:00 0", 7, 0, 0},
        {"the longest interval", "07:00 720", 7, 0, 720},
        {"interval too long", "07:00 99999", 7, 0, 720},
        {"negative interval", "07:00 -5", 7, 0, 0},
        {"the most negative int", "07:00 -2147483648", 7, 0, 0},
        {"the largest int", "07:00 2147483647", 7, 0, 720},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ReminderAlarm alarm = ParseReminderAlarm(c.value);
        EXPECT_EQ(alarm.hour, c.hour);
        EXPECT_EQ(alarm.minute, c.minute);
        EXPECT_EQ(alarm.every, c.every);
    }
}

class FindDayRemindersTest : public testing::Test {
protected:
    void Put(std::string_view section, const std::string &key, const std::string &value)
    {
        m_profile[{std::string(section), key}] = value;
    }
    std::vector<DayReminder> Find() const
    {
        return FindRemindersOfDay(
            ChristianDayNumber(kMarch6), CHijriCalendar(),
            [this](std::string_view section, std::string_view entry) -> std::optional<std::string> {
                const auto it = m_profile.find({std::string(section), std::string(entry)});
                if (it == m_profile.end())
                    return std::nullopt;
                return it->second;
            },
            WithNotices::No);
    }

    std::map<std::pair<std::string, std::string>, std::string> m_profile;
};

TEST_F(FindDayRemindersTest, EachKeyWithAMemoBringsItsOwnAlarm)
{
    Put(kReminderSection, "March/06", "Dentist");
    Put(kAlarmSection, "March/06", "14:30 5");
    Put(kReminderSection, "Thul Qi'dah/07", "Typed with a zero");
    const std::vector<DayReminder> found = Find();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].calendar, ReminderCalendar::Hijri);
    EXPECT_EQ(found[0].key, "Thul Qi'dah/07");
    EXPECT_EQ(found[0].memo, "Typed with a zero");
    EXPECT_EQ(found[0].alarm.hour, 8) << "its own alarm entry is missing: the default";
    EXPECT_EQ(found[0].alarm.every, 60);
    EXPECT_EQ(found[1].calendar, ReminderCalendar::Christian);
    EXPECT_EQ(found[1].key, "March/06");
    EXPECT_EQ(found[1].alarm.hour, 14);
    EXPECT_EQ(found[1].alarm.minute, 30);
    EXPECT_EQ(found[1].alarm.every, 5);
}

TEST_F(FindDayRemindersTest, KeysWithoutAMemoDoNotCount)
{
    const struct {
        const char *name;
        std::map<std::string, std::string> reminders, alarms;
    } cases[] = {
        {"nothing stored", {}, {}},
        {"an alarm without a memo", {}, {{"Thul Qi'dah/7", "00:00 0"}}},
        {"an empty memo", {{"March/06", ""}}, {{"March/06", "00:00 1"}}},
        {"another day's memo", {{"March/07", "tomorrow"}, {"Thul Qi'dah/8", "also"}}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        m_profile.clear();
        for (const auto &[key, value] : c.reminders)
            Put(kReminderSection, key, value);
        for (const auto &[key, value] : c.alarms)
            Put(kAlarmSection, key, value);
        EXPECT_TRUE(Find().empty());
    }
}

} // namespace

// The rows of All Reminders and zamanix-reminders from a profile file: their
// order, the alarm as the due check reads it, and why a row never falls due.
#include "agenda/reminder_list.h"

#include "tests/reminders/temp_folder.h"

#include <gtest/gtest.h>

namespace {

int dayOf(int year, int month, int day)
{
    return ChristianDayNumber({year, month, day});
}

// Monday 7 December 2026 = 27 Jumada al-Thani 1448 (astronomical).
const int kToday = dayOf(2026, 12, 7);

class ReminderListTest : public testing::Test {
protected:
    CProfileSnapshot Profile(const std::string &text)
    {
        std::ofstream(m_folder / "zamanix.INI", std::ios::binary) << text;
        return CProfileSnapshot(m_folder / "zamanix.INI");
    }

    CTempFolder m_folder;
};

std::vector<std::string> keysOf(const std::vector<ReminderRow> &rows)
{
    std::vector<std::string> keys;
    for (const ReminderRow &row : rows)
        keys.push_back(row.key);
    return keys;
}

TEST(AlarmRingsAt, TheFirstMinuteTheDueCheckFindsTheAlarmReached)
{
    for (int hour = -9; hour <= 99; ++hour)
        for (int minute = -9; minute <= 99; ++minute) {
            const ReminderAlarm alarm{hour, minute, 60};
            std::optional<int> first;
            for (int m = 0; m < 24 * 60 && !first; ++m)
                if (AlarmReached(alarm, m / 60, m % 60))
                    first = m;
            ASSERT_EQ(AlarmRingsAt(alarm), first) << hour << ":" << minute;
        }
}

TEST_F(ReminderListTest, SortedByNextDayThenAlarmWithNeverLastInFileOrder)
{
    const CProfileSnapshot profile = Profile("[Reminder]\n"
                                             "April/31=no such day\n"
                                             "December/08=late\n"
                                             "Foo/3=no such month\n"
                                             "December/8=early\n"
                                             "December/07=today\n"
                                             "January/01=next year\n"
                                             "January/5=\n"
                                             "[Alarm]\n"
                                             "December/08=21:00 5\n"
                                             "December/8=6:30 10\n");
    const std::vector<ReminderRow> rows = BuildReminderRows(profile, CHijriCalendar(), kToday);
    EXPECT_EQ(keysOf(rows),
        (std::vector<std::string>{"December/07", "December/8", "December/08", "January/01",
            "April/31", "Foo/3", "January/5"}));
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].daysUntil, 0);
    EXPECT_EQ(rows[1].daysUntil, 1);
    EXPECT_EQ(rows[1].ringsAt, 6 * 60 + 30);
    EXPECT_EQ(rows[1].alarm.every, 10);
    EXPECT_EQ(rows[3].christian, (YearMonthDay{2027, 1, 1}));
    EXPECT_EQ(rows[3].weekday, 5); // a Friday
    EXPECT_EQ(rows[4].problem, "April never has more than 30 days");
    EXPECT_EQ(rows[5].problem, "\"Foo\" is neither a Hijri nor a Christian month");
    EXPECT_EQ(rows[6].problem, "the memo is empty, and an empty memo never rings");
}

TEST_F(ReminderListTest, AlarmAsTheDueCheckReadsIt)
{
    const struct {
        const char *name;
        const char *alarm; // nullptr: no entry
        std::optional<int> ringsAt;
        int every;
    } cases[] = {
        {"no entry: the default", nullptr, 8 * 60, 60},
        {"one-digit fields", "7:5 15", 7 * 60 + 5, 15},
        {"minute 75 rings with the next hour", "07:75 5", 8 * 60, 5},
        {"an interval past the form's", "09:00 9999", 9 * 60, 720},
        {"an hour past 23 never rings", "25:00 5", std::nullopt, 5},
        {"an empty value keeps the default's numbers", "", 8 * 60, 60},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = "[Reminder]\nMarch/06=memo\n[Alarm]\n";
        if (c.alarm)
            text += std::string("March/06=") + c.alarm + "\n";
        const std::vector<ReminderRow> rows =
            BuildReminderRows(Profile(text), CHijriCalendar(), kToday);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].ringsAt, c.ringsAt);
        EXPECT_EQ(rows[0].alarm.every, c.every);
        EXPECT_EQ(rows[0].day.has_value(), c.ringsAt.has_value());
    }
}

TEST_F(ReminderListTest, HijriKeysFollowTheProfilesCalendar)
{
    // 1 Ramadhan 1448 is 8 February 2027 under Umm al-Qura, a day earlier
    // with +1; Safar never has a 30th under the tabular rule.
    const struct {
        const char *defaults;
        std::optional<YearMonthDay> ramadhan1;
        bool safar30;
    } cases[] = {
        {"HijriCalendar=umalqura\n", YearMonthDay{2027, 2, 8}, true},
        {"HijriCalendar=umalqura\nHijriAdjust=1\n", YearMonthDay{2027, 2, 7}, true},
        {"HijriCalendar=civil\n", std::nullopt, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.defaults);
        const CProfileSnapshot profile = Profile(std::string("[Defaults]\n") + c.defaults +
            "[Reminder]\nRamadhan/1=fast\nSafar/30=thirtieth\n");
        const std::vector<ReminderRow> rows =
            BuildReminderRows(profile, ProfileHijriCalendar(profile), kToday);
        ASSERT_EQ(rows.size(), 2u);
        const ReminderRow &ramadhan = rows[0].key == "Ramadhan/1" ? rows[0] : rows[1];
        const ReminderRow &safar = rows[0].key == "Safar/30" ? rows[0] : rows[1];
        if (c.ramadhan1) {
            EXPECT_EQ(ramadhan.christian, *c.ramadhan1);
            EXPECT_EQ(ramadhan.hijri, (YearMonthDay{1448, 9, 1}));
        }
        EXPECT_EQ(safar.day.has_value(), c.safar30);
        if (!c.safar30) {
            EXPECT_EQ(safar.problem,
                "Safar has no day 30 in the next 30 years under the Tabular (civil) calendar");
        }
    }
}

TEST_F(ReminderListTest, EveryKindByItsNextDayThePastOnesBeforeThoseThatNeverFallDue)
{
    // Monday 7 December 2026 = 26 Jumada al-Thani 1448 in the tabular calendar.
    const CProfileSnapshot profile = Profile("[Reminder]\n"
                                             "Ramadhan/30=yearly, day 30\n"
                                             "February/29=leap day\n"
                                             "[MoreReminders]\n"
                                             "Friday=prayer\n"
                                             "Christian/31=month's end\n"
                                             "Jumada al-Thani/19/1448=a week ago\n"
                                             "March/06/2025=long ago\n"
                                             "Rajab/1/1448=soon\n"
                                             "Safar/30/1449=never\n"
                                             "Hijri/13=fast\n"
                                             "Ramadhan/27=yearly form, wrong section\n"
                                             "[MoreAlarms]\n"
                                             "Friday=12:30 15\n"
                                             "[Notice]\n"
                                             "Rajab/1/1448=3\n"
                                             "Ramadhan/30=2\n");
    const std::vector<ReminderRow> rows =
        BuildReminderRows(profile, CHijriCalendar(HijriRule::Civil, 0), kToday);
    EXPECT_EQ(keysOf(rows),
        (std::vector<std::string>{"Rajab/1/1448", "Friday", "Hijri/13", "Christian/31",
            "Ramadhan/30", "February/29", "Jumada al-Thani/19/1448", "March/06/2025",
            "Safar/30/1449", "Ramadhan/27"}));
    ASSERT_EQ(rows.size(), 10u);
    const struct {
        std::size_t row;
        ReminderKind kind;
        int notice;
        bool falls, past;
        const char *note, *problem;
    } expected[] = {
        {0, ReminderKind::Once, 3, true, false, "", ""},
        {1, ReminderKind::Weekly, 0, true, false, "", ""},
        {3, ReminderKind::Monthly, 0, true, false,
            "on the last day of the months that have fewer than 31 days", ""},
        {4, ReminderKind::Yearly, 2, true, false, "only in the years whose Ramadhan has 30 days",
            ""},
        {5, ReminderKind::Yearly, 0, true, false, "only in leap years", ""},
        {6, ReminderKind::Once, 0, false, true, "", ""},
        {8, ReminderKind::Once, 0, false, false, "",
            "Safar 1449 has only 29 days under the Tabular (civil) calendar"},
        {9, ReminderKind::Yearly, 0, false, false, "",
            "\"Ramadhan/27\" is neither a weekday nor a month and a day: write Friday, "
            "Hijri/13, Ramadhan/27 or Ramadhan/27/1448"},
    };
    for (const auto &e : expected) {
        const ReminderRow &row = rows[e.row];
        SCOPED_TRACE(row.key);
        if (e.row < 9) {
            EXPECT_EQ(row.parsed.kind, e.kind);
        }
        EXPECT_EQ(row.notice, e.notice);
        EXPECT_EQ(row.FallsDue(), e.falls);
        EXPECT_EQ(row.past, e.past);
        EXPECT_EQ(row.note, e.note);
        EXPECT_EQ(row.problem, e.problem);
    }
    EXPECT_EQ(rows[1].ringsAt, 12 * 60 + 30) << "the other kinds' alarms";
    EXPECT_EQ(rows[6].daysUntil, -7) << "a past day counts back";
    EXPECT_EQ(rows[6].christian, (YearMonthDay{2026, 11, 30}));
}

TEST_F(ReminderListTest, UpcomingHasARowForEachDayInTheSpan)
{
    const CProfileSnapshot profile = Profile("[Reminder]\nDecember/09=a\nDecember/7=b\n"
                                             "April/31=never\nFebruary/29=leap\n");
    const std::vector<ReminderRow> rows =
        BuildUpcomingRows(profile, CHijriCalendar(), kToday, dayOf(2028, 12, 7));
    std::vector<std::pair<std::string, int>> seen;
    for (const ReminderRow &row : rows)
        seen.emplace_back(row.key, row.daysUntil);
    EXPECT_EQ(seen,
        (std::vector<std::pair<std::string, int>>{{"December/7", 0}, {"December/09", 2},
            {"December/7", 365}, {"December/09", 367}, {"February/29", 449}, {"December/7", 731}}));
}

} // namespace

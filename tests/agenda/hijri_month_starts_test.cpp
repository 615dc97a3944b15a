// Recorded month starts in the profile and in files: read into the Hijri
// calendar, the warnings about entries it cannot keep, the writes that
// record, remove and replace them, and a published file checked line by line.
#include "agenda/hijri_month_starts.h"

#include "agenda/month_starts_file.h"
#include "agenda/reminder_list.h"

#include "tests/reminders/temp_folder.h"

#include <gtest/gtest.h>

namespace {

int dayOf(int year, int month, int day)
{
    return ChristianDayNumber({year, month, day});
}

// Under the tabular calendar 1 Ramadhan 1448 is 8 February 2027, 1 Shawwal
// 10 March 2027.
class MonthStartsProfileTest : public testing::Test {
protected:
    CProfileSnapshot Profile(const std::string &text)
    {
        WriteBytes(File(), text);
        return CProfileSnapshot(File());
    }
    std::filesystem::path File() const { return m_folder / "zamanix.INI"; }

    CTempFolder m_folder;
};

TEST_F(MonthStartsProfileTest, AHandEditedProfileIsReadWithoutTheRecordsThatCannotBeKept)
{
    const CProfileSnapshot profile = Profile("[Defaults]\n"
                                             "HijriCalendar=civil\n"
                                             "[HijriMonthStarts]\n"
                                             "1448/13=2027-03-01\n"
                                             "1448/9=2027-02-09\n"
                                             "1448/09=2027-02-08\n"
                                             "1448/10 = \"2027-03-11\"\n"
                                             "1448/11=2027-07-20\n"
                                             "1448/12=the 8th\n");
    const CHijriCalendar calendar = ProfileHijriCalendar(profile);
    EXPECT_EQ(calendar.Rule(), HijriRule::Civil);
    EXPECT_EQ(calendar.DayOfHijri({1448, 9, 1}), dayOf(2027, 2, 9));
    EXPECT_EQ(calendar.DayOfHijri({1448, 10, 1}), dayOf(2027, 3, 11));
    EXPECT_FALSE(calendar.RecordedMonthStart(1448, 11));
    EXPECT_EQ(ProfileMonthStartWarnings(profile, calendar),
        (std::vector<std::string>{
            "[HijriMonthStarts] 1448/13=2027-03-01 is ignored: Hijri month 13 does not exist; "
            "months run from 1 to 12",
            "[HijriMonthStarts] 1448/09=2027-02-08 is ignored: Ramadhan 1448 is recorded twice; "
            "the first record, 9 February 2027, counts",
            "[HijriMonthStarts] 1448/11=2027-07-20 is ignored: Thul Qi'dah 1448 cannot begin on "
            "20 July 2027: under Tabular (civil) that day is 15 Safar 1449",
            "[HijriMonthStarts] 1448/12=the 8th is ignored: \"the 8th\" is not a date; write "
            "YYYY-MM-DD, for example 2027-02-07",
        }));
    // The list of the records shows every entry, a kept one without a problem.
    std::vector<std::string> entries;
    for (const MonthStartEntry &entry : ProfileMonthStartEntries(profile, calendar))
        entries.push_back(entry.name + (entry.record ? " record" : " no record") +
            (entry.problem.empty() ? ", kept" : ", ignored"));
    EXPECT_EQ(entries,
        (std::vector<std::string>{"1448/13 no record, ignored", "1448/9 record, kept",
            "1448/09 record, ignored", "1448/10 record, kept", "1448/11 record, ignored",
            "1448/12 no record, ignored"}));
}

TEST_F(MonthStartsProfileTest, AHijriReminderFallsDueOnTheRecordedDay)
{
    const CProfileSnapshot profile = Profile("[Defaults]\nHijriCalendar=civil\n"
                                             "[HijriMonthStarts]\n1448/9=2027-02-09\n"
                                             "[Reminder]\nRamadhan/1=First fast\n");
    const std::vector<ReminderRow> rows =
        BuildReminderRows(profile, ProfileHijriCalendar(profile), dayOf(2027, 1, 1));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].christian, (YearMonthDay{2027, 2, 9}));
    EXPECT_EQ(rows[0].hijri, (YearMonthDay{1448, 9, 1}));
}

std::vector<ProfileChange> recordRamadhan(const CProfileSnapshot &profile)
{
    return RecordMonthStartChanges(profile, {1448, 9, dayOf(2027, 2, 9)});
}

// Each write goes to the file and is read back as a record, never beside
// another spelling of the same month.
TEST_F(MonthStartsProfileTest, RecordingRemovingAndReplacingWriteTheSection)
{
    struct Case {
        const char *name;
        const char *before;
        std::vector<ProfileChange> (*change)(const CProfileSnapshot &);
        const char *after;
    };
    const Case cases[] = {
        {"a first record", "[Reminder]\nRamadhan/1=Fast\n", recordRamadhan,
            "[Reminder]\nRamadhan/1=Fast\n[HijriMonthStarts]\n1448/9=2027-02-09\n"},
        {"in place of another spelling",
            "[HijriMonthStarts]\n1448/09=2027-02-08\n1448/10=2027-03-10\n", recordRamadhan,
            "[HijriMonthStarts]\n1448/10=2027-03-10\n1448/9=2027-02-09\n"},
        {"over the same spelling", "[HijriMonthStarts]\n1448/9=2027-02-08\n1448/10=2027-03-10\n",
            recordRamadhan, "[HijriMonthStarts]\n1448/9=2027-02-09\n1448/10=2027-03-10\n"},
        {"removing every spelling",
            "[HijriMonthStarts]\n1448/9=2027-02-08\n1448/09=bad\n1448/10=2027-03-10\n",
            [](const CProfileSnapshot &p) { return RemoveMonthStartChanges(p, 1448, 9); },
            "[HijriMonthStarts]\n1448/10=2027-03-10\n"},
        {"an import", "[HijriMonthStarts]\n1448/9=2027-02-08\n[Reminder]\nRamadhan/1=Fast\n",
            [](const CProfileSnapshot &) {
                const HijriMonthStart records[] = {
                    {1448, 10, dayOf(2027, 3, 10)}, {1448, 11, dayOf(2027, 4, 8)}};
                return ReplaceMonthStartsChanges(records);
            },
            "[Reminder]\nRamadhan/1=Fast\n[HijriMonthStarts]\n1448/10=2027-03-10\n"
            "1448/11=2027-04-08\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<ProfileChange> changes = c.change(Profile(c.before));
        std::string error;
        ASSERT_TRUE(WriteProfileEntries(File(), changes, error)) << error;
        EXPECT_EQ(ReadBytes(File()), c.after);
    }
}

struct FileCase {
    const char *name;
    const char *text;
    std::vector<HijriMonthStart> records;
    std::vector<int> lines;
    std::vector<std::string> problems;
};

const FileCase kFiles[] = {
    {"the section",
        "[HijriMonthStarts]\r\n; announced\r\n\r\n1448/9=2027-02-09\r\n1448/10=2027-03-10\r\n",
        {{1448, 9, dayOf(2027, 2, 9)}, {1448, 10, dayOf(2027, 3, 10)}}, {4, 5}, {}},
    {"a bare list", "1448/9 = 2027-02-09\n", {{1448, 9, dayOf(2027, 2, 9)}}, {1}, {}},
    {"other sections skipped",
        "[Reminder]\nRamadhan/1=Fast\n[hijrimonthstarts]\n1448/9=2027-02-09\n",
        {{1448, 9, dayOf(2027, 2, 9)}}, {4}, {}},
    {"the same record twice", "1448/9=2027-02-09\n1448/09=2027-02-09\n",
        {{1448, 9, dayOf(2027, 2, 9)}}, {1}, {}},
    {"every bad line",
        "[HijriMonthStarts]\n1448/9 "
        "2027-02-09\n1448/9=2027-02-09\n1448/09=2027-02-10\n1448/14=2027-02-09\n",
        {{1448, 9, dayOf(2027, 2, 9)}}, {3},
        {"line 2: \"1448/9 2027-02-09\" is no record; write YEAR/MONTH=YYYY-MM-DD, for example "
         "1448/9=2027-02-07",
            "line 4: Ramadhan 1448 is given another day on line 3",
            "line 5: Hijri month 14 does not exist; months run from 1 to 12"}},
    {"no record", "[HijriMonthStarts]\n; nothing announced yet\n", {}, {},
        {"no month start in it; write one a line as YEAR/MONTH=YYYY-MM-DD under "
         "[HijriMonthStarts], for example 1448/9=2027-02-07"}},
};

TEST(MonthStartsFile, EveryLineIsCheckedAndEachProblemNamesItsLine)
{
    for (const FileCase &c : kFiles) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> problems;
        const MonthStartsFile file = ReadMonthStartsText(c.text, problems);
        EXPECT_EQ(problems, c.problems);
        EXPECT_EQ(file.records, c.records);
        EXPECT_EQ(file.lines, c.lines);
    }
}

TEST(MonthStartsFile, ARecordTheCalendarRefusesNamesItsLineAndMonth)
{
    std::vector<std::string> problems;
    const MonthStartsFile file = ReadMonthStartsText(
        "[HijriMonthStarts]\n1448/8=2027-01-10\n\n1448/9=2027-02-07\n1448/10=2027-03-10\n",
        problems);
    ASSERT_TRUE(problems.empty());
    EXPECT_EQ(RefusedMonthStartLines(file, CHijriCalendar(HijriRule::Civil, 0)),
        (std::vector<std::string>{
            "line 4: Ramadhan 1448 cannot begin on 7 February 2027: with Sha'ban 1448 recorded as "
            "beginning on 10 January 2027, Sha'ban 1448 would have 28 days, and a month has 29 "
            "or 30"}));
    // The records the calendar held make no difference: the file replaces them.
    const CHijriCalendar recorded =
        CHijriCalendar(HijriRule::Civil, 0).WithMonthStarts({{1448, 8, dayOf(2027, 1, 9)}});
    EXPECT_EQ(RefusedMonthStartLines(file, recorded).size(), 1u);
}

} // namespace

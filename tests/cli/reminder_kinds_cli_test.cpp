// zamanix-reminders with the kinds that are not yearly and with notice:
// what add and remove write, the keys they refuse without writing, and the
// days upcoming lists for each kind.
#include "tests/cli/reminders_cli_fixture.h"

#include <map>
#include <sstream>

namespace {

TEST_F(RemindersCliTest, AOnceDateThatCannotRingIsKeptWithAWarning)
{
    const struct {
        const char *key;
        const char *warning;
    } cases[] = {
        {"March/06/2020",
            "zamanix-reminders: warning: March/06/2020 fell on Friday 6 March 2020, which has "
            "gone by: the reminder is kept, but it will not ring\n"},
        {"Safar/30/1448",
            "zamanix-reminders: warning: Safar/30/1448: Safar 1448 has only 29 days under the "
            "Tabular (civil) calendar; the reminder is kept, and rings only if that month gets "
            "its 30th day\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        WriteProfile("");
        const Outcome run = Start({"--calendar", "civil", "add", c.key, "memo"});
        EXPECT_EQ(run.err, c.warning);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(ReadBytes(Profile()),
            std::string("[MoreReminders]\n") + c.key + "=memo\n[MoreAlarms]\n" + c.key +
                "=08:00 60\n");
    }
}

// The fields of each line of TSV output after the header.
std::vector<std::vector<std::string>> tsvRows(const std::string &text)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');)
            fields.push_back(cell);
        rows.push_back(fields);
    }
    return rows;
}

TEST_F(RemindersCliTest, UpcomingListsEachKindOnItsDates)
{
    // From Monday 7 December 2026 through 7 January 2027, Umm al-Qura.
    WriteProfile("[Defaults]\nHijriCalendar=umalqura\n"
                 "[Reminder]\nJanuary/02=New year's visit\n"
                 "[MoreReminders]\nFriday=Prayer\nHijri/13=Fast\nChristian/31=Accounts\n"
                 "December/25/2026=Once this year\nDecember/25/2027=Once next year\n"
                 "[Notice]\nJanuary/02=4\n");
    const Outcome run = Start({"upcoming", "--days", "31", "--format", "tsv"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::map<std::string, std::vector<std::string>> dates; // key to dates
    enum { Key, Calendar, Date = 5, Weekday, Hijri, Kind = 10, Notice };
    for (const std::vector<std::string> &row : tsvRows(run.out)) {
        ASSERT_EQ(row.size(), 12u);
        SCOPED_TRACE(row[Key] + " " + row[Date]);
        dates[row[Key]].push_back(row[Date]);
        const std::string kind = row[Kind];
        if (row[Key] == "Friday") {
            EXPECT_EQ(kind, "weekly");
            EXPECT_EQ(row[Calendar], "") << "a week has no calendar";
            EXPECT_EQ(row[Weekday], "Friday");
        } else if (row[Key] == "Hijri/13") {
            EXPECT_EQ(kind, "monthly");
            EXPECT_EQ(row[Hijri].substr(8), "13");
        } else if (row[Key] == "January/02") {
            EXPECT_EQ(kind, "yearly");
            EXPECT_EQ(row[Notice], "4");
        } else {
            EXPECT_EQ(kind, row[Key] == "Christian/31" ? "monthly" : "once");
        }
    }
    EXPECT_EQ(dates["Friday"],
        (std::vector<std::string>{"2026-12-11", "2026-12-18", "2026-12-25", "2027-01-01"}));
    EXPECT_EQ(dates["Hijri/13"].size(), 1u);
    EXPECT_EQ(dates["Christian/31"], std::vector<std::string>{"2026-12-31"});
    EXPECT_EQ(dates["December/25/2026"], std::vector<std::string>{"2026-12-25"});
    EXPECT_EQ(dates.count("December/25/2027"), 0u);
    EXPECT_EQ(dates["January/02"], std::vector<std::string>{"2027-01-02"});
}

TEST_F(RemindersCliTest, ListShowsTheKindAndAPastOnceReminderAsPast)
{
    WriteProfile("[MoreReminders]\nMarch/06/2020=Gone by\nFriday=Prayer\n[Notice]\nFriday=2\n");
    const Outcome run = Start({"list"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
        "DATE        DAY  HIJRI          IN  ALARM  EVERY  CALENDAR   KIND                    "
        "KEY            MEMO\n"
        "2026-12-11  Fri  1448-07-02      4  08:00     60  -          weekly, 2 days' notice  "
        "Friday         Prayer\n"
        "2020-03-06  Fri  1441-07-11  -2467  08:00     60  Christian  once                    "
        "March/06/2020  Gone by  (past: its day has gone by)\n");
}

} // namespace

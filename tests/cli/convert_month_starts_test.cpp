// The converter with recorded month starts: from a file (--month-starts) in
// every mode, from the desktop program's profile (--use-settings), and the
// file or record it refuses before printing any date.
#include "convert_fixture.h"

#include <filesystem>
#include <string>

namespace {

// Under Umm al-Qura 1 Ramadhan 1447 is Wednesday 18 February 2026 and
// 1 Shawwal Friday 20 March 2026; the community here began Ramadhan a day
// later.
const char kLateRamadhan[] = "[HijriMonthStarts]\n; as announced\n1447/9=2026-02-19\n";

// 18 February 2026, 12:00 UTC.
const std::string kNow = "ZAMANIX_CONVERT_NOW=1771416000";

class ConvertMonthStartsTest : public ConvertTest {
protected:
    std::string file(const std::string &name, const std::string &text)
    {
        WriteBytes(m_dir + "/" + name, text);
        return m_dir + "/" + name;
    }

    void writeProfile(const std::string &text)
    {
        std::filesystem::create_directories(m_dir + "/config");
        WriteBytes(m_dir + "/config/zamanix.INI", text);
    }
};

TEST_F(ConvertMonthStartsTest, EveryModeFollowsTheRecordsOfTheFile)
{
    const std::string records = file("ramadhan.txt", kLateRamadhan);
    struct Case {
        const char *args;
        const char *input;
        const char *out;
    };
    const Case cases[] = {
        {"2026-02-18 2026-02-19", "",
            "Wednesday 18 February 2026 = 30 Sha'ban 1447\n"
            "Thursday 19 February 2026 = 1 Ramadhan 1447\n"},
        {"--from-hijri 1447-09-01 1447-08-30", "",
            "Thursday 1 Ramadhan 1447 = 19 February 2026\n"
            "Wednesday 30 Sha'ban 1447 = 18 February 2026\n"},
        {"--today --format iso", "", "1447-08-30\n"},
        {"--batch", "2026-02-19\n2026-03-20\n", "1447-09-01\n1447-10-01\n"},
        {"--month 1447-09 --from-hijri", "",
            "Ramadhan 1447 (Hijri: Umm al-Qura, 1 month start recorded)\n"
            "          February 2026 - March 2026\n"
            " Su     Mo     Tu     We     Th     Fr     Sa\n"
            "                             1/19   2/20   3/21\n"
            " 4/22   5/23   6/24   7/25   8/26   9/27  10/28\n"
            "11/1   12/2   13/3   14/4   15/5   16/6   17/7\n"
            "18/8   19/9   20/10  21/11  22/12  23/13  24/14\n"
            "25/15  26/16  27/17  28/18  29/19\n"
            "March 2026 begins on Sunday 11 Ramadhan 1447.\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args);
        expectAnswer(std::string("--calendar umalqura --month-starts '") + records + "' " + c.args,
            c.input, c.out, kNow);
    }
}

TEST_F(ConvertMonthStartsTest, AFileWithAProblemEndsTheRunBeforeAnyDate)
{
    struct Case {
        const char *name, *text;
        const char *err; // after "zamanix-convert: FILE: "
    };
    const Case cases[] = {
        {"three days late", "1447/9=2026-02-21\n",
            "line 1: Ramadhan 1447 cannot begin on 21 February 2026: that is 3 days after its "
            "first day under Umm al-Qura, 18 February 2026, and a recorded start lies at most 2 "
            "days from it"},
        {"Sha'ban of 31 days", "1447/8=2026-01-19\n1447/9=2026-02-19\n",
            "line 2: Ramadhan 1447 cannot begin on 19 February 2026: with Sha'ban 1447 recorded "
            "as beginning on 19 January 2026, Sha'ban 1447 would have 31 days, and a month has "
            "29 or 30"},
        {"a bad line", "[HijriMonthStarts]\n1447/9=19.2.2026\n",
            "line 2: \"19.2.2026\" is not a date; write YYYY-MM-DD, for example 2027-02-07"},
        {"no records", "",
            "no month start in it; write one a line as YEAR/MONTH=YYYY-MM-DD "
            "under [HijriMonthStarts], for example 1448/9=2027-02-07"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string records = file("records.txt", c.text);
        for (const char *mode : {"2026-02-18", "--batch", "--today", "--month 2026-02"}) {
            SCOPED_TRACE(mode);
            const RunResult r =
                run(std::string("--calendar umalqura --month-starts '") + records + "' " + mode,
                    "2026-02-18\n", kNow);
            EXPECT_EQ(r.err, "zamanix-convert: " + records + ": " + c.err + "\n");
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(r.status, 2);
        }
    }
    expectRefusal("--month-starts '" + m_dir + "/none.txt' 2026-02-18",
        "zamanix-convert: cannot read \"" + m_dir + "/none.txt\": No such file or directory");
    expectRefusal("--month-starts '" + m_dir + "' 2026-02-18",
        "zamanix-convert: cannot read \"" + m_dir + "\": it is not a regular file");
}

TEST_F(ConvertMonthStartsTest, UseSettingsTakesTheProfilesRecordsUnlessAFileIsGiven)
{
    writeProfile("[Defaults]\nHijriCalendar=umalqura\n[HijriMonthStarts]\n1447/9=2026-02-17\n");
    const std::string records = file("ramadhan.txt", kLateRamadhan);
    expectAnswer("--use-settings --format iso 2026-02-17", "", "1447-09-01\n");
    expectAnswer("--format iso 2026-02-17", "", "1447-08-29\n"); // scripts: no records
    expectAnswer("--use-settings --month-starts '" + records + "' --format iso 2026-02-18", "",
        "1447-08-30\n");
    // Under another rule the record is judged anew: the tabular Ramadhan
    // begins on 18 February too.
    expectAnswer("--use-settings --calendar civil --format iso 2026-02-17", "", "1447-09-01\n");
}

TEST_F(ConvertMonthStartsTest, ARecordOfTheProfileThatCannotBeKeptIsLeftOutWithAWarning)
{
    writeProfile("[Defaults]\nHijriCalendar=umalqura\n"
                 "[HijriMonthStarts]\n1447/9=2026-02-25\n1447/10=2026-03-20\n");
    const RunResult r = run("--use-settings --format iso 2026-02-18 2026-03-20");
    EXPECT_EQ(r.out, "1447-09-01\n1447-10-01\n");
    EXPECT_EQ(r.err,
        "zamanix-convert: warning: [HijriMonthStarts] 1447/9=2026-02-25 is ignored: Ramadhan "
        "1447 cannot begin on 25 February 2026: that is 7 days after its first day under Umm "
        "al-Qura, 18 February 2026, and a recorded start lies at most 2 days from it\n");
    EXPECT_EQ(r.status, 0);
}

} // namespace

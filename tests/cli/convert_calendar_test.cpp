// The converter under each Hijri rule and adjustment: in every mode, in its
// checks of Hijri dates, and with the desktop program's setting.
#include "convert_fixture.h"

#include <filesystem>
#include <string>

namespace {

struct Case {
    const char *args;
    const char *input; // standard input, for --batch
    const char *out;
};

const Case kModes[] = {
    {"--calendar umalqura 2026-02-18", "", "Wednesday 18 February 2026 = 1 Ramadhan 1447\n"},
    {"--calendar civil 2026-02-18", "", "Wednesday 18 February 2026 = 1 Ramadhan 1447\n"},
    {"--calendar astronomical 2026-02-18", "", "Wednesday 18 February 2026 = 30 Sha'ban 1447\n"},
    {"--calendar=umalqura --adjust=+1 2026-02-17", "",
        "Tuesday 17 February 2026 = 1 Ramadhan 1447\n"},
    {"--adjust -1 --format iso 2026-02-20", "", "1447-09-01\n"},
    {"--calendar umalqura --from-hijri 1447-12-10 1445-01-01", "",
        "Wednesday 10 Thul Hijjah 1447 = 27 May 2026\n"
        "Wednesday 1 Muharram 1445 = 19 July 2023\n"},
    {"--calendar civil --adjust 2 --from-hijri -- -1-12-29", "",
        "Tuesday 29 Thul Hijjah -1 = 13 July 622\n"},
    {"--today --calendar umalqura", "", "Wednesday 18 February 2026 = 1 Ramadhan 1447\n"},
    {"--today --calendar civil --adjust -2 --format iso", "", "1447-08-28\n"},
    {"--batch --calendar umalqura", "2026-02-18\n2026-02-17\n", "1447-09-01\n1447-08-29\n"},
    {"--batch --calendar umalqura --adjust 1 --from-hijri --format text", "1447-09-01\n",
        "Tuesday 1 Ramadhan 1447 = 17 February 2026\n"},
    {"--month 1447-09 --from-hijri --calendar umalqura", "",
        "      Ramadhan 1447 (Hijri: Umm al-Qura)\n"
        "          February 2026 - March 2026\n"
        " Su     Mo     Tu     We     Th     Fr     Sa\n"
        "                      1/18   2/19   3/20   4/21\n"
        " 5/22   6/23   7/24   8/25   9/26  10/27  11/28\n"
        "12/1   13/2   14/3   15/4   16/5   17/6   18/7\n"
        "19/8   20/9   21/10  22/11  23/12  24/13  25/14\n"
        "26/15  27/16  28/17  29/18  30/19\n"
        "March 2026 begins on Sunday 12 Ramadhan 1447.\n"},
    {"--month 2026-02 --calendar civil --adjust -1", "",
        "                 February 2026\n"
        "Sha'ban 1447 - Ramadhan 1447 (Hijri: Tabular (civil), -1 day)\n"
        " Su     Mo     Tu     We     Th     Fr     Sa\n"
        " 1/12   2/13   3/14   4/15   5/16   6/17   7/18\n"
        " 8/19   9/20  10/21  11/22  12/23  13/24  14/25\n"
        "15/26  16/27  17/28  18/29  19/1   20/2   21/3\n"
        "22/4   23/5   24/6   25/7   26/8   27/9   28/10\n"
        "Ramadhan 1447 begins on Thursday 19 February 2026.\n"},
};

// 18 February 2026, 12:00 UTC.
const std::string kNow = "ZAMANIX_CONVERT_NOW=1771416000";

TEST_F(ConvertTest, EveryModeUnderEachRuleAndAdjustment)
{
    for (const Case &c : kModes) {
        SCOPED_TRACE(c.args);
        expectAnswer(c.args, c.input, c.out, kNow);
    }
}

// Thul Qi'dah 1445 has 30 days by the new moons and 29 under Umm al-Qura;
// Thul Hijjah 1445 the other way round.
const RefusalCase kBadCases[] = {
    {"--calendar umalqura --from-hijri 1445-11-30",
        "zamanix-convert: \"1445-11-30\": Thul Qi'dah 1445 (Hijri) has only 29 days"},
    {"--from-hijri 1445-12-30",
        "zamanix-convert: \"1445-12-30\": Thul Hijjah 1445 (Hijri) has only 29 days"},
    {"--calendar lunar 2000-01-01",
        "zamanix-convert: unknown calendar 'lunar'; use astronomical, umalqura or civil"},
    {"--calendar 2000-01-01",
        "zamanix-convert: unknown calendar '2000-01-01'; use astronomical, umalqura or civil"},
    {"--adjust 3 2000-01-01",
        "zamanix-convert: adjustment '3' is not a whole number of days from -2 to 2"},
    {"--adjust 1.5 2000-01-01",
        "zamanix-convert: adjustment '1.5' is not a whole number of days from -2 to 2"},
    {"--use-settings=yes 2000-01-01", "zamanix-convert: option --use-settings takes no value"},
    {"--calendar civil --from-hijri 2452-06-16",
        "zamanix-convert: \"2452-06-16\": Hijri year 2452 lies outside the supported range "
        "(Christian years -4000 to 3000)"},
};

TEST_F(ConvertTest, RefusesWhatTheChosenCalendarDoesNotHave)
{
    for (const RefusalCase &c : kBadCases) {
        SCOPED_TRACE(c.args);
        expectRefusal(c.args, c.err);
    }
    // Each of the two months exists whole under the other rule.
    EXPECT_EQ(run("--from-hijri --format iso 1445-11-30").out, "2024-06-07\n");
    EXPECT_EQ(run("--calendar umalqura --from-hijri --format iso 1445-12-30").out, "2024-07-06\n");
}

class ConvertSettingsTest : public ConvertTest {
protected:
    void writeProfile(const std::string &name, const std::string &text)
    {
        std::filesystem::create_directories(m_dir + "/config");
        std::ofstream(m_dir + "/config/" + name, std::ios::binary) << text;
    }
};

TEST_F(ConvertSettingsTest, UseSettingsTakesTheDesktopProgramsChoice)
{
    const std::string profile =
        "[Reminder]\nRamadhan/"
        "1=Fast\n[Defaults]\nAudio=OFF\nHijriCalendar=umalqura\nHijriAdjust=1\n";
    writeProfile("zamanix.INI", profile);
    // The converter's own name would give this file; it is not the profile.
    writeProfile("zamanix-convert.INI", "[Defaults]\nHijriCalendar=civil\nHijriAdjust=-2\n");
    const Case cases[] = {
        {"--format iso 2026-02-17", "", "1447-08-29\n"}, // scripts: the same everywhere
        {"--use-settings --format iso 2026-02-17", "", "1447-09-01\n"},
        {"--use-settings --adjust 0 --format iso 2026-02-17", "", "1447-08-29\n"},
        {"--calendar astronomical --use-settings --format iso 2026-02-17", "", "1447-08-30\n"},
        {"--use-settings --batch", "2026-02-17\n", "1447-09-01\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args);
        expectAnswer(c.args, c.input, c.out);
    }
    EXPECT_EQ(ReadBytes(m_dir + "/config/zamanix.INI"), profile) << "read, never written";
    EXPECT_FALSE(std::filesystem::exists(m_dir + "/config/zamanix.INI.lock"));
}

TEST_F(ConvertSettingsTest, UnreadableOrMissingSettingsGiveTheDefault)
{
    const Case cases[] = {
        {"[Defaults]\nHijriCalendar=lunar\nHijriAdjust=+2\n", "", "1447-09-02\n"},
        {"[Defaults]\nhijricalendar = CIVIL \nHijriAdjust=5\n", "", "1447-09-01\n"},
        {"[Defaults]\nAudio=ON\n", "", "1447-08-30\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args);
        writeProfile("zamanix.INI", c.args);
        EXPECT_EQ(run("--use-settings --format iso 2026-02-18").out, c.out);
    }
    std::filesystem::remove(m_dir + "/config/zamanix.INI");
    const RunResult none = run("--use-settings --format iso 2026-02-18");
    EXPECT_EQ(none.out, "1447-08-30\n");
    EXPECT_EQ(none.status, 0);
}

} // namespace

// zamanix-reminders run as a user runs it: what it prints, what it writes
// to the profile, and that bad input changes nothing.
#include "tests/cli/reminders_cli_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

const char kProfile[] = "[Defaults]\nHijriCalendar=umalqura\n"
                        "[Reminder]\n"
                        "Ramadhan/1=Fast\n"
                        "December/08=\\\"Dentist\\nbring\tthe card\"\n" // a real tab
                        "April/31=Never\n"
                        "[Alarm]\n"
                        "December/08=07:30 15\n";

TEST_F(RemindersCliTest, ListAndUpcomingAsTextAndTsv)
{
    WriteProfile(kProfile);
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"list"},
            "DATE        DAY  HIJRI       IN  ALARM  EVERY  CALENDAR   KIND    KEY          MEMO\n"
            "2026-12-08  Tue  1448-06-28   1  07:30     15  Christian  yearly  December/08 "
            " Dentist / bring\\x09the card\n"
            "2027-02-08  Mon  1448-09-01  63  08:00     60  Hijri      yearly  Ramadhan/1  "
            " Fast\n"
            "-           -    -            -  08:00     60  Christian  yearly  April/31    "
            " Never  (never falls due: April never has more than 30 days)\n"},
        {{"--adjust", "1", "list", "--format", "tsv"},
            "key\tcalendar\tmemo\talarm\tevery\tdate\tweekday\thijri\tdays\tproblem\tkind\tnotice\n"
            "December/08\tChristian\tDentist\\nbring\\tthe card\t07:30\t15\t2026-12-08\tTuesday\t"
            "1448-06-29\t1\t\tyearly\t0\n"
            "Ramadhan/1\tHijri\tFast\t08:00\t60\t2027-02-07\tSunday\t1448-09-01\t62\t\tyearly\t0\n"
            "April/31\tChristian\tNever\t08:00\t60\t\t\t\t\tApril never has more than 30 days\t"
            "yearly\t0\n"},
        {{"upcoming", "--days", "1", "--format=tsv"},
            "key\tcalendar\tmemo\talarm\tevery\tdate\tweekday\thijri\tdays\tproblem\tkind\tnotice\n"
            "December/08\tChristian\tDentist\\nbring\\tthe card\t07:30\t15\t2026-12-08\tTuesday\t"
            "1448-06-28\t1\t\tyearly\t0\n"},
        {{"upcoming", "--days", "0"},
            "DATE  DAY  HIJRI  IN  ALARM  EVERY  CALENDAR  KIND  KEY  MEMO\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.front());
        const Outcome run = Start(c.args);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.status, 0);
    }
}

// A memo's controls and direction overrides reach the terminal escaped, in
// both forms, and so does a key typed with them.
TEST_F(RemindersCliTest, NoControlReachesTheTerminal)
{
    WriteProfile("[Reminder]\nDecember/08=a\xc2\x9b"
                 "31m b\x9b"
                 "31m \xe2\x80\xae"
                 "evil\n"
                 "[HijriMonthStarts]\n1448/10=\xe2\x80\xae"
                 "2027-07-20\n");
    const std::string shown = "a\\xc2\\x9b31m b\\x9b31m \\xe2\\x80\\xae"
                              "evil";
    const Outcome text = Start({"list"});
    EXPECT_NE(text.out.find("  December/08  " + shown + "\n"), std::string::npos) << text.out;
    EXPECT_NE(text.err.find("1448/10=\\xe2\\x80\\xae2027-07-20"), std::string::npos)
        << "a warning quoting the profile: " << text.err;
    const Outcome tsv = Start({"list", "--format", "tsv"});
    EXPECT_NE(tsv.out.find("December/08\tChristian\t" + shown + "\t"), std::string::npos)
        << tsv.out;
    const Outcome typed = Start({"add",
        "Ram\xe2\x81\xa6"
        "adan/1",
        "x"});
    EXPECT_EQ(typed.err.find('\xe2'), std::string::npos) << typed.err;
    EXPECT_EQ(typed.status, 2);
}

TEST_F(RemindersCliTest, AddAndRemoveWriteWhatTheFormWrites)
{
    // The yearly reminders the steps leave, which the other kinds leave as
    // they are.
    const std::string kYearlyKept = "[Reminder]\nMarch/06=\\\"two\\nlines\"\nFebruary/29=-leap-\n"
                                    "[Alarm]\nMarch/06=08:00 60\nFebruary/29=08:00 60\n";
    const struct {
        std::vector<std::string> args;
        std::string profile; // after the command
    } steps[] = {
        {{"add", "Ramadhan/27", "Visit uncle", "--alarm", "7:30", "--every", "15"},
            "[Reminder]\nRamadhan/27=Visit uncle\n[Alarm]\nRamadhan/27=07:30 15\n"},
        {{"add", "march/06", "two\nlines"},
            "[Reminder]\nRamadhan/27=Visit uncle\nMarch/06=\\\"two\\nlines\"\n"
            "[Alarm]\nRamadhan/27=07:30 15\nMarch/06=08:00 60\n"},
        {{"add", "Ramadhan/27", "Call uncle", "--every", "5"},
            "[Reminder]\nRamadhan/27=Call uncle\nMarch/06=\\\"two\\nlines\"\n"
            "[Alarm]\nRamadhan/27=07:30 5\nMarch/06=08:00 60\n"},
        {{"remove", "RAMADHAN/27"},
            "[Reminder]\nMarch/06=\\\"two\\nlines\"\n[Alarm]\nMarch/06=08:00 60\n"},
        {{"add", "--", "February/29", "-leap-"},
            "[Reminder]\nMarch/06=\\\"two\\nlines\"\nFebruary/29=-leap-\n"
            "[Alarm]\nMarch/06=08:00 60\nFebruary/29=08:00 60\n"},
        // A common transliteration is kept as the table spells the month.
        {{"add", "Dhul Hijjah/10", "Eid"},
            "[Reminder]\nMarch/06=\\\"two\\nlines\"\nFebruary/29=-leap-\nThul Hijjah/10=Eid\n"
            "[Alarm]\nMarch/06=08:00 60\nFebruary/29=08:00 60\nThul Hijjah/10=08:00 60\n"},
        {{"remove", "Dhu al-Hijjah/10"},
            "[Reminder]\nMarch/06=\\\"two\\nlines\"\nFebruary/29=-leap-\n"
            "[Alarm]\nMarch/06=08:00 60\nFebruary/29=08:00 60\n"},
        // The other kinds, with notice, beside the yearly ones.
        {{"add", "friday", "Prayer", "--alarm", "12:30", "--every", "15", "--notice", "1"},
            kYearlyKept +
                "[MoreReminders]\nFriday=Prayer\n[MoreAlarms]\nFriday=12:30 "
                "15\n[Notice]\nFriday=1\n"},
        {{"add", "hijri/05", "Fast"},
            kYearlyKept +
                "[MoreReminders]\nFriday=Prayer\nHijri/5=Fast\n[MoreAlarms]\nFriday=12:30 15\n"
                "Hijri/5=08:00 60\n[Notice]\nFriday=1\n"},
        {{"add", "Ramadan/27/1448", "Engagement", "--notice", "3"},
            kYearlyKept +
                "[MoreReminders]\nFriday=Prayer\nHijri/5=Fast\nRamadhan/27/1448=Engagement\n"
                "[MoreAlarms]\nFriday=12:30 15\nHijri/5=08:00 60\nRamadhan/27/1448=08:00 60\n"
                "[Notice]\nFriday=1\nRamadhan/27/1448=3\n"},
        {{"add", "Friday", "Friday prayer", "--notice", "0"},
            kYearlyKept +
                "[MoreReminders]\nFriday=Friday prayer\nHijri/5=Fast\nRamadhan/27/1448=Engagement\n"
                "[MoreAlarms]\nFriday=12:30 15\nHijri/5=08:00 60\nRamadhan/27/1448=08:00 60\n"
                "[Notice]\nRamadhan/27/1448=3\n"},
        {{"remove", "Hijri/05"},
            kYearlyKept +
                "[MoreReminders]\nFriday=Friday prayer\nRamadhan/27/1448=Engagement\n"
                "[MoreAlarms]\nFriday=12:30 15\nRamadhan/27/1448=08:00 60\n"
                "[Notice]\nRamadhan/27/1448=3\n"},
        {{"remove", "Ramadhan/27/1448"},
            kYearlyKept +
                "[MoreReminders]\nFriday=Friday prayer\n[MoreAlarms]\nFriday=12:30 15\n[Notice]\n"},
        {{"add", "March/06", "Dentist", "--notice", "2"},
            "[Reminder]\nMarch/06=Dentist\nFebruary/29=-leap-\n[Alarm]\nMarch/06=08:00 60\n"
            "February/29=08:00 60\n[MoreReminders]\nFriday=Friday prayer\n[MoreAlarms]\n"
            "Friday=12:30 15\n[Notice]\nMarch/06=2\n"},
        {{"remove", "march/06"},
            "[Reminder]\nFebruary/29=-leap-\n[Alarm]\nFebruary/29=08:00 60\n[MoreReminders]\n"
            "Friday=Friday prayer\n[MoreAlarms]\nFriday=12:30 15\n[Notice]\n"},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.args[1]);
        const Outcome run = Start(step.args);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(ReadBytes(Profile()), step.profile);
    }
}

TEST_F(RemindersCliTest, BadInputIsRefusedAndNothingWritten)
{
    const struct {
        std::vector<std::string> args;
        const char *err; // the first line
    } cases[] = {
        {{"add", "April/31", "x"},
            "zamanix-reminders: cannot add \"April/31\": April never has more than 30 days"},
        {{"add", "Ramadam/1", "x"},
            "zamanix-reminders: cannot add \"Ramadam/1\": \"Ramadam\" is "
            "neither a Hijri nor a Christian month; did you mean Ramadhan?"},
        {{"add", "Jumada/1", "x"},
            "zamanix-reminders: cannot add \"Jumada/1\": \"Jumada\" is neither a Hijri nor a "
            "Christian month; did you mean Jumada al-awwal or Jumada al-Thani?"},
        {{"add", "Ramadhan/005", "x"},
            "zamanix-reminders: cannot add \"Ramadhan/005\": \"005\" is "
            "not a day: write 1 to 31, or 01 to 09"},
        {{"add", "Ramadhan/1", ""},
            "zamanix-reminders: the memo is empty; an empty memo never "
            "rings (use remove to delete a reminder)"},
        {{"add", "Ramadhan/1", "x", "--alarm", "24:00"},
            "zamanix-reminders: --alarm takes a time from 00:00 to 23:59, not '24:00'"},
        {{"add", "Ramadhan/1", "x", "--every", "721"},
            "zamanix-reminders: --every takes a number of minutes from 0 to 720, not '721'"},
        {{"add", "Ramadhan/1"}, "zamanix-reminders: add takes a KEY and a MEMO"},
        {{"remove", "Shawwal/1"},
            "zamanix-reminders: there is no reminder \"Shawwal/1\" in PROFILE"},
        {{"list", "--alarm", "7:00"},
            "zamanix-reminders: option --alarm does not apply to this command"},
        {{"frobnicate"},
            "zamanix-reminders: unknown command 'frobnicate'; use list, upcoming, "
            "add, remove, export or publish"},
        {{},
            "zamanix-reminders: no command given; use list, upcoming, add, remove, export or "
            "publish"},
        {{"--format", "xml", "list"}, "zamanix-reminders: unknown format 'xml'; use text or tsv"},
        {{"upcoming", "--days", "-1"},
            "zamanix-reminders: --days takes a number of days from 0 to 36525, not '-1'"},
        {{"--calendar", "lunar", "list"},
            "zamanix-reminders: unknown calendar 'lunar'; use astronomical, umalqura or civil"},
        {{"export", "--from", "2023-02-29"},
            "zamanix-reminders: --from \"2023-02-29\": February 2023 has only 28 days"},
        {{"export", "--from", "0-01-01"},
            "zamanix-reminders: --from \"0-01-01\": there is no year 0; the year before 1 is -1"},
        {{"export", "--from", "soon"},
            "zamanix-reminders: --from \"soon\" is not a date; write YEAR-MONTH-DAY, for "
            "example 2000-01-31"},
        {{"export", "--years", "0"},
            "zamanix-reminders: --years takes a number of years from 1 to 100, not '0'"},
        {{"--calendar", "astronomical", "export", "--rscale"},
            "zamanix-reminders: cannot export repeating events: the astronomical Hijri calendar "
            "follows computed new moons, which no RSCALE calendar describes; export without "
            "--rscale lists every day a reminder falls due instead"},
        {{"--adjust", "1", "export", "--rscale"},
            "zamanix-reminders: cannot export repeating events: the Hijri calendar is adjusted "
            "(Umm al-Qura, +1 day), which no RSCALE calendar describes; export without --rscale "
            "lists every day a reminder falls due instead"},
        {{"export", "--rscale", "--years", "2"},
            "zamanix-reminders: --years does not apply to export --rscale: its events repeat "
            "without end"},
        {{"export", "--rscale=yes"}, "zamanix-reminders: option --rscale takes no value"},
        {{"list", "--rscale"}, "zamanix-reminders: option --rscale does not apply to this command"},
        // Keys of the other kinds.
        {{"add", "Hijri/31", "x"},
            "zamanix-reminders: cannot add \"Hijri/31\": a Hijri month never has more than 30 "
            "days"},
        {{"add", "Ramadhan/31/1448", "x"},
            "zamanix-reminders: cannot add \"Ramadhan/31/1448\": Ramadhan never has more than 30 "
            "days"},
        {{"add", "Fryday", "x"},
            "zamanix-reminders: cannot add \"Fryday\": \"Fryday\" is neither a weekday nor a month "
            "and a day: write Friday, Hijri/13, Ramadhan/27 or Ramadhan/27/1448"},
        {{"add", "March/06/3001", "x"},
            "zamanix-reminders: cannot add \"March/06/3001\": the year 3001 lies outside the "
            "supported years, -4000 to 3000"},
        {{"add", "Ramadhan/1/3000", "x"},
            "zamanix-reminders: cannot add \"Ramadhan/1/3000\": 1 Ramadhan 3000 lies outside the "
            "days Zamanix supports, 1 January -4000 to 31 December 3000"},
        {{"add", "February/29/2027", "x"},
            "zamanix-reminders: cannot add \"February/29/2027\": February 2027 has only 28 days"},
        {{"add", "Ramadam/1/1448", "x"},
            "zamanix-reminders: cannot add \"Ramadam/1/1448\": \"Ramadam\" is neither a Hijri nor "
            "a Christian month; did you mean Ramadhan?"},
        {{"add", "Christian/1", ""},
            "zamanix-reminders: the memo is empty; an empty memo never rings (use remove to delete "
            "a reminder)"},
        {{"add", "Friday", "x", "--notice", "31"},
            "zamanix-reminders: --notice takes a number of days from 0 to 30, not '31'"},
        {{"remove", "Saturday"}, "zamanix-reminders: there is no reminder \"Saturday\" in PROFILE"},
        {{"export", "-o", "/nonexistent/folder/r.ics"},
            "zamanix-reminders: cannot create \"/nonexistent/folder/r.ics.new\": No such file or "
            "directory"},
    };
    WriteProfile(kProfile);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.err);
        const Outcome run = Start(c.args);
        std::string expected = c.err;
        if (const auto at = expected.find("PROFILE"); at != std::string::npos)
            expected.replace(at, 7, Profile().string());
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), expected);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(ReadBytes(Profile()), kProfile);
    }
}

TEST_F(RemindersCliTest, TheProfileItUsesAndOneItCannotRead)
{
    std::filesystem::create_directories(m_folder / "config");
    std::ofstream(m_folder / "config" / "zamanix.INI") << "[Reminder]\nMarch/06=x\n";
    const std::string config = "XDG_CONFIG_HOME=" + (m_folder / "config").string();
    Outcome run = Start({"list", "--format", "tsv"}, {config}, false);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("March/06\tChristian\tx\t"), std::string::npos) << run.out;

    run = Start({"list"}, {}, false);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("zamanix-reminders: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("HOME"), std::string::npos) << run.err;

    std::filesystem::create_directories(Profile());
    run = Start({"list"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err,
        "zamanix-reminders: cannot read \"" + Profile().string() +
            "\": it is not a regular file\n");
}

TEST_F(RemindersCliTest, ExportWritesTheFileWhole)
{
    WriteProfile(kProfile);
    const std::filesystem::path file = m_folder / "r.ics";
    std::ofstream(file) << "an older export";
    const Outcome run = Start({"export", "--years", "1", "-o", file.string()}, {"TZ=Asia/Riyadh"});
    EXPECT_EQ(run.status, 0);
    const std::string text = ReadBytes(file);
    EXPECT_EQ(text.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
    EXPECT_NE(text.find("DTSTART;TZID=Asia/Riyadh:20261208T073000\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 15), "END:VCALENDAR\r\n");
    EXPECT_EQ(Start({"export", "--years", "1"}, {"TZ=Asia/Riyadh"}).out, text);
}

TEST_F(RemindersCliTest, ExportRscaleWritesARepeatingEventPerReminder)
{
    WriteProfile(kProfile);
    const Outcome run = Start({"export", "--rscale", "--from", "2027-01-01"}, {"TZ=Asia/Riyadh"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    for (const char *line : {"RRULE:RSCALE=ISLAMIC-UMALQURA;FREQ=YEARLY;BYMONTHDAY=1;BYMONTH=9\r\n",
             "DTSTART;TZID=Asia/Riyadh:20270208T080000\r\n",
             "RRULE:FREQ=YEARLY;BYMONTHDAY=8;BYMONTH=12\r\n",
             "DTSTART;TZID=Asia/Riyadh:20271208T073000\r\n"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    EXPECT_EQ(run.out.find("April/31"), std::string::npos);
}

// Whatever name or link leads to the profile (the one in use, or the
// desktop program's) or to its lock or backup, the export writes nothing
// there.
TEST_F(RemindersCliTest, ExportNeverWritesTheProfile)
{
    WriteProfile(kProfile);
    std::filesystem::create_directories(m_folder / "config");
    const std::filesystem::path desktop = m_folder / "config" / "zamanix.INI";
    WriteBytes(desktop, kProfile);
    std::filesystem::create_symlink(Profile(), m_folder / "reminders.ics");
    const std::string config = "XDG_CONFIG_HOME=" + (m_folder / "config").string();
    for (const std::filesystem::path &target : {Profile(), m_folder / "reminders.ics",
             m_folder / "zamanix.INI.lock", m_folder / "zamanix.INI.bak", desktop}) {
        SCOPED_TRACE(target.string());
        const Outcome run = Start({"export", "-o", target.string()}, {config});
        EXPECT_EQ(
            run.err.rfind("zamanix-reminders: cannot write \"" + target.string() + "\": it is ", 0),
            0u)
            << run.err;
        EXPECT_NE(run.err.find("which holds the reminders and settings"), std::string::npos);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(ReadBytes(Profile()), kProfile);
        EXPECT_EQ(ReadBytes(desktop), kProfile);
    }
    EXPECT_FALSE(std::filesystem::exists(m_folder / "zamanix.INI.lock"));
    EXPECT_FALSE(std::filesystem::exists(m_folder / "zamanix.INI.bak"));
}

// Standard output by name, a link's target, and a pipe written as a stream.
TEST_F(RemindersCliTest, ExportWritesWhereTheNameLeads)
{
    WriteProfile(kProfile);
    const std::string expected = Start({"export", "--years", "1"}).out;
    ASSERT_EQ(expected.rfind("BEGIN:VCALENDAR", 0), 0u);
    std::filesystem::create_symlink("shared/r.ics", m_folder / "link.ics");
    std::filesystem::create_directories(m_folder / "shared");
    const std::string link = (m_folder / "link.ics").string();
    for (const std::string &name : {std::string("-"), std::string("/dev/stdout"), link}) {
        SCOPED_TRACE(name);
        const Outcome run = Start({"export", "--years", "1", "-o", name});
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(name == link ? ReadBytes(m_folder / "shared" / "r.ics") : run.out, expected);
    }
    EXPECT_TRUE(std::filesystem::is_symlink(m_folder / "link.ics"));

    const std::filesystem::path fifo = m_folder / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string read;
    std::thread reader([&] { read = ReadBytes(fifo); });
    const Outcome run = Start({"export", "--years", "1", "-o", fifo.string()});
    reader.join();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(read, expected) << "the reader waiting on the pipe gets the export";
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

// A clock far beyond the supported years is held to them: every command
// still answers.
TEST_F(RemindersCliTest, AClockBeyondTheSupportedYears)
{
    WriteProfile(kProfile);
    for (const char *now : {"9223372036854775807", "-9223372036854775808"}) {
        for (const char *command : {"list", "upcoming", "export"}) {
            SCOPED_TRACE(std::string(now) + " " + command);
            const Outcome run = Start({command}, {std::string("ZAMANIX_REMINDERS_NOW=") + now});
            EXPECT_EQ(run.err, "");
            EXPECT_EQ(run.status, 0);
        }
    }
}

// Under Umm al-Qura 1 Ramadhan 1448 is Monday 8 February 2027; the profile
// records it a day later, and a Shawwal that cannot be kept.
TEST_F(RemindersCliTest, ListUpcomingAndExportFollowTheRecordedMonthStarts)
{
    WriteProfile(
        std::string(kProfile) + "[HijriMonthStarts]\n1448/9=2027-02-09\n1448/10=2027-07-20\n");
    const std::string warning = "zamanix-reminders: warning: [HijriMonthStarts] "
                                "1448/10=2027-07-20 is ignored: Shawwal 1448 cannot begin on "
                                "20 July 2027: ";
    const struct {
        std::vector<std::string> args;
        const char *day; // of Ramadhan/1 in the output
    } cases[] = {
        {{"list"}, "2027-02-09  Tue  1448-09-01  64"},
        {{"upcoming", "--days", "70", "--format", "tsv"}, "2027-02-09\tTuesday\t1448-09-01\t64"},
        {{"export", "--years", "1"}, "DTSTART:20270209T080000Z"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.front());
        const Outcome run = Start(c.args);
        EXPECT_NE(run.out.find(c.day), std::string::npos) << run.out;
        EXPECT_EQ(run.err.rfind(warning, 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.status, 0);
    }
}

} // namespace

namespace {

TEST_F(RemindersCliTest, HelpAndVersionAnswerWithoutAProfile)
{
    const Outcome help = Start({"--help"}, {}, false);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage:\n", 0), 0u);
    for (const char *command : {" list", " upcoming", " add KEY MEMO", " remove KEY", " export",
             " export --rscale", " publish [--url URL]"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    const Outcome version = Start({"--version"}, {}, false);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("zamanix-reminders ", 0), 0u);
}

} // namespace

// The command-line programs in the user's language: their messages and help
// speak it, the month names it gives are read in keys, and what they write
// for other programs (the iso and batch forms, the lists, the iCalendar file,
// the profile) is the same bytes in every language.
#include "tests/cli/program_run.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

constexpr const char *kNow = "1796644800"; // Monday 7 December 2026, 12:00 UTC

const char kProfile[] = "[Defaults]\nHijriCalendar=umalqura\n"
                        "[Reminder]\nRamadhan/1=Fast\nDecember/08=Dentist\nApril/31=Never\n"
                        "[Alarm]\nDecember/08=07:30 15\n";

class LanguageCliTest : public testing::Test {
protected:
    std::filesystem::path Profile() const { return m_folder / "zamanix.INI"; }

    // A program of the build under the desktop variables given, with the
    // reminders of kProfile unless a test wrote others.
    ProgramOutcome Run(const std::string &program, std::vector<std::string> args,
        std::vector<std::string> desktop, const std::string &input = {})
    {
        if (program == "zamanix-reminders")
            args.insert(args.begin(), {"--profile", Profile().string()});
        args.insert(args.begin(), ZAMANIX_BINARY_DIR "/" + program);
        desktop.insert(desktop.end(),
            {"TZ=UTC", std::string("ZAMANIX_REMINDERS_NOW=") + kNow,
                std::string("ZAMANIX_CONVERT_NOW=") + kNow});
        if (input.empty())
            return RunProgram(args, desktop, m_folder.Path());
        std::ofstream(m_folder / "in") << input;
        std::vector<std::string> shell = {"/bin/sh", "-c", "exec \"$0\" \"$@\" < \"$IN\""};
        shell.insert(shell.end(), args.begin(), args.end());
        desktop.push_back("IN=" + (m_folder / "in").string());
        return RunProgram(shell, desktop, m_folder.Path());
    }

    void SetUp() override { std::ofstream(Profile(), std::ios::binary) << kProfile; }

    CTempFolder m_folder;
};

const std::vector<std::vector<std::string>> kDesktops = {{"LANG=ar_SA.UTF-8"}, {"LANG=fa_IR.UTF-8"},
    {"LANG=ur_PK.UTF-8"}, {"LC_ALL=tr_TR.UTF-8"}, {"LANGUAGE=fr:ar", "LANG=ar_SA.UTF-8"},
    {"LANG=ms_MY.UTF-8"}, {"LANG=id_ID.UTF-8"}};

std::string named(const std::vector<std::string> &desktop)
{
    std::string name;
    for (const std::string &variable : desktop)
        name += variable + " ";
    return name;
}

TEST_F(LanguageCliTest, WhatOtherProgramsReadIsTheSameInEveryLanguage)
{
    const struct {
        const char *program;
        std::vector<std::string> args;
        std::string input;
    } runs[] = {
        {"zamanix-convert", {"--format", "iso", "2000-01-01"}, ""},
        {"zamanix-convert", {"--batch"}, "2000-01-01\n2023-02-29\nnonsense\n1582-10-10\n"},
        {"zamanix-convert", {"--batch", "--from-hijri", "--format", "text"},
            "1447-09-30\n1447-09-01\n"},
        {"zamanix-reminders", {"list", "--format", "tsv"}, ""},
        {"zamanix-reminders", {"list"}, ""},
        {"zamanix-reminders", {"upcoming", "--days", "90"}, ""},
        {"zamanix-reminders", {"export", "--years", "1"}, ""},
        {"zamanix-reminders", {"export", "--rscale"}, ""},
    };
    for (const auto &run : runs) {
        SCOPED_TRACE(run.args.front());
        const ProgramOutcome english = Run(run.program, run.args, {"LANG=C.UTF-8"}, run.input);
        ASSERT_FALSE(english.out.empty());
        for (const std::vector<std::string> &desktop : kDesktops) {
            SCOPED_TRACE(named(desktop));
            const ProgramOutcome other = Run(run.program, run.args, desktop, run.input);
            EXPECT_EQ(other.out, english.out);
            EXPECT_EQ(other.status, english.status);
        }
    }
}

TEST_F(LanguageCliTest, MessagesAndHelpSpeakTheDesktopsLanguage)
{
    const struct {
        const char *name, *program;
        std::vector<std::string> args, desktop;
        std::string said; // what standard error, or the help, holds
    } cases[] = {
        {"Arabic, with CLDR's month name", "zamanix-convert", {"2023-02-29"}, {"LANG=ar_SA.UTF-8"},
            "zamanix-convert: \"2023-02-29\": ليس في فبراير 2023 إلا 28 يومًا"},
        {"Urdu, a Hijri month", "zamanix-convert", {"--from-hijri", "1447-09-31"},
            {"LANG=ur_PK.UTF-8"}, "رمضان 1447 (ہجری) میں صرف 29 دن ہیں"},
        {"French first in LANGUAGE", "zamanix-convert", {"--calendar", "lunar", "1"},
            {"LANGUAGE=fr:ar", "LANG=ar_SA.UTF-8"}, "utilisez astronomical, umalqura ou civil"},
        {"Turkish", "zamanix-reminders", {"add", "Ramadam/1", "x"}, {"LANG=tr_TR.UTF-8"},
            "Ramadhan mi demek istediniz?"},
        {"Persian help", "zamanix-reminders", {"--help"}, {"LANG=fa_IR.UTF-8"}, "طرز استفاده:"},
        {"Malay help", "zamanix-convert", {"--help"}, {"LANG=ms_MY.UTF-8"}, "Penggunaan:"},
        {"an unshipped language stays English", "zamanix-convert", {"2023-02-29"},
            {"LANG=de_DE.UTF-8"}, "February 2023 has only 28 days"},
        {"LANGUAGE counts for nothing in the C locale", "zamanix-convert", {"2023-02-29"},
            {"LANGUAGE=ar", "LC_ALL=C"}, "February 2023 has only 28 days"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramOutcome run = Run(c.program, c.args, c.desktop);
        EXPECT_NE((run.err + run.out).find(c.said), std::string::npos) << run.err << run.out;
    }
}

TEST_F(LanguageCliTest, KeysTakeTheLanguagesMonthNamesAndDigitsAndStoreEnglish)
{
    const struct {
        const char *name;
        std::vector<std::string> desktop;
        const char *typed, *stored;
    } cases[] = {
        {"Arabic name, Arabic-Indic digits", {"LANG=ar_SA.UTF-8"}, "رمضان/٢٧", "Ramadhan/27"},
        {"Persian name, Persian digits", {"LANG=fa_IR.UTF-8"}, "ذیحجه/۱۰", "Thul Hijjah/10"},
        {"Turkish name", {"LANG=tr_TR.UTF-8"}, "Şevval/1", "Shawwal/1"},
        {"French Christian month", {"LANG=fr_FR.UTF-8"}, "mars/06", "March/06"},
        {"English under Arabic", {"LANG=ar_SA.UTF-8"}, "Ramadan/5", "Ramadhan/5"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::ofstream(Profile(), std::ios::binary) << "";
        ASSERT_EQ(Run("zamanix-reminders", {"add", c.typed, "Memo"}, c.desktop).status, 0);
        const std::string local = ReadBytes(Profile());
        std::ofstream(Profile(), std::ios::binary) << "";
        ASSERT_EQ(Run("zamanix-reminders", {"add", c.stored, "Memo"}, {"LANG=C"}).status, 0);
        EXPECT_EQ(local, ReadBytes(Profile())) << "the same bytes as the English key";
        ASSERT_EQ(Run("zamanix-reminders", {"remove", c.typed}, c.desktop).status, 0);
        EXPECT_EQ(ReadBytes(Profile()).find(c.stored), std::string::npos);
    }
}

} // namespace

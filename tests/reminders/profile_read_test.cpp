// Reading entries with the private-profile rules, from whatever the file
// holds: one at a time, and many from one snapshot.
#include "reminders/profile.h"
#include "reminders/profile_snapshot.h"
#include "reminders/profile_text.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <random>
#include <sys/stat.h>

namespace {

struct ReadCase {
    const char *name;
    std::string text;
    const char *section;
    const char *entry;
    const char *defaultValue;
    std::string expected;
};

const ReadCase kReadCases[] = {
    {"names match regardless of case", "[reminder]\nRAMADHAN/27=Fast\n", "Reminder", "ramadhan/27",
        "", "Fast"},
    {"blanks around names and value", " [ Reminder ] \n\t Ramadhan/27 \t=\v Fast day \n",
        "Reminder", "Ramadhan/27", "", "Fast day"},
    {"blanks around the asked names", "[R]\nk=1\n", " R\t", " k ", "", "1"},
    {"double quotes dropped, blanks inside kept", "[R]\nk=\"  a b  \"\n", "R", "k", "", "  a b  "},
    {"single quotes dropped", "[R]\nk='x'\n", "R", "k", "", "x"},
    {"unmatched quotes kept", "[R]\nk=\"x'\n", "R", "k", "", "\"x'"},
    {"one pair dropped only", "[R]\nk=\"\"x\"\"\n", "R", "k", "", "\"x\""},
    {"quotes in entry names kept", "[R]\n\"k\"=1\n", "R", "k", "none", "none"},
    {"comment line", "[R]\n  ;k=1\nk=2\n", "R", "k", "", "2"},
    {"semicolon inside a value", "[R]\nk=a ; b\n", "R", "k", "", "a ; b"},
    {"hash starts no comment", "[R]\n#k=1\n", "R", "#k", "", "1"},
    {"line without = is no entry", "[R]\nk\nk=2\n", "R", "k", "", "2"},
    {"first entry of a name wins", "[R]\nk=1\nK=2\n", "R", "k", "", "1"},
    {"first section of a name wins", "[R]\nk=1\n[r]\nj=2\n", "R", "j", "none", "none"},
    {"entries before any section", "k=1\n[R]\n", "R", "k", "none", "none"},
    {"text after ] ignored", "[R] x=y\nk=1\n", "R", "k", "", "1"},
    {"missing ] still names the section", "[R\nk=1\n", "R", "k", "", "1"},
    {"CRLF line ends", "[R]\r\nk=1\r\nj=2\r\n", "R", "k", "", "1"},
    {"CR line ends", "[R]\rk=1\rj=2", "R", "j", "", "2"},
    {"byte order mark", "\xEF\xBB\xBF[R]\nk=1\n", "R", "k", "", "1"},
    {"missing section", "[R]\nk=1\n", "S", "k", "08:00 60", "08:00 60"},
    {"missing entry", "[R]\nk=1\n", "R", "j", "ON", "ON"},
    {"empty value is no missing entry", "[R]\nk=\n", "R", "k", "08:00 60", ""},
    {"trailing spaces of the default dropped", "", "R", "k", "ON  ", "ON"},
    {"trailing tab of the default kept", "", "R", "k", "ON\t", "ON\t"},
    {"escaped line breaks", "[R]\nk=\\\"a\\nb\\r\\\\n\"\n", "R", "k", "", "a\nb\r\\n"},
    {"unknown escapes kept", "[R]\nk=\\\"a\\tb\\\"\n", "R", "k", "", "a\\tb\\"},
    {"value longer than 4095 read whole", "[R]\nk=" + std::string(10000, 'm'), "R", "k", "",
        std::string(10000, 'm')},
    {"NUL byte inside a value", std::string("[R]\nk=a\0b\n", 9), "R", "k", "",
        std::string("a\0b", 3)},
    {"10 MB line before the section", std::string(10'000'000, 'x') + "\n[R]\nk=1\n", "R", "k", "",
        "1"},
    {"a million CRs before an LF", std::string(1'000'000, '\r') + "\n[R]\nk=1\n", "R", "k", "",
        "1"},
};

TEST(ReadProfileEntry, Rules)
{
    CTempFolder folder;
    for (const ReadCase &c : kReadCases) {
        SCOPED_TRACE(c.name);
        WriteBytes(folder / "p.INI", c.text);
        EXPECT_EQ(
            ReadProfileEntry(folder / "p.INI", c.section, c.entry, c.defaultValue), c.expected);
        // A single read walks the text; a snapshot looks it up in an index.
        EXPECT_EQ(CProfileIndex(c.text).Find(c.section, c.entry),
            FindStoredValue(c.text, c.section, c.entry));
        EXPECT_EQ(
            CProfileSnapshot(folder / "p.INI").Get(c.section, c.entry, c.defaultValue), c.expected);
        EXPECT_EQ(FindProfileEntry(folder / "p.INI", c.section, c.entry).value_or("<absent>"),
            ReadProfileEntry(folder / "p.INI", c.section, c.entry, "<absent>"));
    }
}

TEST(ReadProfileEntry, NoUsableFileGivesTheDefault)
{
    CTempFolder folder;
    std::filesystem::create_directory(folder / "folder.INI");
    ASSERT_EQ(::mkfifo((folder / "fifo.INI").c_str(), 0600), 0);
    std::string garbage(1 << 20, '\0');
    std::mt19937 random(7);
    for (char &c : garbage)
        c = static_cast<char>(random());
    WriteBytes(folder / "garbage.INI", garbage);
    for (const char *name : {"missing.INI", "folder.INI", "fifo.INI", "garbage.INI"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ReadProfileEntry(folder / name, "Alarm", "Ramadhan/27", "08:00 60"), "08:00 60");
        EXPECT_EQ(FindProfileEntry(folder / name, "Alarm", "Ramadhan/27"), std::nullopt);
        CProfileSnapshot snapshot(folder / name);
        EXPECT_EQ(snapshot.Find("Alarm", "Ramadhan/27"), std::nullopt);
        EXPECT_FALSE(snapshot.Refresh()) << "nothing changed";
    }
}

// Another program changes the file between two reads: the second read sees
// the change however it was made, even when the file keeps its size and
// modification time, and however soon after the first read it comes.
TEST(ReadProfileEntry, SeesChangesByOtherPrograms)
{
    CTempFolder folder;
    const std::filesystem::path file = folder / "p.INI";
    struct stat before;
    const auto keepTimes = [&] {
        const timespec times[2] = {before.st_atim, before.st_mtim};
        ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    };
    struct Change {
        const char *name;
        std::function<void()> make;
        const char *expected;
    };
    const Change changes[] = {
        {"in place, same size and times",
            [&] {
                std::fstream(file, std::ios::in | std::ios::out).seekp(6) << '2';
                keepTimes();
            },
            "2"},
        {"renamed over it, same size and times",
            [&] {
                WriteBytes(folder / "new", "[R]\nk=3\n");
                std::filesystem::rename(folder / "new", file);
                keepTimes();
            },
            "3"},
        {"removed", [&] { std::filesystem::remove(file); }, "gone"},
    };
    WriteBytes(file, "[R]\nk=1\n");
    const char *last = "1";
    for (const Change &change : changes) {
        SCOPED_TRACE(change.name);
        ASSERT_EQ(ReadProfileEntry(file, "R", "k", "gone"), last);
        ASSERT_EQ(::stat(file.c_str(), &before), 0);
        change.make();
        EXPECT_EQ(ReadProfileEntry(file, "R", "k", "gone"), change.expected);
        last = change.expected;
    }
}

} // namespace

// Writing entries: the exact bytes written, values that read back exactly,
// and failures that are reported and leave the file as it was.
#include "reminders/profile.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sys/stat.h>

namespace {

struct WriteCase {
    const char *name;
    const char *before; // nullptr: no file yet
    const char *section;
    const char *entry;
    std::optional<std::string> value; // none: remove the entry
    const char *after;
};

const WriteCase kWriteCases[] = {
    {"new file", nullptr, "Reminder", "Ramadhan/27", "Fast", "[Reminder]\nRamadhan/27=Fast\n"},
    {"replaced in place, spelling and the rest kept",
        "; mine\n[reminder]\n  RAMADHAN/27 = old \n# note\n[Recent File List]\nFile1=/a b\n",
        "Reminder", "Ramadhan/27", "new",
        "; mine\n[reminder]\nRAMADHAN/27=new\n# note\n[Recent File List]\nFile1=/a b\n"},
    {"new entry after the last entry of its section", "top\n[R]\na=1\n\n; c\n[S]\nx=1\n", "r", "b",
        "2", "top\n[R]\na=1\nb=2\n\n; c\n[S]\nx=1\n"},
    {"new entry in a section without entries", "[R]\n[S]\n", "R", "b", "2", "[R]\nb=2\n[S]\n"},
    {"new section at the end, line ends as in the file", "[R]\r\na=1\r\n", "S", "k", "v",
        "[R]\r\na=1\r\n[S]\r\nk=v\r\n"},
    {"CR line ends, the last one too", "[R]\rk=1\r", "R", "j", "2", "[R]\rk=1\rj=2\r"},
    {"CR line ends, the last one removed", "[R]\rj=2\rk=1\r", "R", "k", std::nullopt, "[R]\rj=2\r"},
    {"last line without its line end", "[R]\na=1", "R", "b", "2", "[R]\na=1\nb=2\n"},
    {"into the first of two sections of a name", "[R]\na=1\n[R]\nb=2\n", "R", "b", "3",
        "[R]\na=1\nb=3\n[R]\nb=2\n"},
    {"removed, the section's line stays", "[R]\na=1\nb=2\n", "R", "a", std::nullopt, "[R]\nb=2\n"},
    {"removed with its shadowed duplicates", "[R]\na=1\nA=2\n[S]\na=3\n", "R", "a", std::nullopt,
        "[R]\n[S]\na=3\n"},
    {"removing a missing entry", "[R]\na=1\n", "R", "b", std::nullopt, "[R]\na=1\n"},
    {"empty value", "[R]\n", "R", "k", "", "[R]\nk=\n"},
    {"ordinary value as it is", "[R]\n", "R", "k", "a \"b\" C:\\d\\ ;'",
        "[R]\nk=a \"b\" C:\\d\\ ;'\n"},
    {"blanks at the ends quoted", "[R]\n", "R", "k", " padded\t", "[R]\nk=\" padded\t\"\n"},
    {"value in quotes quoted", "[R]\n", "R", "k", "'q'", "[R]\nk=\"'q'\"\n"},
    {"value like the escaped form quoted", "[R]\n", "R", "k", "\\\"x\"", "[R]\nk=\"\\\"x\"\"\n"},
    {"line breaks escaped", "[R]\n", "R", "k", "a\\\nb\r\n", "[R]\nk=\\\"a\\\\\\nb\\r\\n\"\n"},
};

TEST(WriteProfileEntry, ExactBytes)
{
    CTempFolder folder;
    for (const WriteCase &c : kWriteCases) {
        SCOPED_TRACE(c.name);
        const std::filesystem::path file = folder / c.name / "p.INI";
        if (c.before) {
            std::filesystem::create_directory(file.parent_path());
            WriteBytes(file, c.before);
        }
        std::string error;
        EXPECT_TRUE(WriteProfileEntry(file, c.section, c.entry, c.value, error)) << error;
        EXPECT_EQ(ReadBytes(file), c.after);
    }
}

TEST(WriteProfileEntry, AwkwardValuesReadBackExactly)
{
    const std::string values[] = {"", " ", "a;b", "=x=", "[x]", "\"q\"", "'q'", "\"", "\\\"x\"",
        "\\\"", "line1\nline2", "a\r\nb\rc\n", "\n[Alarm]\ninjected=1\n", "\\n stays", "trailing\\",
        "\\\"\n\"", "Rama\xE1\xB8\x8D\xC4\x81n \xE2\x98\xBE", "\t tab \v", std::string("a\0b", 3),
        std::string(100'000, 'm') + "\nend"};
    CTempFolder folder;
    const std::filesystem::path file = folder / "p.INI";
    int i = 0;
    for (const std::string &value : values)
        ASSERT_TRUE(WriteProfileEntry(file, "Reminder", "k" + std::to_string(i++), value));
    i = 0;
    for (const std::string &value : values) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ReadProfileEntry(file, "Reminder", "k" + std::to_string(i++), "absent"), value);
    }
    // One line for the section and one for each value: nothing broke a line.
    const std::string bytes = ReadBytes(file);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), std::ssize(values) + 1);
    EXPECT_EQ(ReadProfileEntry(file, "Alarm", "injected", "absent"), "absent");
}

TEST(WriteProfileEntry, CreatesFoldersAndKeepsPermissionsAndLinks)
{
    CTempFolder folder;
    const std::filesystem::path file = folder / "config/deeper/p.INI";
    ASSERT_TRUE(WriteProfileEntry(file, "R", "k", "1"));
    struct stat status;
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);

    ::chmod(file.c_str(), 0640);
    std::filesystem::create_symlink(file, folder / "link.INI");
    ASSERT_TRUE(WriteProfileEntry(folder / "link.INI", "R", "k", "2"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.INI"));
    EXPECT_EQ(ReadBytes(file), "[R]\nk=2\n");
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

// Each case puts something in the way; the write must say so, naming the
// place, and leave the profile as it was.
TEST(WriteProfileEntry, FailuresAreReported)
{
    struct FailCase {
        const char *name;
        const char *file;
        const char *blocker; // made a folder
        const char *section;
        const char *entry;
        const char *expectedInError;
    };
    const FailCase cases[] = {
        {"folder in the way of the temporary file", "p.INI", "p.INI.new", "R", "k", "p.INI.new"},
        {"folder in the profile's place", "p.INI", "p.INI", "R", "k", "not a regular file"},
        {"file in the way of the folder", "p.INI/sub/q.INI", nullptr, "R", "k", "Not a directory"},
        {"section name with ]", "p.INI", nullptr, "R]", "k", "section name"},
        {"entry name with =", "p.INI", nullptr, "R", "a=b", "entry name"},
        {"entry name with a line break", "p.INI", nullptr, "R", "a\n[S]", "entry name"},
        {"entry name of a comment", "p.INI", nullptr, "R", ";k", "entry name"},
    };
    for (const FailCase &c : cases) {
        SCOPED_TRACE(c.name);
        CTempFolder folder;
        WriteBytes(folder / "p.INI", "[R]\nk=old\n");
        if (c.blocker) {
            std::filesystem::remove(folder / c.blocker);
            std::filesystem::create_directory(folder / c.blocker);
        }
        std::string error;
        EXPECT_FALSE(WriteProfileEntry(folder / c.file, c.section, c.entry, "new", error));
        EXPECT_NE(error.find(c.expectedInError), std::string::npos) << error;
        if (!std::filesystem::is_directory(folder / "p.INI")) {
            EXPECT_EQ(ReadBytes(folder / "p.INI"), "[R]\nk=old\n");
        }
    }
}

} // namespace

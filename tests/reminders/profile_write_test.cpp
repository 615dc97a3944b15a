// Writing entries: the exact bytes written, values that read back exactly,
// and failures that are reported and leave the file as it was.
#include "reminders/profile.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

TEST(WriteProfileEntries, SeveralChangesInOneReplacement)
{
    using C = ProfileChange;
    const struct {
        const char *name;
        const char *before;
        std::vector<ProfileChange> changes;
        const char *after;
    } cases[] = {
        {"memo and alarm of a new reminder", "[Defaults]\nAudio=ON\n",
            {C::Set("Reminder", "Rajab/1", "Trip"), C::Set("Alarm", "Rajab/1", "06:00 5")},
            "[Defaults]\nAudio=ON\n[Reminder]\nRajab/1=Trip\n[Alarm]\nRajab/1=06:00 5\n"},
        {"memo and alarm removed", "[Reminder]\nk=a\nj=b\n[Alarm]\nk=1\n",
            {C::Remove("Reminder", "k"), C::Remove("Alarm", "k")}, "[Reminder]\nj=b\n[Alarm]\n"},
        {"a section removed and written anew",
            "[Recent File List]\nFile1=/a\nFile5=/old\n; mine\n[Settings]\nx=1\n",
            {C::RemoveSection("recent file list"), C::Set("Recent File List", "File1", "/b")},
            "; mine\n[Settings]\nx=1\n[Recent File List]\nFile1=/b\n"},
        {"every section of the name goes, nothing else",
            "\xEF\xBB\xBF[R]\nk=1\n\n[S]\nx=1\n[ r ]\nj=2\nplain\n", {C::RemoveSection("R")},
            "\xEF\xBB\xBF\n[S]\nx=1\nplain\n"},
        {"a mark further down does not become the file's", "[R]\r\nk=1\r\n\xEF\xBB\xBF[S]\r\n[S]\r\nx=1\r\n",
            {C::RemoveSection("R")}, "\r\n\xEF\xBB\xBF[S]\r\n[S]\r\nx=1\r\n"},
        {"later changes see earlier ones", "[R]\nk=1\n",
            {C::Set("R", "k", "2"), C::Remove("R", "k"), C::Set("R", "j", "3")}, "[R]\nj=3\n"},
        {"removing what is missing", "[R]\nk=1\n", {C::RemoveSection("S"), C::Remove("R", "j")},
            "[R]\nk=1\n"},
    };
    CTempFolder folder;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(folder / "p.INI", c.before);
        std::string error;
        EXPECT_TRUE(WriteProfileEntries(folder / "p.INI", c.changes, error)) << error;
        EXPECT_EQ(ReadBytes(folder / "p.INI"), c.after);
    }
}

// A change that cannot be written stops the others too.
TEST(WriteProfileEntries, AllOrNothing)
{
    CTempFolder folder;
    WriteBytes(folder / "p.INI", "[R]\nk=1\n");
    const ProfileChange changes[] = {
        ProfileChange::Set("R", "k", "2"), ProfileChange::Set("R", "bad=name", "3")};
    std::string error;
    EXPECT_FALSE(WriteProfileEntries(folder / "p.INI", changes, error));
    EXPECT_NE(error.find("entry name"), std::string::npos) << error;
    EXPECT_EQ(ReadBytes(folder / "p.INI"), "[R]\nk=1\n");
}

// Links resolved as the kernel resolves them: a relative link's ".." goes up
// from where the folder link leads, not from the path as written.
TEST(WriteProfileEntry, FollowsLinksAsTheKernelDoes)
{
    const struct {
        const char *name;
        std::vector<std::pair<const char *, const char *>> links; // link, target
        const char *profile; // as the program names it
        const char *real; // where the entry must land
    } cases[] = {
        {"folder link, then a relative link with ..",
            {{"home/.config", "../data/config"}, {"data/config/z.INI", "../shared/z.INI"}},
            "home/.config/z.INI", "data/shared/z.INI"},
        {"absolute folder link, then ..",
            {{"home/.config", "@/data/config"}, {"data/config/z.INI", "../shared/z.INI"}},
            "home/.config/z.INI", "data/shared/z.INI"},
        {"a link to a link",
            {{"home/z.INI", "../data/link.INI"}, {"data/link.INI", "shared/z.INI"}}, "home/z.INI",
            "data/shared/z.INI"},
        {"a link that leads nowhere yet", {{"home/z.INI", "../data/new/z.INI"}}, "home/z.INI",
            "data/new/z.INI"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CTempFolder folder;
        for (const char *made : {"home", "data/config", "data/shared"})
            std::filesystem::create_directories(folder / made);
        for (const auto &[link, target] : c.links) {
            std::string to = target;
            if (to.starts_with('@'))
                to = (folder.Path() / to.substr(2)).string();
            std::filesystem::create_symlink(to, folder / link);
        }
        const std::filesystem::path profile = folder / c.profile;
        std::string error;
        ASSERT_TRUE(WriteProfileEntry(profile, "Reminder", "Rajab/1", "Trip", error)) << error;
        EXPECT_EQ(ReadBytes(folder / c.real), "[Reminder]\nRajab/1=Trip\n");
        EXPECT_EQ(ReadProfileEntry(profile, "Reminder", "Rajab/1", "lost"), "Trip");
        EXPECT_FALSE(std::filesystem::exists(folder / "home/shared")) << "no stray file";
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(folder / c.real) += ".lock"));
        for (const auto &[link, target] : c.links)
            EXPECT_TRUE(std::filesystem::is_symlink(folder / link)) << link;
    }

    CTempFolder folder;
    std::filesystem::create_symlink("b.INI", folder / "a.INI");
    std::filesystem::create_symlink("a.INI", folder / "b.INI");
    std::string error;
    EXPECT_FALSE(WriteProfileEntry(folder / "a.INI", "R", "k", "1", error));
    EXPECT_NE(error.find("Too many levels of symbolic links"), std::string::npos) << error;
}

// A profile its user made read-only stays as it is, even for root, who could
// write it, and even though the folder would let a rename replace it.
TEST(WriteProfileEntry, AReadOnlyFileIsNotReplaced)
{
    const struct {
        const char *name;
        mode_t mode;
        bool written;
    } cases[] = {
        {"r--r--r--", 0444, false},
        {"r--------", 0400, false},
        {"r-xr-xr-x", 0555, false},
        {"rw-------", 0600, true},
        // The owner may not write, the group may: root alone may write
        // it, as root may write any file that has a write bit.
        {"r---w----", 0420, ::geteuid() == 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CTempFolder folder;
        const std::filesystem::path file = folder / "p.INI";
        WriteBytes(file, "[R]\nk=old\n");
        ASSERT_EQ(::chmod(file.c_str(), c.mode), 0);
        std::filesystem::create_symlink("p.INI", folder / "link.INI");
        for (const char *name : {"p.INI", "link.INI"}) {
            std::string error;
            EXPECT_EQ(WriteProfileEntry(folder / name, "R", "k", "new", error), c.written);
            if (!c.written) {
                EXPECT_NE(error.find("read-only"), std::string::npos) << error;
                EXPECT_NE(error.find(file.string()), std::string::npos) << error;
                EXPECT_EQ(ReadBytes(file), "[R]\nk=old\n");
            }
        }
        struct stat status;
        ASSERT_EQ(::stat(file.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, c.mode) << "the mode stays";
    }
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

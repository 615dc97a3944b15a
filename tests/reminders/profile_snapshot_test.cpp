// A snapshot of the profile: a section's entries in file order, and a
// refresh that sees every change other programs make. (Its lookups follow
// the rules of the single read; profile_read_test.cpp checks both.)
#include "reminders/profile.h"
#include "reminders/profile_snapshot.h"
#include "reminders/profile_text.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sys/stat.h>

namespace {

using Listed = std::vector<std::pair<std::string, std::string>>;

Listed listed(const CProfileSnapshot &snapshot, std::string_view section)
{
    Listed out;
    for (const ProfileEntryValue &e : snapshot.Entries(section))
        out.emplace_back(e.name, e.value);
    return out;
}

TEST(ProfileSnapshot, ListsASectionInFileOrder)
{
    const struct {
        const char *name;
        const char *text;
        const char *section;
        Listed expected;
    } cases[] = {
        {"file order, names as spelled", "[Reminder]\nRamadhan/27=b\nmuharram/1=a\n", "reminder",
            {{"Ramadhan/27", "b"}, {"muharram/1", "a"}}},
        {"first of two names regardless of case", "[R]\nk=1\nj=2\nK=3\n", "R",
            {{"k", "1"}, {"j", "2"}}},
        {"first section of a name only", "[R]\na=1\n[S]\nx=1\n[r]\nb=2\na=3\n", "R", {{"a", "1"}}},
        {"values decoded", "[R]\nq=\" x \"\nm=\\\"a\\nb\"\n", "R", {{"q", " x "}, {"m", "a\nb"}}},
        {"comments and lines without = are no entries", "[R]\n;c=1\nplain\nk=\n", "R", {{"k", ""}}},
        {"entries before any section belong to none", "k=1\n[R]\n", "R", {}},
        {"missing section", "[R]\nk=1\n", "S", {}},
        {"last section, CR line ends", "[S]\rx=1\r[R]\rk=1\rj=2", "R", {{"k", "1"}, {"j", "2"}}},
    };
    CTempFolder folder;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(folder / "p.INI", c.text);
        EXPECT_EQ(listed(CProfileSnapshot(folder / "p.INI"), c.section), c.expected);
        // Texts too big to index are walked instead, with the same result.
        EXPECT_EQ(CProfileIndex(c.text).Entries(c.section), ListStoredEntries(c.text, c.section));
    }
}

// Each change is made right after the snapshot read the file (well within
// one tick of the file system's clock): Refresh must see it all the same.
TEST(ProfileSnapshot, RefreshSeesChangesByOtherPrograms)
{
    CTempFolder folder;
    const std::filesystem::path file = folder / "p.INI";
    struct stat before;
    const auto setTimes = [&](timespec modified) {
        const timespec times[2] = {before.st_atim, modified};
        ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    };
    const auto replace = [&](const char *text) {
        WriteBytes(folder / "new", text);
        std::filesystem::rename(folder / "new", file);
    };
    const struct {
        const char *name;
        std::function<void()> make;
        bool changed;
        const char *expected;
    } changes[] = {
        {"nothing", [] {}, false, "1"},
        {"a write by the program", [&] { WriteProfileEntry(file, "R", "k", "2"); }, true, "2"},
        {"renamed over it, same size and times",
            [&] {
                replace("[R]\nk=3\n");
                setTimes(before.st_mtim);
            },
            true, "3"},
        {"in place, same size, the editor's time",
            [&] {
                std::fstream(file, std::ios::in | std::ios::out).seekp(6) << '4';
                setTimes({before.st_mtim.tv_sec - 60, 0});
            },
            true, "4"},
        {"touched, same bytes",
            [&] {
                setTimes({before.st_mtim.tv_sec + 60, 0});
            },
            false, "4"},
        {"removed", [&] { std::filesystem::remove(file); }, true, "none"},
        {"still missing", [] {}, false, "none"},
        {"created again", [&] { replace("[R]\nk=5\n"); }, true, "5"},
    };
    WriteBytes(file, "[R]\nk=1\n");
    CProfileSnapshot snapshot(file);
    for (const auto &change : changes) {
        SCOPED_TRACE(change.name);
        ::stat(file.c_str(), &before);
        change.make();
        EXPECT_EQ(snapshot.Refresh(), change.changed);
        EXPECT_EQ(snapshot.Get("R", "k", "none"), change.expected);
    }
}

// A missing file is an empty profile; one that stands there but cannot be
// read is reported, so that a program can refuse to work on it.
TEST(ProfileSnapshot, LoadSaysWhetherTheFileCouldBeRead)
{
    CTempFolder folder;
    WriteBytes(folder / "p.INI", "[R]\nk=1\n");
    std::filesystem::create_directory(folder / "folder.INI");
    const struct {
        const char *name;
        const char *file;
        bool readable;
        const char *error;
        const char *value;
    } cases[] = {
        {"a file", "p.INI", true, "", "1"},
        {"no file", "missing.INI", true, "", "none"},
        {"a folder in its place", "folder.INI", false, "it is not a regular file", "none"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CProfileSnapshot snapshot;
        std::string error;
        EXPECT_EQ(snapshot.Load(folder / c.file, &error), c.readable);
        EXPECT_EQ(error.empty(), c.readable) << error;
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
        EXPECT_EQ(snapshot.Get("R", "k", "none"), c.value);
    }
}

TEST(ProfileSnapshot, CopiesKeepWhatTheyReadAndRefreshAlone)
{
    CTempFolder folder;
    const std::filesystem::path link = folder / "link.INI";
    WriteBytes(folder / "p.INI", "[Reminder]\nRajab/1=old\n");
    std::filesystem::create_symlink("p.INI", link);
    CProfileSnapshot first(link);
    const CProfileSnapshot copy = first;
    ASSERT_TRUE(WriteProfileEntry(link, "Reminder", "Rajab/1", "new"));
    EXPECT_EQ(first.Find("Reminder", "Rajab/1"), "old") << "no refresh, no change";
    EXPECT_TRUE(first.Refresh()) << "the file behind the link changed";
    EXPECT_EQ(first.Find("Reminder", "Rajab/1"), "new");
    EXPECT_EQ(copy.Find("Reminder", "Rajab/1"), "old");

    CProfileSnapshot moved = std::move(first);
    EXPECT_EQ(moved.Get("Reminder", "Rajab/1", ""), "new");
    EXPECT_FALSE(moved.Refresh());

    CProfileSnapshot none;
    EXPECT_EQ(none.Find("Reminder", "Rajab/1"), std::nullopt);
    EXPECT_EQ(none.Get("Alarm", "Rajab/1", "08:00 60  "), "08:00 60");
    EXPECT_FALSE(none.Refresh());
    none.Load(link);
    EXPECT_EQ(none.Find("reminder", "RAJAB/1"), "new");
}

} // namespace

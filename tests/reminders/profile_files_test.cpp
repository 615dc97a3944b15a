// The profile's own files, found by whatever name or link leads to them, so
// that no other writer of the program ever replaces them.
#include "reminders/profile_files.h"

#include "tests/reminders/temp_folder.h"

#include <gtest/gtest.h>

namespace {

TEST(ProfileFiles, FoundByAnyNameOrLink)
{
    CTempFolder folder;
    const std::filesystem::path config = folder / "config", profile = config / "zamanix.INI";
    std::filesystem::create_directories(config);
    std::filesystem::create_directories(folder / "elsewhere");
    WriteBytes(profile, "[Reminder]\nMarch/06=x\n");
    std::filesystem::create_symlink(profile, folder / "link.INI");
    std::filesystem::create_symlink("config", folder / "config-link");
    std::filesystem::create_hard_link(profile, folder / "hard.INI");
    std::filesystem::create_symlink("../config/zamanix.INI.lock", folder / "elsewhere" / "lock");
    const struct {
        const char *name;
        std::filesystem::path path;
        ProfileFile expected;
    } cases[] = {
        {"the profile", profile, ProfileFile::Profile},
        {"through \"..\"", config / ".." / "config" / "zamanix.INI", ProfileFile::Profile},
        {"a link to it", folder / "link.INI", ProfileFile::Profile},
        {"a linked folder", folder / "config-link" / "zamanix.INI", ProfileFile::Profile},
        {"a hard link", folder / "hard.INI", ProfileFile::Profile},
        {"its lock, not there yet", config / "zamanix.INI.lock", ProfileFile::Lock},
        {"a relative link to its lock", folder / "elsewhere" / "lock", ProfileFile::Lock},
        {"the file that replaces it", config / "zamanix.INI.new", ProfileFile::Temporary},
        {"its backup", folder / "config-link" / "zamanix.INI.bak", ProfileFile::Backup},
        {"another file beside it", config / "zamanix.ics", ProfileFile::None},
        {"a longer name", config / "zamanix.INI.lock.old", ProfileFile::None},
        {"the same name elsewhere", folder / "elsewhere" / "zamanix.INI", ProfileFile::None},
        {"its folder", config, ProfileFile::None},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WhichProfileFile(c.path, profile), c.expected);
        const std::string problem = ProfileFileProblem(c.path, profile);
        EXPECT_EQ(problem.empty(), c.expected == ProfileFile::None) << problem;
        if (c.expected != ProfileFile::None) {
            EXPECT_NE(problem.find("reminders and settings"), std::string::npos) << problem;
        }
    }
    EXPECT_EQ(WhichProfileFile(profile, ""), ProfileFile::None) << "no profile, nothing refused";
}

// A profile that is itself a link is written where it leads, and so are its
// lock and the rest: those are its files, not the names beside the link.
TEST(ProfileFiles, OfAProfileThatIsALink)
{
    CTempFolder folder;
    std::filesystem::create_directories(folder / "shared");
    WriteBytes(folder / "shared" / "real.INI", "");
    const std::filesystem::path profile = folder / "zamanix.INI";
    std::filesystem::create_symlink("shared/real.INI", profile);
    const struct {
        const char *name;
        std::filesystem::path path;
        ProfileFile expected;
    } cases[] = {
        {"the file it leads to", folder / "shared" / "real.INI", ProfileFile::Profile},
        {"the link itself", profile, ProfileFile::Profile},
        {"the lock of what it leads to", folder / "shared" / "real.INI.lock", ProfileFile::Lock},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WhichProfileFile(c.path, profile), c.expected);
    }
    EXPECT_EQ(ProfileFilePath(profile, ProfileFile::Backup), folder / "shared" / "real.INI.bak");
}

} // namespace

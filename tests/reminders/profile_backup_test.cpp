// Backing the profile up and restoring it: the copy holds the profile's
// bytes; only a file that is a profile is read back; a restore replaces
// the profile whole and keeps the one it replaced beside it.
#include "reminders/profile_backup.h"

#include "tests/reminders/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kProfile[] = "; mine\n[Reminder]\nRamadhan/27=Visit uncle\nMarch/06=\"Dentist\"\n"
                        "[Alarm]\nRamadhan/27=07:30 15\n[Defaults]\nAudio=OFF\n";

TEST(ProfileBackupTest, ABackupIsTheProfilesBytesAndNeverOneOfItsFiles)
{
    CTempFolder dir;
    const std::filesystem::path profile = dir / "zamanix.INI";
    std::string error;
    EXPECT_FALSE(BackUpProfile(profile, dir / "backup.INI", error));
    EXPECT_NE(error.find("nothing to back up"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(dir / "backup.INI"));

    WriteBytes(profile, kProfile);
    ASSERT_TRUE(BackUpProfile(profile, dir / "backup.INI", error)) << error;
    EXPECT_EQ(ReadBytes(dir / "backup.INI"), kProfile);
    std::filesystem::create_symlink(dir / "zamanix.INI", dir / "link.INI");
    for (const char *name : {"zamanix.INI", "link.INI", "zamanix.INI.lock", "zamanix.INI.bak"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(BackUpProfile(profile, dir / name, error));
        EXPECT_NE(error.find("which holds the reminders and settings"), std::string::npos) << error;
        EXPECT_EQ(ReadBytes(profile), kProfile);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "zamanix.INI.bak"));
}

TEST(ProfileBackupTest, OnlyAProfileIsReadBackWithItsReminders)
{
    CTempFolder dir;
    const std::filesystem::path profile = dir / "zamanix.INI";
    WriteBytes(profile, kProfile);
    WriteBytes(dir / "zamanix.INI.bak", "[Reminder]\nRajab/1=Old\n");
    const struct {
        const char *name;
        const char *file;
        std::string bytes; // none: the file as it stands
        int reminders; // -1: refused
        const char *why;
    } cases[] = {
        {"a backup", "backup.INI", kProfile, 2, ""},
        {"settings only", "settings.INI", "[Defaults]\r\nHijriCalendar=umalqura\r\n", 0, ""},
        {"a section spelled otherwise", "case.INI", " [ reminder ]\nA/1=x\n", 1, ""},
        {"the backup beside the profile", "zamanix.INI.bak", "", 1, ""},
        {"an iCalendar file", "r.ics", "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n", -1,
            "is not a backup of the reminders: it holds none of the sections"},
        {"an empty file", "empty.INI", "", -1, "holds none of the sections"},
        {"another program's INI", "other.ini", "[General]\nx=1\n", -1,
            "holds none of the sections"},
        {"bytes that are no text", "bin.INI", std::string("[Reminder]\nA/1=\0x\n", 17), -1,
            "holds bytes that are no text"},
        {"the profile itself", "zamanix.INI", "", -1, "it is the profile"},
        {"a file that is not there", "missing.INI", "", -1, "missing.INI"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = c.file;
        if (!c.bytes.empty() || name == "empty.INI")
            WriteBytes(dir / c.file, c.bytes);
        ProfileBackup backup;
        std::string error;
        const bool read = ReadProfileBackup(dir / c.file, profile, backup, error);
        EXPECT_EQ(read, c.reminders >= 0) << error;
        if (read)
            EXPECT_EQ(backup.reminders, c.reminders);
        else
            EXPECT_NE(error.find(c.why), std::string::npos) << error;
    }
}

TEST(ProfileBackupTest, ARestoreReplacesTheProfileAndKeepsTheOldOneBesideIt)
{
    CTempFolder dir;
    const std::filesystem::path profile = dir / "zamanix.INI";
    std::string error;
    ASSERT_TRUE(RestoreProfile(profile, kProfile, error)) << error;
    EXPECT_EQ(ReadBytes(profile), kProfile);
    EXPECT_FALSE(std::filesystem::exists(dir / "zamanix.INI.bak")) << "there was none to keep";

    ASSERT_TRUE(RestoreProfile(profile, "[Reminder]\nRajab/1=New\n", error)) << error;
    EXPECT_EQ(ReadBytes(profile), "[Reminder]\nRajab/1=New\n");
    EXPECT_EQ(ReadBytes(dir / "zamanix.INI.bak"), kProfile);

    // Through a link the file it leads to is replaced, and its backup kept
    // beside that file.
    std::filesystem::create_directory(dir / "shared");
    std::filesystem::rename(profile, dir / "shared" / "zamanix.INI");
    std::filesystem::create_symlink("shared/zamanix.INI", profile);
    ASSERT_TRUE(RestoreProfile(profile, kProfile, error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(profile));
    EXPECT_EQ(ReadBytes(dir / "shared" / "zamanix.INI"), kProfile);
    EXPECT_EQ(ReadBytes(dir / "shared" / "zamanix.INI.bak"), "[Reminder]\nRajab/1=New\n");
}

TEST(ProfileBackupTest, AReadOnlyProfileIsNotRestoredOver)
{
    CTempFolder dir;
    const std::filesystem::path profile = dir / "zamanix.INI";
    WriteBytes(profile, kProfile);
    ASSERT_EQ(::chmod(profile.c_str(), 0444), 0);
    std::string error;
    EXPECT_FALSE(RestoreProfile(profile, "[Reminder]\n", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadBytes(profile), kProfile);
}

} // namespace

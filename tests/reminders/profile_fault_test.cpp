// Writes when the disk fails to flush: a failure before the rename leaves
// the old file and is reported; one after it is none, for the new file is in
// place. The flush of this program is replaced by one that fails on demand.
#include "reminders/profile.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The kinds of file whose flush fails: S_IFDIR, S_IFREG, or 0 for none.
mode_t s_failingKind = 0;

} // namespace

// Stands in for the C library's fsync in this test program.
extern "C" int fsync(int fd)
{
    struct stat status;
    if (s_failingKind != 0 && ::fstat(fd, &status) == 0 &&
        (status.st_mode & S_IFMT) == s_failingKind) {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace {

TEST(ProfileFaults, AFailedFlushIsReportedOnlyBeforeTheRename)
{
    const struct {
        const char *name;
        mode_t failing;
        bool written;
    } cases[] = {
        {"the new file cannot be flushed", S_IFREG, false},
        {"the folder cannot be flushed after the rename", S_IFDIR, true},
        {"nothing fails", 0, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CTempFolder folder;
        const std::filesystem::path file = folder / "p.INI";
        WriteBytes(file, "[Reminder]\nRajab/1=old\n");
        s_failingKind = c.failing;
        std::string error;
        const bool written = WriteProfileEntry(file, "Reminder", "Rajab/1", "new", error);
        s_failingKind = 0;
        EXPECT_EQ(written, c.written) << error;
        EXPECT_EQ(
            ReadBytes(file), c.written ? "[Reminder]\nRajab/1=new\n" : "[Reminder]\nRajab/1=old\n");
        if (!c.written) {
            EXPECT_NE(error.find("cannot flush"), std::string::npos) << error;
            EXPECT_NE(error.find("Input/output error"), std::string::npos) << error;
        }
        EXPECT_FALSE(std::filesystem::exists(folder / "p.INI.new")) << "no leftover";
    }
}

} // namespace

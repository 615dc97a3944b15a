#include "reminders/file_lock.h"

#include "reminders/atomic_file.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

CFileLock::~CFileLock()
{
    Release();
}

void CFileLock::Release()
{
    // Closing the only descriptor of the open file releases the lock.
    if (m_nFd >= 0)
        ::close(m_nFd);
    m_nFd = -1;
}

bool CFileLock::Acquire(
    const std::filesystem::path &lockFile, std::chrono::milliseconds patience, std::string &error)
{
    Release();
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        error =
            FileError(Translate("Files", "cannot open the lock file \"%1\": %2"), lockFile, errno);
        return false;
    }
    // The waits are added up rather than the clock read: a program that
    // holds the lock is given at least `patience`.
    std::chrono::milliseconds waited(0);
    std::chrono::milliseconds pause(1);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            m_nFd = fd;
            return true;
        }
        const int reason = errno;
        if (reason == EINTR)
            continue;
        if (reason != EWOULDBLOCK || waited >= patience) {
            ::close(fd);
            error = reason == EWOULDBLOCK
                ? FillSentence(Translate("Files",
                                   "another program has held the lock file \"%1\" for too long"),
                      {lockFile.string()})
                : FileError(Translate("Files", "cannot lock \"%1\": %2"), lockFile, reason);
            return false;
        }
        std::this_thread::sleep_for(pause);
        waited += pause;
        pause = std::min(pause * 2, std::chrono::milliseconds(4));
    }
}

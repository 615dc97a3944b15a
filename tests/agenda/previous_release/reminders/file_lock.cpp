#include "tests/agenda/previous_release/reminders/file_lock.h"

#include "tests/agenda/previous_release/reminders/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace previous_release {

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
        error = FileError("cannot open the lock file", lockFile, errno);
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
            error = reason == EWOULDBLOCK ? "another program has held the lock file \"" +
                    lockFile.string() + "\" for too long"
                                          : FileError("cannot lock", lockFile, reason);
            return false;
        }
        std::this_thread::sleep_for(pause);
        waited += pause;
        pause = std::min(pause * 2, std::chrono::milliseconds(4));
    }
}

} // namespace previous_release

// An exclusive advisory lock (flock) on a lock file of its own, so that
// programs changing the same profile take turns. The lock file is never
// removed: removing it would let two programs lock two different files.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace previous_release {

class CFileLock {
public:
    CFileLock() = default;
    CFileLock(const CFileLock &) = delete;
    CFileLock &operator=(const CFileLock &) = delete;
    ~CFileLock();

    // Creates the lock file when needed and waits up to `patience` for the
    // lock. On failure `error` says why (a program holding the lock longer
    // than that is named as the reason).
    bool Acquire(const std::filesystem::path &lockFile, std::chrono::milliseconds patience,
        std::string &error);

    // Lets go of the lock; the destructor does it too.
    void Release();

private:
    int m_nFd = -1;
};

} // namespace previous_release

#include "reminders/atomic_file.h"

#include "text/sentence.h"
#include "text/translate.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

// Closes a descriptor when it goes out of scope.
class CDescriptor {
public:
    explicit CDescriptor(int fd)
        : m_nFd(fd)
    {
    }
    CDescriptor(const CDescriptor &) = delete;
    CDescriptor &operator=(const CDescriptor &) = delete;
    ~CDescriptor()
    {
        if (m_nFd >= 0)
            ::close(m_nFd);
    }
    int Get() const { return m_nFd; }
    // Hands the descriptor over to the caller.
    int Release()
    {
        const int fd = m_nFd;
        m_nFd = -1;
        return fd;
    }
    // Closes now, so that a failure to close can be reported.
    int Close()
    {
        const int result = ::close(m_nFd);
        m_nFd = -1;
        return result;
    }

private:
    int m_nFd;
};

// Makes the rename durable where the file system can. It is called once the
// file already holds the new bytes, which a failure here cannot undo: the
// rename is then as durable as the file system makes it.
void syncFolder(const std::filesystem::path &folder)
{
    CDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() >= 0)
        (void)::fsync(fd.Get());
}

bool isInGroup(gid_t group)
{
    if (group == ::getegid())
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, groups.data());
    return got > 0 && std::find(groups.begin(), groups.begin() + got, group) != groups.end();
}

// The write bit of the class the process falls in. A process that may write
// any file (root) is held to the file having a write bit at all.
bool modeAllowsWriting(const struct stat &status)
{
    const uid_t user = ::geteuid();
    if (user == 0)
        return (status.st_mode & 0222) != 0;
    if (status.st_uid == user)
        return (status.st_mode & S_IWUSR) != 0;
    if (isInGroup(status.st_gid))
        return (status.st_mode & S_IWGRP) != 0;
    return (status.st_mode & S_IWOTH) != 0;
}

std::string readOnlyError(const std::filesystem::path &file, const struct stat &status)
{
    char mode[8];
    std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(status.st_mode & 07777));
    if (status.st_uid == ::geteuid() || ::geteuid() == 0)
        return FillSentence(Translate("Files",
                                "cannot write \"%1\": the file is read-only (mode %2); to keep "
                                "changes in it, make it writable (chmod u+w \"%3\")"),
            {file.string(), mode, file.string()});
    return FillSentence(Translate("Files",
                            "cannot write \"%1\": the file is read-only (mode %2) for you: it "
                            "belongs to another user"),
        {file.string(), mode});
}

bool writeTemporary(const std::filesystem::path &file, const std::filesystem::path &temporary,
    std::string_view bytes, std::string &error)
{
    CDescriptor fd(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (fd.Get() < 0) {
        error = FileError(Translate("Files", "cannot create \"%1\": %2"), temporary, errno);
        return false;
    }
    struct stat old;
    if (::stat(file.c_str(), &old) == 0) {
        if (::fchmod(fd.Get(), old.st_mode & 07777) != 0) {
            error = FileError(
                Translate("Files", "cannot set the permissions of \"%1\": %2"), temporary, errno);
            return false;
        }
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            (void)!::fchown(fd.Get(), old.st_uid, old.st_gid);
    } else {
        // A leftover temporary file may carry other permissions.
        (void)::fchmod(fd.Get(), 0600);
    }
    if (!WriteAll(fd.Get(), bytes)) {
        error = FileError(Translate("Files", "cannot write \"%1\": %2"), temporary, errno);
        return false;
    }
    if (::fsync(fd.Get()) != 0) {
        error = FileError(Translate("Files", "cannot flush \"%1\": %2"), temporary, errno);
        return false;
    }
    if (fd.Close() != 0) {
        error = FileError(Translate("Files", "cannot write \"%1\": %2"), temporary, errno);
        return false;
    }
    return true;
}

} // namespace

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

FileIdentity FileIdentity::Of(const struct stat &status)
{
    return {status.st_dev, status.st_ino, status.st_size, status.st_mtim, status.st_ctim};
}

bool operator==(const FileIdentity &a, const FileIdentity &b)
{
    const auto same = [](const timespec &x, const timespec &y) {
        return x.tv_sec == y.tv_sec && x.tv_nsec == y.tv_nsec;
    };
    return a.device == b.device && a.inode == b.inode && a.size == b.size &&
        same(a.modified, b.modified) && same(a.changed, b.changed);
}

std::string FileError(std::string_view pattern, const std::filesystem::path &path, int errorNumber)
{
    if (pattern.find("%1") == std::string_view::npos)
        return std::string(pattern) + " \"" + path.string() + "\": " + std::strerror(errorNumber);
    return FillSentence(pattern, {path.string(), std::strerror(errorNumber)});
}

FileReadResult ReadWholeFile(const std::filesystem::path &path, std::string &bytes,
    FileIdentity &identity, std::string &error, int *descriptor)
{
    bytes.clear();
    if (descriptor)
        *descriptor = -1;
    // O_NONBLOCK: a FIFO put in the file's place must not hang the reader.
    CDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.Get() < 0) {
        if (errno == ENOENT)
            return FileReadResult::Missing;
        error = FileError(Translate("Files", "cannot read \"%1\": %2"), path, errno);
        return FileReadResult::Failed;
    }
    struct stat status;
    if (::fstat(fd.Get(), &status) != 0) {
        error = FileError(Translate("Files", "cannot read \"%1\": %2"), path, errno);
        return FileReadResult::Failed;
    }
    if (!S_ISREG(status.st_mode)) {
        error = FillSentence(
            Translate("Files", "cannot read \"%1\": it is not a regular file"), {path.string()});
        return FileReadResult::Failed;
    }
    identity = FileIdentity::Of(status);
    // One byte more than the size, so that the end is seen without growing.
    bytes.resize(static_cast<std::size_t>(status.st_size) + 1);
    std::size_t filled = 0;
    for (;;) {
        // Room for a file that grew since fstat, so that its end is seen.
        if (filled == bytes.size())
            bytes.resize(bytes.size() + 4096);
        const ssize_t got = ::read(fd.Get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = FileError(Translate("Files", "cannot read \"%1\": %2"), path, errno);
            bytes.clear();
            return FileReadResult::Failed;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    if (descriptor)
        *descriptor = fd.Release();
    return FileReadResult::Read;
}

bool ResolveFileLinks(
    const std::filesystem::path &file, std::filesystem::path &resolved, std::string &error)
{
    // As many links as the kernel follows in one path.
    constexpr int kMaxLinks = 40;
    std::filesystem::path current = file;
    for (int links = 0; links <= kMaxLinks; ++links) {
        const std::filesystem::path name = current.filename();
        if (name.empty() || name == "." || name == "..") {
            error = FileError(Translate("Files", "cannot write \"%1\": %2"), current, EISDIR);
            return false;
        }
        std::error_code failed;
        const std::filesystem::path parent = current.parent_path();
        // The folder's links first, then its "..": what is missing of it is
        // taken as written.
        const std::filesystem::path folder =
            std::filesystem::weakly_canonical(parent.empty() ? "." : parent, failed);
        if (failed) {
            error = FileError(Translate("Files", "cannot find the folder of \"%1\": %2"), current,
                failed.value());
            return false;
        }
        const std::filesystem::path here = folder / name;
        if (!std::filesystem::is_symlink(here, failed)) {
            resolved = here;
            return true;
        }
        const std::filesystem::path target = std::filesystem::read_symlink(here, failed);
        if (failed) {
            error = FileError(
                Translate("Files", "cannot follow the link \"%1\": %2"), here, failed.value());
            return false;
        }
        current = target.is_absolute() ? target : folder / target;
    }
    error = FileError(Translate("Files", "cannot follow the links of \"%1\": %2"), file, ELOOP);
    return false;
}

bool CreateFolders(const std::filesystem::path &folder, std::string &error)
{
    if (folder.empty())
        return true;
    struct stat status;
    if (::stat(folder.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return true;
        error =
            FileError(Translate("Files", "cannot create the folder \"%1\": %2"), folder, ENOTDIR);
        return false;
    }
    const std::filesystem::path parent = folder.parent_path();
    if (parent != folder && !CreateFolders(parent, error))
        return false;
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = FileError(Translate("Files", "cannot create the folder \"%1\": %2"), folder, errno);
        return false;
    }
    return true;
}

bool ReplaceFileAtomically(
    const std::filesystem::path &file, std::string_view bytes, std::string &error)
{
    struct stat status;
    if (::stat(file.c_str(), &status) == 0 && !modeAllowsWriting(status)) {
        error = readOnlyError(file, status);
        return false;
    }
    std::filesystem::path temporary = file;
    temporary += kReplacementSuffix;
    if (!writeTemporary(file, temporary, bytes, error)) {
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        error = FileError(Translate("Files", "cannot replace \"%1\": %2"), file, errno);
        ::unlink(temporary.c_str());
        return false;
    }
    const std::filesystem::path folder = file.parent_path();
    syncFolder(folder.empty() ? "." : folder);
    return true;
}

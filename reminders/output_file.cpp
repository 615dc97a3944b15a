#include "reminders/output_file.h"

#include "reminders/atomic_file.h"
#include "reminders/profile_files.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// `pattern`, translated, with %1 the file.
std::string cannotWrite(const std::filesystem::path &file, const char *pattern)
{
    return FillSentence(Translate("Files", pattern), {file.string()});
}

// What stands at the path, when it is nothing an export may write.
std::string refusal(const std::filesystem::path &file, mode_t mode)
{
    if (S_ISDIR(mode))
        return cannotWrite(file,
            ZX_TRANSLATE_NOOP("Files", "cannot write \"%1\": it is a folder; name a file in it"));
    if (S_ISSOCK(mode))
        return cannotWrite(
            file, ZX_TRANSLATE_NOOP("Files", "cannot write \"%1\": it is a socket, not a file"));
    return cannotWrite(
        file, ZX_TRANSLATE_NOOP("Files", "cannot write \"%1\": it is a device, not a file"));
}

// A file, or the place of a new one: the file the links lead to is
// replaced, and the links stay.
bool replaceFile(const std::filesystem::path &file, std::string_view bytes, std::string &error)
{
    std::filesystem::path target;
    return ResolveFileLinks(file, target, error) && ReplaceFileAtomically(target, bytes, error);
}

// Writes to a stream whose reader may have gone: the write fails with
// EPIPE instead of the signal ending the program.
bool writeToStream(int fd, std::string_view bytes)
{
    sigset_t pipeSignal, before;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &before);
    const bool written = WriteAll(fd, bytes);
    const int failure = errno;
    if (!written && failure == EPIPE) {
        // The signal that write raised, taken before the old mask returns.
        const timespec none{};
        while (sigtimedwait(&pipeSignal, nullptr, &none) == SIGPIPE) { }
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    errno = failure;
    return written;
}

std::string streamError(const std::filesystem::path &file, int errorNumber)
{
    return errorNumber == EPIPE
        ? cannotWrite(file,
              ZX_TRANSLATE_NOOP("Files",
                  "cannot write \"%1\": the program reading it stopped "
                  "reading"))
        : FileError(Translate("Files", "cannot write \"%1\": %2"), file, errorNumber);
}

// The descriptor of this process that the path names ("/dev/stdout",
// "/dev/fd/1", "/proc/self/fd/1"), if it names one that is open: written
// through it, a file keeps its offset and its appending, as a shell's
// ">>" set them.
std::optional<int> descriptorOf(const std::filesystem::path &file)
{
    const std::string path = file.lexically_normal().string();
    constexpr std::pair<std::string_view, int> kStreams[] = {
        {"/dev/stdin", 0}, {"/dev/stdout", 1}, {"/dev/stderr", 2}};
    for (const auto &[name, fd] : kStreams)
        if (path == name)
            return ::fcntl(fd, F_GETFD) == -1 ? std::nullopt : std::optional(fd);
    for (const std::string_view folder : {"/dev/fd/", "/proc/self/fd/"}) {
        if (!path.starts_with(folder))
            continue;
        const std::string_view digits = std::string_view(path).substr(folder.size());
        int fd = -1;
        const auto [end, failed] =
            std::from_chars(digits.data(), digits.data() + digits.size(), fd);
        if (failed == std::errc() && end == digits.data() + digits.size() && !digits.empty() &&
            ::fcntl(fd, F_GETFD) != -1)
            return fd;
    }
    return std::nullopt;
}

// A pipe or a terminal: opened as it stands, written from its start.
bool writeStream(const std::filesystem::path &file, std::string_view bytes, bool waitForReader,
    std::string &error)
{
    const int flags = O_WRONLY | O_NOCTTY | O_CLOEXEC | (waitForReader ? 0 : O_NONBLOCK);
    int fd;
    do
        fd = ::open(file.c_str(), flags);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        error = errno == ENXIO
            ? cannotWrite(file,
                  ZX_TRANSLATE_NOOP("Files",
                      "cannot write \"%1\": it is a pipe that no program reads; start the reader "
                      "first"))
            : FileError(Translate("Files", "cannot write \"%1\": %2"), file, errno);
        return false;
    }
    struct stat status;
    if (::fstat(fd, &status) != 0) {
        error = FileError(Translate("Files", "cannot write \"%1\": %2"), file, errno);
        ::close(fd);
        return false;
    }
    if (!S_ISFIFO(status.st_mode) && !::isatty(fd)) {
        // A device that is no terminal, or not what stat saw a moment ago.
        error = refusal(file, status.st_mode);
        ::close(fd);
        return false;
    }
    bool ok =
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0 && writeToStream(fd, bytes);
    int failure = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (!ok)
        error = streamError(file, failure);
    return ok;
}

} // namespace

bool WriteOutputFile(const std::filesystem::path &file, std::string_view bytes,
    const OutputRules &rules, std::string &error)
{
    for (const std::filesystem::path &profile : rules.profiles) {
        if (const std::string problem = ProfileFileProblem(file, profile); !problem.empty()) {
            error = FillSentence(Translate("Files", "cannot write \"%1\": %2; choose another file"),
                {file.string(), problem});
            return false;
        }
    }
    if (const std::optional<int> fd = descriptorOf(file)) {
        if (writeToStream(*fd, bytes))
            return true;
        error = streamError(file, errno);
        return false;
    }
    struct stat status;
    if (::stat(file.c_str(), &status) != 0) {
        if (errno != ENOENT) {
            error = FileError(Translate("Files", "cannot write \"%1\": %2"), file, errno);
            return false;
        }
        return replaceFile(file, bytes, error);
    }
    if (S_ISREG(status.st_mode))
        return replaceFile(file, bytes, error);
    if (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode))
        return writeStream(file, bytes, rules.waitForReader, error);
    error = refusal(file, status.st_mode);
    return false;
}

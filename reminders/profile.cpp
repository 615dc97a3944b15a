#include "reminders/profile.h"

#include "reminders/atomic_file.h"
#include "reminders/file_lock.h"
#include "reminders/profile_edit.h"
#include "reminders/profile_text.h"
#include "reminders/value_encoding.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
#include <sys/stat.h>

namespace {

// How long a write waits for another program to finish its own.
constexpr std::chrono::milliseconds kLockPatience(10'000);

// File times advance in clock ticks, so a file may change again within the
// tick of its last change and keep its times (and, rewritten in place, its
// inode and size). A file read that soon after a change is not remembered.
// File systems that keep whole seconds are given two.
constexpr long long kSettleNanoseconds = 100'000'000;
constexpr long long kCoarseSettleNanoseconds = 2'000'000'000;

// The file last read, with an index of its entries.
struct CachedProfile {
    std::filesystem::path file;
    FileIdentity identity;
    std::string bytes;
    std::unique_ptr<CProfileIndex> index; // views into bytes
};

std::mutex s_cacheMutex;
std::unique_ptr<CachedProfile> s_cache;

long long nanoseconds(const timespec &t)
{
    return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}

bool settled(const FileIdentity &identity)
{
    timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    const timespec &last = nanoseconds(identity.changed) > nanoseconds(identity.modified)
        ? identity.changed
        : identity.modified;
    const long long margin = last.tv_nsec == 0 ? kCoarseSettleNanoseconds : kSettleNanoseconds;
    return nanoseconds(now) - nanoseconds(last) > margin;
}

std::optional<std::string> decoded(std::optional<std::string_view> stored)
{
    if (!stored)
        return std::nullopt;
    return DecodeProfileValue(*stored);
}

std::optional<std::string> lookUp(
    const std::filesystem::path &file, std::string_view section, std::string_view entry)
{
    const std::lock_guard<std::mutex> guard(s_cacheMutex);
    struct stat status;
    if (::stat(file.c_str(), &status) != 0)
        return std::nullopt;
    if (s_cache && s_cache->file == file && s_cache->identity == FileIdentity::Of(status))
        return decoded(s_cache->index->Find(section, entry));

    auto fresh = std::make_unique<CachedProfile>();
    std::string error;
    if (ReadWholeFile(file, fresh->bytes, fresh->identity, error) != FileReadResult::Read)
        return std::nullopt;
    if (!settled(fresh->identity)) {
        // One walk costs less than an index that would not be used again.
        s_cache.reset();
        return decoded(FindStoredValue(fresh->bytes, section, entry));
    }
    fresh->file = file;
    fresh->index = std::make_unique<CProfileIndex>(fresh->bytes);
    s_cache = std::move(fresh);
    return decoded(s_cache->index->Find(section, entry));
}

// The file that a symbolic link at `file` leads to (a link that leads nowhere
// included), so that writing replaces that file and keeps the link.
std::filesystem::path followLinks(std::filesystem::path file)
{
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code failed;
        if (!std::filesystem::is_symlink(file, failed))
            break;
        const std::filesystem::path target = std::filesystem::read_symlink(file, failed);
        if (failed)
            break;
        file = target.is_absolute() ? target : (file.parent_path() / target).lexically_normal();
    }
    return file;
}

bool writeEntry(const std::filesystem::path &file, std::string_view section, std::string_view entry,
    const std::optional<std::string> &value, std::string &error)
{
    if (file.empty()) {
        error = "no profile file was named";
        return false;
    }
    if (std::string reason; !CheckProfileNames(section, entry, reason)) {
        error = "cannot write \"" + file.string() + "\": " + reason;
        return false;
    }
    const std::filesystem::path target = followLinks(file);
    struct stat status;
    if (!value && ::stat(target.c_str(), &status) != 0 && errno == ENOENT)
        return true;
    if (!CreateFolders(target.parent_path(), error))
        return false;

    std::filesystem::path lockFile = target;
    lockFile += ".lock";
    CFileLock lock;
    if (!lock.Acquire(lockFile, kLockPatience, error))
        return false;
    // Read under the lock: what another program wrote a moment ago stays.
    std::string bytes;
    FileIdentity identity;
    if (ReadWholeFile(target, bytes, identity, error) == FileReadResult::Failed)
        return false;
    std::optional<std::string> stored;
    if (value)
        stored = EncodeProfileValue(*value);
    const std::optional<std::string> edited = EditProfileText(
        bytes, section, entry, stored ? std::optional<std::string_view>(*stored) : std::nullopt);
    if (!edited)
        return true;
    return ReplaceFileAtomically(target, *edited, error);
}

} // namespace

std::string ReadProfileEntry(const std::filesystem::path &file, std::string_view section,
    std::string_view entry, std::string_view defaultValue)
{
    try {
        if (std::optional<std::string> value = lookUp(file, section, entry))
            return std::move(*value);
    } catch (const std::exception &) {
        // A file too big to hold reads as missing.
    }
    while (!defaultValue.empty() && defaultValue.back() == ' ')
        defaultValue.remove_suffix(1);
    return std::string(defaultValue);
}

std::optional<std::string> FindProfileEntry(
    const std::filesystem::path &file, std::string_view section, std::string_view entry)
{
    try {
        return lookUp(file, section, entry);
    } catch (const std::exception &) {
        return std::nullopt; // a file too big to hold reads as missing
    }
}

bool WriteProfileEntry(const std::filesystem::path &file, std::string_view section,
    std::string_view entry, const std::optional<std::string> &value, std::string &error)
{
    error.clear();
    try {
        return writeEntry(file, section, entry, value, error);
    } catch (const std::bad_alloc &) {
        error = "not enough memory to write \"" + file.string() + "\"";
        return false;
    } catch (const std::exception &failure) {
        error = "cannot write \"" + file.string() + "\": " + failure.what();
        return false;
    }
}

bool WriteProfileEntry(const std::filesystem::path &file, std::string_view section,
    std::string_view entry, const std::optional<std::string> &value)
{
    std::string error;
    return WriteProfileEntry(file, section, entry, value, error);
}

#include "reminders/profile.h"

#include "reminders/atomic_file.h"
#include "reminders/file_lock.h"
#include "reminders/profile_edit.h"
#include "reminders/profile_files.h"
#include "reminders/profile_text.h"
#include "reminders/value_encoding.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <exception>
#include <new>
#include <sys/stat.h>

namespace {

// How long a write waits for another program to finish its own.
constexpr std::chrono::milliseconds kLockPatience(10'000);

bool checkNames(const std::filesystem::path &file, const ProfileChange &change, std::string &error)
{
    std::string reason;
    if (CheckProfileNames(change.section, change.entry.value_or(""), reason))
        return true;
    error = FillSentence(Translate("Files", "cannot write \"%1\": %2"), {file.string(), reason});
    return false;
}

// The text after the change; nothing when it does not change the text.
std::optional<std::string> applied(std::string_view text, const ProfileChange &change)
{
    if (!change.entry)
        return RemoveProfileSection(text, change.section);
    if (!change.value)
        return EditProfileText(text, change.section, *change.entry, std::nullopt);
    const std::string stored = EncodeProfileValue(*change.value);
    return EditProfileText(text, change.section, *change.entry, stored);
}

bool writeEntries(
    const std::filesystem::path &file, std::span<const ProfileChange> changes, std::string &error)
{
    if (file.empty()) {
        error = Translate("Files", "no profile file was named");
        return false;
    }
    for (const ProfileChange &change : changes) {
        if (!checkNames(file, change, error))
            return false;
    }
    std::filesystem::path target;
    if (!ResolveFileLinks(file, target, error))
        return false;
    const bool onlyRemovals = std::none_of(
        changes.begin(), changes.end(), [](const ProfileChange &c) { return c.value.has_value(); });
    struct stat status;
    if (onlyRemovals && ::stat(target.c_str(), &status) != 0 && errno == ENOENT)
        return true;
    if (!CreateFolders(target.parent_path(), error))
        return false;

    std::filesystem::path lockFile = target;
    lockFile += kProfileLockSuffix;
    CFileLock lock;
    if (!lock.Acquire(lockFile, kLockPatience, error))
        return false;
    // Read under the lock: what another program wrote a moment ago stays.
    std::string bytes;
    FileIdentity identity;
    if (ReadWholeFile(target, bytes, identity, error) == FileReadResult::Failed)
        return false;
    std::string text = bytes;
    for (const ProfileChange &change : changes) {
        if (std::optional<std::string> edited = applied(text, change))
            text = std::move(*edited);
    }
    if (text == bytes)
        return true;
    return ReplaceFileAtomically(target, text, error);
}

} // namespace

ProfileChange ProfileChange::Set(
    std::string_view section, std::string_view entry, std::string value)
{
    return {std::string(section), std::string(entry), std::move(value)};
}

ProfileChange ProfileChange::Remove(std::string_view section, std::string_view entry)
{
    return {std::string(section), std::string(entry), std::nullopt};
}

ProfileChange ProfileChange::RemoveSection(std::string_view section)
{
    return {std::string(section), std::nullopt, std::nullopt};
}

std::optional<std::string> FindProfileEntry(
    const std::filesystem::path &file, std::string_view section, std::string_view entry)
{
    try {
        std::string bytes, error;
        FileIdentity identity;
        if (ReadWholeFile(file, bytes, identity, error) != FileReadResult::Read)
            return std::nullopt;
        if (const std::optional<std::string_view> stored = FindStoredValue(bytes, section, entry))
            return DecodeProfileValue(*stored);
    } catch (const std::exception &) {
        // A file too big to hold reads as missing.
    }
    return std::nullopt;
}

std::string ReadProfileEntry(const std::filesystem::path &file, std::string_view section,
    std::string_view entry, std::string_view defaultValue)
{
    if (std::optional<std::string> value = FindProfileEntry(file, section, entry))
        return std::move(*value);
    return MissingEntryValue(defaultValue);
}

bool WriteProfileEntries(
    const std::filesystem::path &file, std::span<const ProfileChange> changes, std::string &error)
{
    error.clear();
    try {
        return writeEntries(file, changes, error);
    } catch (const std::bad_alloc &) {
        error =
            FillSentence(Translate("Files", "not enough memory to write \"%1\""), {file.string()});
        return false;
    } catch (const std::exception &failure) {
        error = FillSentence(
            Translate("Files", "cannot write \"%1\": %2"), {file.string(), failure.what()});
        return false;
    }
}

bool WriteProfileEntry(const std::filesystem::path &file, std::string_view section,
    std::string_view entry, const std::optional<std::string> &value, std::string &error)
{
    const ProfileChange change =
        value ? ProfileChange::Set(section, entry, *value) : ProfileChange::Remove(section, entry);
    return WriteProfileEntries(file, std::span(&change, 1), error);
}

bool WriteProfileEntry(const std::filesystem::path &file, std::string_view section,
    std::string_view entry, const std::optional<std::string> &value)
{
    std::string error;
    return WriteProfileEntry(file, section, entry, value, error);
}

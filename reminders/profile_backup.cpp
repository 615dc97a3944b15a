#include "reminders/profile_backup.h"

#include "reminders/atomic_file.h"
#include "reminders/file_lock.h"
#include "reminders/output_file.h"
#include "reminders/profile_files.h"
#include "reminders/profile_text.h"
#include "reminders/reminder_entries.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <exception>

namespace {

// How long a restore waits for another program to finish its write.
constexpr std::chrono::milliseconds kLockPatience(10'000);

// The sections this program writes; a profile holds at least one of them.
constexpr std::string_view kProfileSections[] = {kReminderSection, kAlarmSection, kDefaultsSection,
    kHijriMonthStartsSection, "Recent File List", "Settings", "CalendarServer"};

constexpr const char *kNoProfileFormat =
    "\"%s\" is not a backup of the reminders: it holds none of the sections of a profile "
    "([Reminder], [Alarm], [Defaults]); choose a file that Back Up Reminders wrote";
constexpr const char *kBinaryFormat =
    "\"%s\" is not a backup of the reminders: it holds bytes that are no text";
constexpr const char *kNothingToBackUpFormat =
    "there is nothing to back up yet: the profile \"%s\" does not exist, since no reminder or "
    "setting was kept so far";
constexpr const char *kRestoreFromProfileFormat =
    "cannot restore from \"%s\": %s; choose a backup that Back Up Reminders wrote";

std::string format(const char *pattern, const std::string &a, const std::string &b = {})
{
    const int size = std::snprintf(nullptr, 0, pattern, a.c_str(), b.c_str());
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), pattern, a.c_str(), b.c_str());
    text.resize(static_cast<std::size_t>(size));
    return text;
}

bool holdsProfileSection(std::string_view text)
{
    CProfileLines lines(text);
    for (ProfileLine line; lines.Next(line);) {
        if (line.kind != ProfileLineKind::Section)
            continue;
        for (const std::string_view section : kProfileSections)
            if (ProfileNamesEqual(line.name, section))
                return true;
    }
    return false;
}

bool restore(const std::filesystem::path &profile, std::string_view bytes, std::string &error)
{
    if (profile.empty()) {
        error = "no profile file was named";
        return false;
    }
    std::filesystem::path target;
    if (!ResolveFileLinks(profile, target, error) || !CreateFolders(target.parent_path(), error))
        return false;
    CFileLock lock;
    if (!lock.Acquire(ProfileFilePath(profile, ProfileFile::Lock), kLockPatience, error))
        return false;
    std::string before;
    FileIdentity identity;
    switch (ReadWholeFile(target, before, identity, error)) {
    case FileReadResult::Failed:
        return false;
    case FileReadResult::Read:
        if (!ReplaceFileAtomically(ProfileFilePath(profile, ProfileFile::Backup), before, error))
            return false;
        break;
    case FileReadResult::Missing:
        break;
    }
    return ReplaceFileAtomically(target, bytes, error);
}

} // namespace

bool BackUpProfile(
    const std::filesystem::path &profile, const std::filesystem::path &file, std::string &error)
{
    std::string bytes;
    FileIdentity identity;
    switch (ReadWholeFile(profile, bytes, identity, error)) {
    case FileReadResult::Failed:
        return false;
    case FileReadResult::Missing:
        error = format(kNothingToBackUpFormat, profile.string());
        return false;
    case FileReadResult::Read:
        break;
    }
    OutputRules rules;
    rules.profiles = {profile};
    rules.waitForReader = false; // a window asks: a pipe nobody reads is refused
    return WriteOutputFile(file, bytes, rules, error);
}

bool ReadProfileBackup(const std::filesystem::path &file, const std::filesystem::path &profile,
    ProfileBackup &backup, std::string &error)
{
    const ProfileFile kind = WhichProfileFile(file, profile);
    if (kind != ProfileFile::None && kind != ProfileFile::Backup) {
        error = format(kRestoreFromProfileFormat, file.string(), ProfileFileProblem(file, profile));
        return false;
    }
    FileIdentity identity;
    if (ReadWholeFile(file, backup.bytes, identity, error) != FileReadResult::Read) {
        if (error.empty())
            error = FileError("cannot read", file, ENOENT);
        return false;
    }
    if (backup.bytes.find('\0') != std::string::npos) {
        error = format(kBinaryFormat, file.string());
        return false;
    }
    if (!holdsProfileSection(backup.bytes)) {
        error = format(kNoProfileFormat, file.string());
        return false;
    }
    backup.reminders = static_cast<int>(ListStoredEntries(backup.bytes, kReminderSection).size());
    return true;
}

bool RestoreProfile(
    const std::filesystem::path &profile, std::string_view bytes, std::string &error)
{
    error.clear();
    try {
        return restore(profile, bytes, error);
    } catch (const std::exception &failure) {
        error = "cannot restore \"" + profile.string() + "\": " + failure.what();
        return false;
    }
}

#include "reminders/profile_backup.h"

#include "reminders/atomic_file.h"
#include "reminders/file_lock.h"
#include "reminders/output_file.h"
#include "reminders/profile_files.h"
#include "reminders/profile_text.h"
#include "reminders/reminder_entries.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <cerrno>
#include <chrono>
#include <exception>

namespace {

// How long a restore waits for another program to finish its write.
constexpr std::chrono::milliseconds kLockPatience(10'000);

// The sections this program writes; a profile holds at least one of them.
constexpr std::string_view kProfileSections[] = {kReminderSection, kAlarmSection, kDefaultsSection,
    kHijriMonthStartsSection, "Recent File List", "Settings", "CalendarServer"};

std::string noProfile(const std::filesystem::path &file)
{
    return FillSentence(Translate("Files",
                            "\"%1\" is not a backup of the reminders: it holds none of the "
                            "sections of a profile ([Reminder], [Alarm], [Defaults]); choose a "
                            "file that Back Up Reminders wrote"),
        {file.string()});
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
        error = Translate("Files", "no profile file was named");
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
        error = FillSentence(Translate("Files",
                                 "there is nothing to back up yet: the profile \"%1\" does not "
                                 "exist, since no reminder or setting was kept so far"),
            {profile.string()});
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
        error = FillSentence(Translate("Files",
                                 "cannot restore from \"%1\": %2; choose a backup that Back Up "
                                 "Reminders wrote"),
            {file.string(), ProfileFileProblem(file, profile)});
        return false;
    }
    FileIdentity identity;
    if (ReadWholeFile(file, backup.bytes, identity, error) != FileReadResult::Read) {
        if (error.empty())
            error = FileError(Translate("Files", "cannot read \"%1\": %2"), file, ENOENT);
        return false;
    }
    if (backup.bytes.find('\0') != std::string::npos) {
        error = FillSentence(
            Translate("Files",
                "\"%1\" is not a backup of the reminders: it holds bytes that are no text"),
            {file.string()});
        return false;
    }
    if (!holdsProfileSection(backup.bytes)) {
        error = noProfile(file);
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
        error = FillSentence(
            Translate("Files", "cannot restore \"%1\": %2"), {profile.string(), failure.what()});
        return false;
    }
}

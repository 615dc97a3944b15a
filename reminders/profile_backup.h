// Backing the profile up to a file the user names, and restoring it from
// such a file. A backup is a copy of the profile's bytes. A restore
// replaces the profile whole, atomically, under the lock that its writers
// take turns on (so that no write of another program is lost in between or
// torn), and first keeps the profile as it was in its backup file beside it
// (ProfileFilePath(profile, ProfileFile::Backup): "zamanix.INI.bak"), so
// that a restore can itself be undone by restoring from that file.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Writes a copy of `profile` to `file` by the rules of output_file.h (a
// file replaced whole and atomically, through links to their target, a pipe
// written as a stream; never the profile or one of its files). False, with
// `error` saying why in words fit to show, when nothing was written: the
// profile missing (no reminder or setting was ever kept) or unreadable.
bool BackUpProfile(
    const std::filesystem::path &profile, const std::filesystem::path &file, std::string &error);

// A backup read back: its bytes and how many reminders it holds.
struct ProfileBackup {
    std::string bytes;
    int reminders = 0;
};

// Reads `file` as a backup of `profile`. False, with `error` saying why,
// when it cannot be read, is the profile itself (or its lock or temporary
// file), or is no profile: a file that holds a NUL byte, or none of the
// program's sections ([Reminder], [Alarm], [Defaults] and the others).
bool ReadProfileBackup(const std::filesystem::path &file, const std::filesystem::path &profile,
    ProfileBackup &backup, std::string &error);

// Replaces `profile` with `bytes`, the profile as it was kept in its backup
// file first. A profile that does not exist yet is created (and leaves no
// backup). A read-only profile is never replaced. False, with `error`, when
// the profile is as it was.
bool RestoreProfile(
    const std::filesystem::path &profile, std::string_view bytes, std::string &error);

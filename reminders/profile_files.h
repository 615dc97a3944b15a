// The files that belong to the profile: the profile itself, the lock that
// its writers take turns on, the temporary file through which it is
// replaced, and the backup kept when it is restored. Only the store writes
// them; every other writer of the program (a saved document, an export, a
// printout to a file) asks here first and refuses them, whatever name or
// link leads there.
#pragma once

#include <filesystem>
#include <string>

// "<profile>.lock": the lock file of the profile's writers (file_lock.h).
inline constexpr const char *kProfileLockSuffix = ".lock";
// "<profile>.bak": the profile as it was before a restore replaced it.
inline constexpr const char *kProfileBackupSuffix = ".bak";

enum class ProfileFile { None, Profile, Lock, Temporary, Backup };

// The file of `kind` of the profile `profile`, its links followed as the
// store follows them ("<profile>.lock" of the file the links lead to).
// Empty for ProfileFile::None, or when the links cannot be followed.
std::filesystem::path ProfileFilePath(const std::filesystem::path &profile, ProfileFile kind);

// Which of the profile's files `path` names: the same file by any name,
// symbolic link or hard link, or the same place before the file exists.
// None when it is none of them, or when `profile` is empty.
ProfileFile WhichProfileFile(
    const std::filesystem::path &path, const std::filesystem::path &profile);

// Why `path` must not be written by anything but the store, in words fit to
// follow the path in a message ("it is the lock file of the profile
// \"/home/u/.config/zamanix.INI\", which holds the reminders and settings");
// empty when it is none of the profile's files.
std::string ProfileFileProblem(
    const std::filesystem::path &path, const std::filesystem::path &profile);

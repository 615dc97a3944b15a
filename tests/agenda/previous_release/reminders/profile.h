// The profile: the INI file that holds every reminder, alarm and setting of
// the program, read and written by section and entry name, with the rules of
// the classic private-profile functions.
//
// Reading: names match regardless of (ASCII) case and of blanks around
// them; the value comes back whole, blanks around it trimmed and one
// matching pair of quotes around it removed (see value_encoding.h for the
// forms the writer uses). A missing file, section or entry gives the
// default, less its trailing spaces. A file that cannot be read, or holds
// any bytes at all, never makes a read fail: it reads what it can. Each
// read reads the file afresh, so it always sees the file as it is on disk;
// for many lookups in one go, take a CProfileSnapshot (profile_snapshot.h).
//
// Writing changes the entries asked for and keeps every other byte of the
// file. The file is replaced atomically under a lock shared by every program
// that writes it (the lock file is "<file>.lock"), after reading it afresh
// under that lock, so that a crash never leaves a torn file and two programs
// never lose each other's entries; the changes of one call land together or
// not at all. Symbolic links on the way to the file are followed as the
// kernel follows them (the file a link leads to is replaced, and locked). A
// file whose permissions make it read-only is never replaced. The file and
// its folders are created by the first write.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace previous_release {

std::string ReadProfileEntry(const std::filesystem::path &file, std::string_view section,
    std::string_view entry, std::string_view defaultValue);

// The entry's value; nothing when the file, the section or the entry is
// missing. A present empty value is "".
std::optional<std::string> FindProfileEntry(
    const std::filesystem::path &file, std::string_view section, std::string_view entry);

// One change of a write: an entry set or removed, or a whole section removed
// (with its entries and any later section of its name; see
// RemoveProfileSection). Removing what does not exist is no error.
struct ProfileChange {
    std::string section;
    std::optional<std::string> entry; // none: the whole section
    std::optional<std::string> value; // none: remove

    static ProfileChange Set(std::string_view section, std::string_view entry, std::string value);
    static ProfileChange Remove(std::string_view section, std::string_view entry);
    static ProfileChange RemoveSection(std::string_view section);
};

// Makes the changes, in order, in one replacement of the file. Returns false
// when the file could not be written; `error` then says what failed, and
// where, in words fit to show the user ("cannot write
// "/home/u/.config/zamanix.INI.new": No space left on device"), and the file
// is as it was. A write that changes nothing leaves the file untouched.
bool WriteProfileEntries(
    const std::filesystem::path &file, std::span<const ProfileChange> changes, std::string &error);

// One change: sets the entry to `value`, or removes it when there is no
// value (the section's line stays).
bool WriteProfileEntry(const std::filesystem::path &file, std::string_view section,
    std::string_view entry, const std::optional<std::string> &value, std::string &error);

bool WriteProfileEntry(const std::filesystem::path &file, std::string_view section,
    std::string_view entry, const std::optional<std::string> &value);

} // namespace previous_release

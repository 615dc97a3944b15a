// The profile: the INI file that holds every reminder, alarm and setting of
// the program, read and written one entry at a time by section and entry
// name, with the rules of the classic private-profile functions.
//
// Reading: names match regardless of (ASCII) case and of blanks around
// them; the value comes back whole, blanks around it trimmed and one
// matching pair of quotes around it removed (see value_encoding.h for the
// forms the writer uses). A missing file, section or entry gives the
// default, less its trailing spaces. A file that cannot be read, or holds
// any bytes at all, never makes a read fail: it reads what it can.
//
// Writing changes one entry and keeps every other byte of the file. The file
// is replaced atomically under a lock shared by every program that writes it
// (the lock file is "<file>.lock"), after reading it afresh under that lock,
// so that a crash never leaves a torn file and two programs never lose each
// other's entries. A symbolic link in the file's place is followed (the file
// it leads to is replaced, and locked). The file and its folders are created
// by the first write.
//
// Every read sees the file as it is on disk: what is remembered between
// reads is checked against the file's inode, size and times first.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

std::string ReadProfileEntry(const std::filesystem::path &file, std::string_view section,
    std::string_view entry, std::string_view defaultValue);

// The entry's value, read as ReadProfileEntry reads it, or nullopt when the
// file, the section or the entry is missing: an entry with an empty value is
// found.
std::optional<std::string> FindProfileEntry(
    const std::filesystem::path &file, std::string_view section, std::string_view entry);

// Sets the entry to `value`, or removes it when there is no value (removing
// an entry that does not exist is no error, and leaves the section's line).
// Returns false when the file could not be written; `error` then says what
// failed, and where, in words fit to show the user ("cannot write
// "/home/u/.config/zamanix.INI.new": No space left on device"). The file is
// then as it was.
bool WriteProfileEntry(const std::filesystem::path &file, std::string_view section,
    std::string_view entry, const std::optional<std::string> &value, std::string &error);

bool WriteProfileEntry(const std::filesystem::path &file, std::string_view section,
    std::string_view entry, const std::optional<std::string> &value);

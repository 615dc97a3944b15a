// One read of the profile that answers any number of lookups, for a user
// that asks many at once (the due check, a month of reminders, a list of
// them all). Its answers are those of ReadProfileEntry on the file as it was
// when the snapshot read it, with the same rules for case, blanks, quotes
// and duplicates.
//
// Refresh re-reads the file only when its identity changed: the device and
// inode of the file the path leads to, its size, and its modification and
// change times. A file replaced by rename, the way every writer of the
// profile replaces it, always gets a new inode: the snapshot keeps the file
// it read open, so that inode cannot be reused while the snapshot holds it.
// The one change identity checks can miss is a rewrite of the file in place
// (a hand edit by an editor that does not rename) that keeps its size and
// falls within the same tick of the file system's clock as the change before
// it; the next change of the file brings it in.
//
// A snapshot owns what it read and shares nothing with other snapshots, so
// it needs no lock of its own; copies share the read bytes, which never
// change. It reads no clock.
#pragma once

#include "reminders/atomic_file.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An entry of a section: its name as the file spells it, and its value.
struct ProfileEntryValue {
    std::string name;
    std::string value;
};

class CProfileSnapshot {
public:
    // A snapshot of no file: every lookup finds nothing.
    CProfileSnapshot() = default;
    explicit CProfileSnapshot(const std::filesystem::path &file);

    // Reads the file now; a file that is missing or cannot be read gives an
    // empty snapshot (ReadProfileEntry's rule). Returns false when a file
    // stands there that could not be read (or is too big to hold); `error`,
    // where given, then says why.
    bool Load(const std::filesystem::path &file, std::string *error = nullptr);
    // Reads the file again when its identity changed since the last read.
    // Returns whether the answers changed (the bytes differ).
    bool Refresh();

    const std::filesystem::path &File() const { return m_file; }

    // The entry's value; nothing when the file, section or entry is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view entry) const;
    // The value, or the default less its trailing spaces.
    std::string Get(
        std::string_view section, std::string_view entry, std::string_view defaultValue) const;
    // The entries of the section that lookups read, in file order: of two
    // entries with one name (regardless of case) only the first, and only
    // the first section of a name.
    std::vector<ProfileEntryValue> Entries(std::string_view section) const;

private:
    struct Contents;

    bool read(const std::filesystem::path &file, std::string &error);

    std::filesystem::path m_file;
    std::optional<FileIdentity> m_identity; // none: no file stood there when read
    std::shared_ptr<const Contents> m_pContents;
};

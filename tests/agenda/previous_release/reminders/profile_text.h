// The profile's text as the reader sees it: lines and their kinds, and the
// entries that lookups find.
//
// Rules: a line whose first non-blank character is ";" is a comment; one
// whose first non-blank character is "[" starts a section, named by the text
// up to the first "]" (or to the end of the line when "]" is missing), blanks
// trimmed; any other line holding "=" is an entry, its name before the first
// "=" and its stored value after it, both trimmed; the rest are kept but mean
// nothing. Lines end in LF, CRLF or CR. Names compare regardless of ASCII
// case. Entries before the first section are never found; of two sections
// with one name only the first counts, and of two entries with one name in
// it, only the first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace previous_release {

enum class ProfileLineKind { Other, Comment, Section, Entry };

struct ProfileLine {
    ProfileLineKind kind = ProfileLineKind::Other;
    std::size_t begin = 0; // offset of the line's first byte
    std::size_t end = 0; // offset just past its text, before the line end
    std::size_t next = 0; // offset of the next line
    std::string_view name; // section or entry name, trimmed
    std::string_view value; // an entry's stored value, trimmed, not decoded
};

// Walks the lines of a text once, in time linear in its length whatever
// the bytes are.
class CProfileLines {
public:
    explicit CProfileLines(std::string_view text);
    bool Next(ProfileLine &line);

private:
    std::string_view m_strText;
    std::size_t m_nPos = 0;
    std::size_t m_nNextLf = 0; // next LF at or after m_nPos, or the text's size
    std::size_t m_nNextCr = 0;
    bool m_bSearched = false;
};

bool ProfileNamesEqual(std::string_view a, std::string_view b);

// The stored text of an entry, found by walking the lines.
std::optional<std::string_view> FindStoredValue(
    std::string_view text, std::string_view section, std::string_view entry);

// An entry as a section lists it: its name as spelled and its stored value.
using StoredEntry = std::pair<std::string_view, std::string_view>;

// The entries of the section that lookups read, in the order of the text,
// each name once (its first entry), found by walking the lines.
std::vector<StoredEntry> ListStoredEntries(std::string_view text, std::string_view section);

// Every entry that a lookup can find, for lookups in constant time. Holds
// views into the text, which must outlive the index and stay where it is.
// A text of 4 GiB or more is not indexed: Find and Entries then walk it.
class CProfileIndex {
public:
    explicit CProfileIndex(std::string_view text);
    std::optional<std::string_view> Find(std::string_view section, std::string_view entry) const;
    // What ListStoredEntries gives, without walking the text.
    std::vector<StoredEntry> Entries(std::string_view section) const;

private:
    struct NameHash {
        std::size_t operator()(std::string_view name) const noexcept;
    };
    struct NameEqual {
        bool operator()(std::string_view a, std::string_view b) const noexcept
        {
            return ProfileNamesEqual(a, b);
        }
    };
    // An entry found, by offsets into the text, which is below 4 GiB.
    struct Entry {
        std::uint32_t hash;
        std::uint32_t section;
        std::uint32_t nameBegin, nameSize;
        std::uint32_t valueBegin, valueSize;
    };

    static std::uint32_t entryHash(std::uint32_t section, std::string_view name);
    // Position of the entry's slot, or of the free slot where it belongs.
    std::size_t slotOf(std::uint32_t hash, std::uint32_t section, std::string_view name) const;
    void add(std::uint32_t section, std::string_view name, std::string_view value);
    void grow();

    std::string_view m_strText;
    // Section numbers from 1, for the first section of each name.
    std::unordered_map<std::string_view, std::uint32_t, NameHash, NameEqual> m_sections;
    // In the order of the text; those of a section stand together, from
    // m_sectionStarts[section - 1] to the next section's start.
    std::vector<Entry> m_entries;
    std::vector<std::uint32_t> m_sectionStarts;
    // Open addressing: 0 for a free slot, else an entry's position plus one.
    // A power of two in size, at most half full.
    std::vector<std::uint32_t> m_slots;
};

} // namespace previous_release

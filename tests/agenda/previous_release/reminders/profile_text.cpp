#include "tests/agenda/previous_release/reminders/profile_text.h"

#include "tests/agenda/previous_release/reminders/value_encoding.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <unordered_set>

namespace previous_release {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Position of `c` at or after `from`, or the text's size.
std::size_t findByte(std::string_view text, std::size_t from, char c)
{
    const void *hit = std::memchr(text.data() + from, c, text.size() - from);
    return hit ? static_cast<const char *>(hit) - text.data() : text.size();
}

void classify(std::string_view text, ProfileLine &line)
{
    const std::string_view content = TrimProfileBlanks(text);
    line.name = {};
    line.value = {};
    if (content.empty()) {
        line.kind = ProfileLineKind::Other;
    } else if (content.front() == ';') {
        line.kind = ProfileLineKind::Comment;
    } else if (content.front() == '[') {
        line.kind = ProfileLineKind::Section;
        const std::size_t close = content.find(']');
        line.name = TrimProfileBlanks(content.substr(1, close == content.npos ? close : close - 1));
    } else if (const std::size_t equals = content.find('='); equals != content.npos) {
        line.kind = ProfileLineKind::Entry;
        line.name = TrimProfileBlanks(content.substr(0, equals));
        line.value = TrimProfileBlanks(content.substr(equals + 1));
    } else {
        line.kind = ProfileLineKind::Other;
    }
}

} // namespace

CProfileLines::CProfileLines(std::string_view text)
    : m_strText(text)
{
}

bool CProfileLines::Next(ProfileLine &line)
{
    const std::string_view text = m_strText;
    if (m_nPos >= text.size())
        return false;
    // Each search starts where the last one ended, so no byte is looked at
    // twice, however many CRs stand between two LFs.
    if (!m_bSearched || m_nNextLf < m_nPos)
        m_nNextLf = findByte(text, m_nPos, '\n');
    if (!m_bSearched || m_nNextCr < m_nPos)
        m_nNextCr = findByte(text, m_nPos, '\r');
    m_bSearched = true;

    const std::size_t end = std::min(m_nNextLf, m_nNextCr);
    std::size_t next = end == text.size() ? end : end + 1;
    if (end == m_nNextCr && m_nNextLf == end + 1 && m_nNextLf < text.size())
        next = m_nNextLf + 1;

    line.begin = m_nPos;
    line.end = end;
    line.next = next;
    std::string_view content = text.substr(m_nPos, end - m_nPos);
    if (m_nPos == 0 && content.starts_with(kByteOrderMark))
        content.remove_prefix(kByteOrderMark.size());
    classify(content, line);
    m_nPos = next;
    return true;
}

bool ProfileNamesEqual(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

std::optional<std::string_view> FindStoredValue(
    std::string_view text, std::string_view section, std::string_view entry)
{
    section = TrimProfileBlanks(section);
    entry = TrimProfileBlanks(entry);
    CProfileLines lines(text);
    ProfileLine line;
    bool inSection = false;
    while (lines.Next(line)) {
        if (line.kind == ProfileLineKind::Section) {
            // Only the first section of the name counts.
            if (inSection)
                return std::nullopt;
            inSection = ProfileNamesEqual(line.name, section);
        } else if (inSection && line.kind == ProfileLineKind::Entry &&
            ProfileNamesEqual(line.name, entry)) {
            return line.value;
        }
    }
    return std::nullopt;
}

std::size_t CProfileIndex::NameHash::operator()(std::string_view name) const noexcept
{
    // FNV-1a over the lower-case bytes.
    std::size_t hash = 14695981039346656037ull;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(lowerAscii(c));
        hash *= 1099511628211ull;
    }
    return hash;
}

std::uint32_t CProfileIndex::entryHash(std::uint32_t section, std::string_view name)
{
    const std::size_t hash = NameHash()(name) ^ (section * 0x9E3779B97F4A7C15ull);
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

std::size_t CProfileIndex::slotOf(
    std::uint32_t hash, std::uint32_t section, std::string_view name) const
{
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        if (m_slots[i] == 0)
            return i;
        const Entry &e = m_entries[m_slots[i] - 1];
        if (e.hash == hash && e.section == section &&
            ProfileNamesEqual(m_strText.substr(e.nameBegin, e.nameSize), name))
            return i;
    }
}

void CProfileIndex::grow()
{
    m_slots.assign(m_slots.empty() ? 1024 : m_slots.size() * 2, 0);
    const std::size_t mask = m_slots.size() - 1;
    for (std::uint32_t n = 0; n < m_entries.size(); ++n) {
        std::size_t i = m_entries[n].hash & mask;
        while (m_slots[i] != 0)
            i = (i + 1) & mask;
        m_slots[i] = n + 1;
    }
}

void CProfileIndex::add(std::uint32_t section, std::string_view name, std::string_view value)
{
    if (2 * (m_entries.size() + 1) > m_slots.size())
        grow();
    const std::uint32_t hash = entryHash(section, name);
    std::uint32_t &slot = m_slots[slotOf(hash, section, name)];
    if (slot != 0)
        return; // the first entry of a name wins
    const auto offset = [&](std::string_view part) {
        return static_cast<std::uint32_t>(part.data() - m_strText.data());
    };
    m_entries.push_back({hash, section, offset(name), static_cast<std::uint32_t>(name.size()),
        offset(value), static_cast<std::uint32_t>(value.size())});
    slot = static_cast<std::uint32_t>(m_entries.size());
}

CProfileIndex::CProfileIndex(std::string_view text)
    : m_strText(text)
{
    if (text.size() >= UINT32_MAX)
        return;
    // Room for an entry on every line, up to a size that garbage with
    // millions of short lines cannot inflate: growing costs more than
    // reserving.
    std::size_t lineCount = 1;
    for (std::size_t at = 0; (at = findByte(text, at, '\n')) < text.size(); ++at)
        ++lineCount;
    const std::size_t expected = std::min<std::size_t>(lineCount, 1 << 16);
    m_entries.reserve(expected);
    std::size_t slots = 1024;
    while (slots < 2 * expected)
        slots *= 2;
    m_slots.assign(slots, 0);

    CProfileLines lines(text);
    ProfileLine line;
    std::uint32_t section = 0;
    while (lines.Next(line)) {
        if (line.kind == ProfileLineKind::Section) {
            const auto [it, added] = m_sections.try_emplace(
                line.name, static_cast<std::uint32_t>(m_sections.size() + 1));
            section = added ? it->second : 0;
            if (added)
                m_sectionStarts.push_back(static_cast<std::uint32_t>(m_entries.size()));
        } else if (section != 0 && line.kind == ProfileLineKind::Entry) {
            add(section, line.name, line.value);
        }
    }
}

std::optional<std::string_view> CProfileIndex::Find(
    std::string_view section, std::string_view entry) const
{
    if (m_strText.size() >= UINT32_MAX)
        return FindStoredValue(m_strText, section, entry);
    const auto s = m_sections.find(TrimProfileBlanks(section));
    if (s == m_sections.end() || m_slots.empty())
        return std::nullopt;
    entry = TrimProfileBlanks(entry);
    const std::uint32_t slot = m_slots[slotOf(entryHash(s->second, entry), s->second, entry)];
    if (slot == 0)
        return std::nullopt;
    const Entry &e = m_entries[slot - 1];
    return m_strText.substr(e.valueBegin, e.valueSize);
}

std::vector<StoredEntry> CProfileIndex::Entries(std::string_view section) const
{
    if (m_strText.size() >= UINT32_MAX)
        return ListStoredEntries(m_strText, section);
    std::vector<StoredEntry> entries;
    const auto s = m_sections.find(TrimProfileBlanks(section));
    if (s == m_sections.end())
        return entries;
    const std::size_t begin = m_sectionStarts[s->second - 1];
    const std::size_t end =
        s->second < m_sectionStarts.size() ? m_sectionStarts[s->second] : m_entries.size();
    entries.reserve(end - begin);
    for (std::size_t i = begin; i < end; ++i) {
        const Entry &e = m_entries[i];
        entries.emplace_back(
            m_strText.substr(e.nameBegin, e.nameSize), m_strText.substr(e.valueBegin, e.valueSize));
    }
    return entries;
}

std::vector<StoredEntry> ListStoredEntries(std::string_view text, std::string_view section)
{
    section = TrimProfileBlanks(section);
    std::vector<StoredEntry> entries;
    CProfileLines lines(text);
    ProfileLine line;
    bool inSection = false;
    std::unordered_set<std::string> seen; // lower-case names
    while (lines.Next(line)) {
        if (line.kind == ProfileLineKind::Section) {
            // Only the first section of the name counts.
            if (inSection)
                break;
            inSection = ProfileNamesEqual(line.name, section);
        } else if (inSection && line.kind == ProfileLineKind::Entry) {
            std::string name(line.name);
            std::transform(name.begin(), name.end(), name.begin(), lowerAscii);
            if (seen.insert(std::move(name)).second)
                entries.emplace_back(line.name, line.value);
        }
    }
    return entries;
}

} // namespace previous_release

#include "reminders/profile_text.h"

#include "reminders/value_encoding.h"

#include <algorithm>
#include <cstring>

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
    if (end == m_nNextCr && m_nNextLf == end + 1)
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

CProfileIndex::CProfileIndex(std::string_view text)
{
    CProfileLines lines(text);
    ProfileLine line;
    NameMap<std::string_view> *section = nullptr;
    while (lines.Next(line)) {
        if (line.kind == ProfileLineKind::Section) {
            const auto [it, added] = m_sections.try_emplace(line.name);
            section = added ? &it->second : nullptr;
        } else if (section && line.kind == ProfileLineKind::Entry) {
            section->try_emplace(line.name, line.value);
        }
    }
}

std::optional<std::string_view> CProfileIndex::Find(
    std::string_view section, std::string_view entry) const
{
    const auto s = m_sections.find(TrimProfileBlanks(section));
    if (s == m_sections.end())
        return std::nullopt;
    const auto e = s->second.find(TrimProfileBlanks(entry));
    if (e == s->second.end())
        return std::nullopt;
    return e->second;
}

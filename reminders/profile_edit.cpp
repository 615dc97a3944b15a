#include "reminders/profile_edit.h"

#include "reminders/profile_text.h"
#include "reminders/value_encoding.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <vector>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool hasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != text.npos;
}

// The line end of the text's first line.
std::string_view lineEndOf(std::string_view text)
{
    const std::size_t end = text.find_first_of("\r\n");
    if (end == text.npos || text[end] == '\n')
        return "\n";
    return end + 1 < text.size() && text[end + 1] == '\n' ? "\r\n" : "\r";
}

bool endsWithLineBreak(std::string_view text)
{
    return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

// What a walk over the text finds of the section that lookups read.
struct SectionFound {
    bool found = false;
    std::size_t insertAt = 0; // after the last entry, or after the section's line
    std::vector<ProfileLine> matches; // entries of the name, first one first
};

SectionFound findSection(std::string_view text, std::string_view section, std::string_view entry)
{
    SectionFound result;
    CProfileLines lines(text);
    ProfileLine line;
    while (lines.Next(line)) {
        if (line.kind == ProfileLineKind::Section) {
            if (result.found)
                break;
            result.found = ProfileNamesEqual(line.name, section);
            result.insertAt = line.next;
        } else if (result.found && line.kind == ProfileLineKind::Entry) {
            result.insertAt = line.next;
            if (ProfileNamesEqual(line.name, entry))
                result.matches.push_back(line);
        }
    }
    return result;
}

std::string replaced(std::string_view text, const ProfileLine &line, std::string_view stored)
{
    std::string out(text.substr(0, line.begin));
    out.append(line.name).append("=").append(stored);
    out.append(text.substr(line.end));
    return out;
}

std::string removed(std::string_view text, const std::vector<ProfileLine> &lines)
{
    std::string out;
    std::size_t kept = 0;
    for (const ProfileLine &line : lines) {
        out.append(text.substr(kept, line.begin - kept));
        kept = line.next;
    }
    out.append(text.substr(kept));
    // Only a mark at the very start is the file's byte order mark. One that
    // began a later line keeps a line before it, or the reader would skip it
    // and read that line anew (as a section, say).
    if (!lines.empty() && out.starts_with(kByteOrderMark) && !text.starts_with(kByteOrderMark)) {
        const ProfileLine &first = lines.front();
        out.insert(0, text.substr(first.end, first.next - first.end));
    }
    return out;
}

std::string inserted(std::string_view text, std::size_t at, std::string_view newLines)
{
    const std::string_view lineEnd = lineEndOf(text);
    std::string out(text.substr(0, at));
    // Only the text's last line can lack its line end.
    if (!out.empty() && !endsWithLineBreak(out))
        out.append(lineEnd);
    out.append(newLines);
    out.append(text.substr(at));
    return out;
}

} // namespace

bool CheckProfileNames(std::string_view section, std::string_view entry, std::string &error)
{
    section = TrimProfileBlanks(section);
    entry = TrimProfileBlanks(entry);
    if (hasLineBreak(section) || section.find(']') != section.npos) {
        error = FillSentence(
            Translate("Files", "the section name \"%1\" holds \"]\" or a line break"), {section});
        return false;
    }
    if (hasLineBreak(entry) || entry.find('=') != entry.npos || entry.starts_with(';') ||
        entry.starts_with('[')) {
        error = FillSentence(Translate("Files",
                                 "the entry name \"%1\" holds \"=\" or a line break, or starts "
                                 "with \";\" or \"[\""),
            {entry});
        return false;
    }
    return true;
}

std::optional<std::string> EditProfileText(std::string_view text, std::string_view section,
    std::string_view entry, const std::optional<std::string_view> &stored)
{
    section = TrimProfileBlanks(section);
    entry = TrimProfileBlanks(entry);
    const SectionFound found = findSection(text, section, entry);
    if (!stored) {
        if (found.matches.empty())
            return std::nullopt;
        return removed(text, found.matches);
    }
    if (!found.matches.empty()) {
        const ProfileLine &line = found.matches.front();
        if (text.substr(line.begin, line.end - line.begin) ==
            std::string(line.name) + "=" + std::string(*stored))
            return std::nullopt;
        return replaced(text, line, *stored);
    }
    const std::string_view lineEnd = lineEndOf(text);
    std::string newLines;
    if (found.found) {
        newLines.append(entry).append("=").append(*stored).append(lineEnd);
        return inserted(text, found.insertAt, newLines);
    }
    newLines.append("[").append(section).append("]").append(lineEnd);
    newLines.append(entry).append("=").append(*stored).append(lineEnd);
    return inserted(text, text.size(), newLines);
}

std::optional<std::string> RemoveProfileSection(std::string_view text, std::string_view section)
{
    section = TrimProfileBlanks(section);
    std::vector<ProfileLine> gone;
    CProfileLines lines(text);
    ProfileLine line;
    bool inSection = false;
    while (lines.Next(line)) {
        if (line.kind == ProfileLineKind::Section)
            inSection = ProfileNamesEqual(line.name, section);
        if (inSection &&
            (line.kind == ProfileLineKind::Section || line.kind == ProfileLineKind::Entry))
            gone.push_back(line);
    }
    if (gone.empty())
        return std::nullopt;
    // A byte order mark stays the file's first bytes.
    if (gone.front().begin == 0 && text.starts_with(kByteOrderMark))
        gone.front().begin = kByteOrderMark.size();
    return removed(text, gone);
}

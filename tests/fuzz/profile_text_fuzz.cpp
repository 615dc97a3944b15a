// Any bytes as a profile. Walking, looking up, indexing and editing never
// crash; the index finds what the walk finds; setting an entry makes it read
// back exactly and removing it makes it absent, while every other entry
// reads as before.
//
// Input: "section|entry|value" on the first line (the value's "\x01" stand
// for line feeds), then the profile's text.
#include "reminders/profile_edit.h"
#include "reminders/profile_text.h"
#include "reminders/value_encoding.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Every section and entry name the walk meets, and the lines fit together.
std::vector<std::pair<std::string_view, std::string_view>> namesIn(std::string_view text)
{
    std::vector<std::pair<std::string_view, std::string_view>> names;
    CProfileLines lines(text);
    ProfileLine line;
    std::string_view section;
    std::size_t expectedBegin = 0;
    bool inSection = false;
    while (lines.Next(line)) {
        check(line.begin == expectedBegin && line.begin <= line.end && line.end < line.next + 1);
        check(line.next > line.begin && line.next <= text.size());
        expectedBegin = line.next;
        if (line.kind == ProfileLineKind::Section) {
            section = line.name;
            inSection = true;
        } else if (line.kind == ProfileLineKind::Entry && inSection) {
            names.emplace_back(section, line.name);
        }
    }
    check(expectedBegin == text.size());
    return names;
}

// Lookups of every name in `names` give the same in both texts, except the
// edited entry.
void expectOthersUnchanged(std::string_view before, std::string_view after,
    const std::vector<std::pair<std::string_view, std::string_view>> &names,
    std::string_view section, std::string_view entry)
{
    const CProfileIndex old(before), changed(after);
    for (const auto &[s, e] : names) {
        if (ProfileNamesEqual(s, TrimProfileBlanks(section)) &&
            ProfileNamesEqual(e, TrimProfileBlanks(entry)))
            continue;
        check(old.Find(s, e) == changed.Find(s, e));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const std::size_t headerEnd = std::min(input.find('\n'), input.size());
    const std::string_view header = input.substr(0, headerEnd);
    const std::string_view text = input.substr(std::min(headerEnd + 1, input.size()));
    const std::size_t bar1 = std::min(header.find('|'), header.size());
    const std::size_t bar2 = std::min(header.find('|', bar1 + 1), header.size());
    const std::string_view section = header.substr(0, bar1);
    const std::string_view entry =
        header.substr(std::min(bar1 + 1, bar2), bar2 - std::min(bar1 + 1, bar2));
    std::string value(header.substr(std::min(bar2 + 1, header.size())));
    std::replace(value.begin(), value.end(), '\x01', '\n');

    const auto names = namesIn(text);
    const CProfileIndex index(text);
    check(index.Find(section, entry) == FindStoredValue(text, section, entry));
    for (const auto &[s, e] : names)
        check(index.Find(s, e) == FindStoredValue(text, s, e));
    check(index.Entries(section) == ListStoredEntries(text, section));

    // A removed section is gone with every entry of it, and the rest stays.
    if (const std::optional<std::string> cut = RemoveProfileSection(text, section)) {
        const CProfileIndex after(*cut);
        check(after.Entries(section).empty());
        for (const auto &[s, e] : names) {
            if (!ProfileNamesEqual(s, TrimProfileBlanks(section)))
                check(after.Find(s, e) == index.Find(s, e));
        }
    }

    std::string error;
    if (!CheckProfileNames(section, entry, error))
        return 0;
    const std::string stored = EncodeProfileValue(value);
    check(stored.find_first_of("\r\n") == std::string::npos);
    const std::optional<std::string> set = EditProfileText(text, section, entry, stored);
    const std::string_view afterSet = set ? std::string_view(*set) : text;
    const std::optional<std::string_view> found = FindStoredValue(afterSet, section, entry);
    check(found && DecodeProfileValue(*found) == value);
    expectOthersUnchanged(text, afterSet, names, section, entry);

    const std::optional<std::string> removed = EditProfileText(text, section, entry, std::nullopt);
    const std::string_view afterRemove = removed ? std::string_view(*removed) : text;
    check(!FindStoredValue(afterRemove, section, entry));
    expectOthersUnchanged(text, afterRemove, names, section, entry);
    return 0;
}

// Changing one entry of a profile's text while keeping every other byte:
// comments, blank lines, lines that are no entries, order, spelling and line
// ends stay as they are.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace previous_release {

// Whether an entry of these names, once written, is found again by them.
// A section name may not hold "]" or a line break; an entry name may not hold
// "=" or a line break, nor start with ";" or "[". On failure `error` says why.
bool CheckProfileNames(std::string_view section, std::string_view entry, std::string &error);

// The text with the entry set to `stored` (a value already encoded, without
// line breaks) or, with no `stored`, without the entry. Nothing when the text
// would not change.
//
// An existing entry keeps its line and the spelling of its name and becomes
// "name=stored". A new entry goes after the last entry of its section (after
// the section's line when it has none); a new section goes at the end of the
// text. New lines end the way the text's first line does (LF in a new file).
// Removing deletes every entry of the name in the section that lookups read,
// so that no older duplicate comes to light; the section's line stays.
std::optional<std::string> EditProfileText(std::string_view text, std::string_view section,
    std::string_view entry, const std::optional<std::string_view> &stored);

// The text without the section: every section of the name loses its line and
// its entries, so that no later one of the name comes to light. Comments,
// blank lines and lines that are no entries stay. Nothing when the text has
// no section of the name.
std::optional<std::string> RemoveProfileSection(std::string_view text, std::string_view section);

} // namespace previous_release

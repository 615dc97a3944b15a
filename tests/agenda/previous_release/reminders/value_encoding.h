// How a value is stored after the "=" of its entry line, and how the stored
// text is read back.
//
// A value is stored as it is whenever that reads back exactly, so ordinary
// values look the same as in any private-profile file. Two other forms are
// used only where the plain one would not read back:
//   - quoted: `"value"`, for a value with blanks at either end, a value that
//     is itself wrapped in a matching pair of quotes, and a value that looks
//     like the escaped form; the reader drops the pair.
//   - escaped: `\"text"` (a backslash, a double quote, the text, a double
//     quote), for a value holding a line break: inside, `\\` is a backslash,
//     `\n` a line feed and `\r` a carriage return. The stored text then has
//     no line break, so it cannot end its line early, start a section or
//     add an entry.
#pragma once

#include <string>
#include <string_view>

namespace previous_release {

// Space, tab and vertical tab: what the reader trims around names and values.
constexpr bool IsProfileBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v';
}

std::string_view TrimProfileBlanks(std::string_view text);

// The text to write after "=" so that DecodeProfileValue gives `value` back.
std::string EncodeProfileValue(std::string_view value);

// The value of a stored text that has already been trimmed of blanks.
std::string DecodeProfileValue(std::string_view stored);

// What a lookup gives for an entry that is missing: its default less the
// default's trailing spaces.
std::string MissingEntryValue(std::string_view defaultValue);

} // namespace previous_release

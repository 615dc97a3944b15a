// What of a text must not reach a terminal as it is. Control characters
// move the cursor, clear the screen or start an escape sequence, and the
// bidirectional overrides turn the text that follows around, so that a
// memo could show what it is not: the command-line programs write each of
// them as "\xHH", byte by byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Appends the character at the front of `text` (not empty) to `out`, and
// gives its length in bytes (1 for a byte that begins no UTF-8 character).
// Written as "\xHH" for each of its bytes: a C0 control or DEL, a C1
// control (U+0080 to U+009F), a byte 0x80 to 0x9F that begins no character
// (a C1 control to a terminal in an 8-bit mode), and a bidirectional
// embedding, override or isolate (U+202A to U+202E, U+2066 to U+2069).
// Every other character, the letters of every script among them, is
// appended as it is.
std::size_t AppendTerminalCharacter(std::string &out, std::string_view text);

// The text with every character to escape written as "\xHH".
std::string TerminalText(std::string_view text);

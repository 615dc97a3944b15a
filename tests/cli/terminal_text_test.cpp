// What the command-line programs write of a text to a terminal: controls of
// every kind and the bidirectional overrides escaped, every letter kept.
#include "cli/date_text.h"
#include "cli/terminal_text.h"

#include <gtest/gtest.h>

namespace {

TEST(TerminalText, ControlsAndOverridesAreEscapedLettersKept)
{
    const struct {
        const char *name;
        std::string text, shown;
    } cases[] = {
        {"an escape sequence", "\x1b[2J", "\\x1b[2J"},
        {"DEL", "a\x7f", "a\\x7f"},
        {"CSI as a character (U+009B)",
            "a\xc2\x9b"
            "31m",
            "a\\xc2\\x9b31m"},
        {"NEL (U+0085)", "\xc2\x85", "\\xc2\\x85"},
        {"a raw CSI byte",
            "\x9b"
            "31m",
            "\\x9b31m"},
        {"a right-to-left override",
            "\xe2\x80\xae"
            "evil",
            "\\xe2\\x80\\xae"
            "evil"},
        {"an embedding", "\xe2\x80\xaa", "\\xe2\\x80\\xaa"},
        {"the first and last isolates", "\xe2\x81\xa6\xe2\x81\xa9",
            "\\xe2\\x81\\xa6\\xe2\\x81\\xa9"},
        {"Arabic letters", "\xd8\xb1\xd9\x85\xd8\xb6\xd8\xa7\xd9\x86",
            "\xd8\xb1\xd9\x85\xd8\xb6\xd8\xa7\xd9\x86"},
        {"a no-break space (U+00A0)", "\xc2\xa0", "\xc2\xa0"},
        {"a letter whose second byte is 0x81", "\xc4\x81", "\xc4\x81"},
        {"the marks beside the overrides", "\xe2\x80\x8f\xe2\x81\xaa", "\xe2\x80\x8f\xe2\x81\xaa"},
        {"a character of four bytes", "\xf0\x9f\x8c\x99", "\xf0\x9f\x8c\x99"},
        {"an overlong form of CSI", "\xe0\x82\x9b", "\xe0\\x82\\x9b"},
        {"a character cut short", "\xe2\x80", "\xe2\\x80"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TerminalText(c.text), c.shown);
        EXPECT_EQ(QuoteInput(c.text), "\"" + c.shown + "\"") << "in an error message";
    }
}

} // namespace

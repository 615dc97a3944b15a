#include "cli/terminal_text.h"

#include <cstdio>

namespace {

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 character at the front of `text`
// (RFC 3629: no overlong forms, surrogates or code points past U+10FFFF),
// or 0 when none begins there; `codePoint` is its value.
std::size_t utf8Character(std::string_view text, char32_t &codePoint)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    codePoint = lead & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(byte(i)))
            return 0;
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    return length;
}

bool isBidiControl(char32_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

std::size_t AppendTerminalCharacter(std::string &out, std::string_view text)
{
    const unsigned char lead = static_cast<unsigned char>(text.front());
    char32_t codePoint = 0;
    std::size_t length = 1;
    bool escaped;
    if (lead < 0x80)
        escaped = lead < 0x20 || lead == 0x7F;
    else if ((length = utf8Character(text, codePoint)) != 0)
        escaped = codePoint <= 0x9F || isBidiControl(codePoint);
    else {
        length = 1;
        escaped = lead <= 0x9F;
    }
    if (!escaped) {
        out += text.substr(0, length);
        return length;
    }
    for (std::size_t i = 0; i < length; ++i) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(text[i]));
        out += hex;
    }
    return length;
}

std::string TerminalText(std::string_view text)
{
    std::string out;
    while (!text.empty())
        text.remove_prefix(AppendTerminalCharacter(out, text));
    return out;
}

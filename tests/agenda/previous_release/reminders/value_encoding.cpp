#include "tests/agenda/previous_release/reminders/value_encoding.h"

namespace previous_release {

namespace {

bool isLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

bool isQuote(char c)
{
    return c == '"' || c == '\'';
}

// The escaped form: backslash, quote, text, quote. Three characters at least,
// so that `\"` alone stays an ordinary value.
bool looksEscaped(std::string_view text)
{
    return text.size() >= 3 && text[0] == '\\' && text[1] == '"' && text.back() == '"';
}

bool hasMatchingQuotes(std::string_view text)
{
    return text.size() >= 2 && isQuote(text.front()) && text.back() == text.front();
}

// Whether the reader would give back something else than `value` when it is
// stored plain (it has no line break).
bool needsQuotes(std::string_view value)
{
    if (value.empty())
        return false;
    return IsProfileBlank(value.front()) || IsProfileBlank(value.back()) ||
        hasMatchingQuotes(value) || looksEscaped(value);
}

std::string escaped(std::string_view value)
{
    std::string out = "\\\"";
    out.reserve(value.size() + 8);
    for (const char c : value) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    out += '"';
    return out;
}

// Unknown escapes and a lone backslash at the end stay as they are, so a
// hand-edited value loses nothing.
std::string unescaped(std::string_view inner)
{
    std::string out;
    out.reserve(inner.size());
    for (std::size_t i = 0; i < inner.size(); ++i) {
        const char c = inner[i];
        if (c != '\\' || i + 1 == inner.size()) {
            out += c;
            continue;
        }
        const char next = inner[++i];
        if (next == '\\')
            out += '\\';
        else if (next == 'n')
            out += '\n';
        else if (next == 'r')
            out += '\r';
        else {
            out += '\\';
            out += next;
        }
    }
    return out;
}

} // namespace

std::string_view TrimProfileBlanks(std::string_view text)
{
    while (!text.empty() && IsProfileBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsProfileBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string EncodeProfileValue(std::string_view value)
{
    for (const char c : value) {
        if (isLineBreak(c))
            return escaped(value);
    }
    if (needsQuotes(value))
        return '"' + std::string(value) + '"';
    return std::string(value);
}

std::string DecodeProfileValue(std::string_view stored)
{
    if (looksEscaped(stored))
        return unescaped(stored.substr(2, stored.size() - 3));
    if (hasMatchingQuotes(stored))
        return std::string(stored.substr(1, stored.size() - 2));
    return std::string(stored);
}

std::string MissingEntryValue(std::string_view defaultValue)
{
    while (!defaultValue.empty() && defaultValue.back() == ' ')
        defaultValue.remove_suffix(1);
    return std::string(defaultValue);
}

} // namespace previous_release

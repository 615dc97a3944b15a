#include "tests/agenda/previous_release/reminders/alarm_value.h"

#include <climits>
#include <cstdint>
#include <cstdio>

namespace previous_release {

namespace {

// isspace in the "C" locale.
bool isScanSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// One "%d" conversion of at most `width` characters (0: no limit) after the
// skipped white space. Moves `pos` past what it read.
bool scanNumber(std::string_view text, std::size_t &pos, std::size_t width, int &number)
{
    while (pos < text.size() && isScanSpace(text[pos]))
        ++pos;
    const std::size_t room = text.size() - pos;
    const std::size_t end = pos + (width != 0 && width < room ? width : room);
    std::size_t at = pos;
    bool negative = false;
    if (at < end && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    const std::size_t firstDigit = at;
    // Saturates above the largest magnitude an int holds, so long digit runs
    // cannot overflow.
    constexpr std::uint64_t kLimit = static_cast<std::uint64_t>(INT_MAX) + 1;
    std::uint64_t magnitude = 0;
    for (; at < end && isDigit(text[at]); ++at) {
        if (magnitude <= kLimit)
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(text[at] - '0');
    }
    if (at == firstDigit)
        return false;
    pos = at;
    if (magnitude > (negative ? kLimit : kLimit - 1))
        return false;
    number = negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude))
                      : static_cast<int>(magnitude);
    return true;
}

} // namespace

std::string FormatAlarmValue(int hour, int minute, int every)
{
    char text[48];
    std::snprintf(text, sizeof text, "%02d:%02d %d", hour, minute, every);
    return text;
}

int ScanAlarmValue(std::string_view text, int &hour, int &minute, int &every)
{
    std::size_t pos = 0;
    if (!scanNumber(text, pos, 2, hour))
        return 0;
    if (pos == text.size() || text[pos] != ':')
        return 1;
    ++pos;
    if (!scanNumber(text, pos, 2, minute))
        return 1;
    // The blank of the format matches any white space, which the number
    // conversion skips anyway.
    if (!scanNumber(text, pos, 0, every))
        return 2;
    return 3;
}

} // namespace previous_release

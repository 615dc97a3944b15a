// Any text as an alarm value: ScanAlarmValue reads what sscanf with
// "%02d:%02d %d" reads, wherever sscanf's result is defined (no interval
// beyond the range of int), and never crashes or overflows anywhere.
#include "reminders/alarm_value.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// A run of ten or more digits may be a number beyond int.
bool hasLongNumber(const std::string &text)
{
    int run = 0;
    for (const char c : text) {
        run = c >= '0' && c <= '9' ? run + 1 : 0;
        if (run >= 10)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    int hour = -7, minute = -7, every = -7;
    const int count = ScanAlarmValue(text, hour, minute, every);
    check(count >= 0 && count <= 3);

    // sscanf stops at a NUL; compare on the text before it.
    const std::string cString = text.substr(0, text.find('\0'));
    if (cString.size() != text.size() || hasLongNumber(text))
        return 0;
    int h = -7, m = -7, e = -7;
    const int expected = std::sscanf(cString.c_str(), "%02d:%02d %d", &h, &m, &e);
    check(count == (expected < 0 ? 0 : expected));
    check(hour == h && minute == m && every == e);

    if (count == 3 && hour >= 0 && hour <= 99 && minute >= 0 && minute <= 99) {
        int h2 = 0, m2 = 0, e2 = 0;
        check(ScanAlarmValue(FormatAlarmValue(hour, minute, every), h2, m2, e2) == 3);
        check(h2 == hour && m2 == minute && e2 == every);
    }
    return 0;
}

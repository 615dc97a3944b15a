// The alarm value as written and as scanned, with sscanf's rules and no
// overflow.
#include "reminders/alarm_value.h"

#include <gtest/gtest.h>

namespace {

TEST(AlarmValue, Format)
{
    EXPECT_EQ(FormatAlarmValue(8, 0, 60), "08:00 60");
    EXPECT_EQ(FormatAlarmValue(7, 30, 15), "07:30 15");
    EXPECT_EQ(FormatAlarmValue(123, -5, 0), "123:-5 0");
}

struct ScanCase {
    const char *text;
    int count;
    int hour, minute, every; // -1: untouched
};

const ScanCase kScanCases[] = {
    {"08:00 60", 3, 8, 0, 60},
    {"7:5 15", 3, 7, 5, 15},
    {"123:45 6", 1, 12, -1, -1},
    {"  07: 30\t\n15 trailing", 3, 7, 30, 15},
    {"07:3015", 3, 7, 30, 15},
    {"07 :30 15", 1, 7, -1, -1},
    {"+7:-5 +2", 3, 7, -5, 2},
    {"+12:00 1", 1, 1, -1, -1},
    {"-:00 1", 0, -1, -1, -1},
    {"07:", 1, 7, -1, -1},
    {"07:30", 2, 7, 30, -1},
    {"07:30 x", 2, 7, 30, -1},
    {"", 0, -1, -1, -1},
    {"   ", 0, -1, -1, -1},
    {"07:30 0000000000000000000000000042", 3, 7, 30, 42},
    {"07:30 2147483647", 3, 7, 30, 2147483647},
    {"07:30 -2147483648", 3, 7, 30, -2147483647 - 1},
    {"07:30 2147483648", 2, 7, 30, -1},
    {"07:30 99999999999999999999999999", 2, 7, 30, -1},
};

TEST(AlarmValue, Scan)
{
    for (const ScanCase &c : kScanCases) {
        SCOPED_TRACE(c.text);
        int hour = -1, minute = -1, every = -1;
        EXPECT_EQ(ScanAlarmValue(c.text, hour, minute, every), c.count);
        EXPECT_EQ(hour, c.hour);
        EXPECT_EQ(minute, c.minute);
        EXPECT_EQ(every, c.every);
    }
}

} // namespace

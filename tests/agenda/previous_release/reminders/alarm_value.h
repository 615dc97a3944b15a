// The alarm value of a reminder: hour, minute and repeat interval in minutes,
// stored as "%02d:%02d %d" ("07:30 15").
#pragma once

#include <string>
#include <string_view>

namespace previous_release {

std::string FormatAlarmValue(int hour, int minute, int every);

// Reads `text` as sscanf(text, "%02d:%02d %d", &hour, &minute, &every) does:
// white space before each number is skipped; hour and minute are read from
// at most two characters each, a sign counting as one; ":" must follow the
// hour at once; any white space, or none, may stand before the interval,
// which is read to its last digit. The scan stops at the first mismatch and
// returns how many numbers it stored (0 to 3, also 0 for empty text); the
// fields it did not reach keep their values. An interval beyond the range of
// int counts as a mismatch (sscanf's behaviour there is undefined).
int ScanAlarmValue(std::string_view text, int &hour, int &minute, int &every);

} // namespace previous_release

// The clock of the command-line programs, which their tests can set.
#pragma once

#include <ctime>

// The time now, or the seconds since 1970 that the environment variable
// `variable` holds instead, for the programs' tests, held to the supported
// years (a time before them is taken as their first days, one after them as
// their last). False when the variable is set but holds no whole number of
// seconds.
bool ReadClock(const char *variable, std::time_t &now);

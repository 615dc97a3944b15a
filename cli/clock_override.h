// The clock of the command-line programs, which their tests can set.
#pragma once

#include <ctime>

// The time now, or the seconds since 1970 that the environment variable
// `variable` holds instead, for the programs' tests. False when the
// variable is set but holds no whole number of seconds.
bool ReadClock(const char *variable, std::time_t &now);

// zamanix-reminders publish: the events that export writes, published to
// the calendar server of the options or the profile (sync/publish.h).
#pragma once

#include "calendar/icu/hijri_calendar.h"
#include "cli/reminders_options.h"

#include <ctime>

class CProfileSnapshot;

// Publishes the events of the days from `today` on; prints the outcome.
// Returns 0 when the calendar holds them, 1 when the server or the network
// failed, 2 for bad input (no server, no password, an unreadable file).
int PublishCommand(const RemindersOptions &options, const CProfileSnapshot &profile,
    const CHijriCalendar &hijri, int today, std::time_t now);

// The first line of `file` ("-": standard input), less its line end; false,
// with `error` saying why, when it cannot be read.
bool ReadPasswordLine(const std::string &file, std::string &password, std::string &error);

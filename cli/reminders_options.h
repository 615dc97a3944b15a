// The command line of zamanix-reminders: a command, its arguments and the
// options, each checked before anything is read or written.
#pragma once

#include "calendar/hijri_rule.h"
#include "cli/reminder_table.h"

#include <optional>
#include <string>
#include <vector>

enum class RemindersCommand { None, List, Upcoming, Add, Remove, Export, Publish, Help, Version };

struct RemindersOptions {
    RemindersCommand command = RemindersCommand::None;
    std::vector<std::string> arguments; // after the command
    std::string profile; // empty: the desktop program's own
    std::optional<HijriRule> rule;
    std::optional<int> adjust;
    TableFormat format = TableFormat::Text;
    int days = 30; // upcoming
    std::optional<int> hour, minute; // add --alarm
    std::optional<int> every; // add --every
    std::optional<int> notice; // add --notice, days
    std::optional<int> years; // export (default 5), publish (default: the profile's)
    std::string from; // export, a Christian date; empty: today
    std::string output; // export; empty or "-": standard output
    bool rscale = false; // export: repeating events (RFC 7529)
    std::optional<std::string> url, user; // publish; none: the profile's
    std::optional<std::string> passwordFile; // publish; "-": standard input
};

// Reads the command line; on failure `error` says what is wrong.
bool ParseRemindersOptions(int argc, char **argv, RemindersOptions &options, std::string &error);

// "07:30" or "7:30": hour 0..23, minute 0..59.
bool ParseAlarmTime(std::string_view text, int &hour, int &minute);

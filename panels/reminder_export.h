// File > Export Reminders...: the profile's reminders as an iCalendar file
// (agenda/ical_export.h) for other calendar programs.
#pragma once

#include <filesystem>
#include <string>

class QWidget;

// The years an export from the desktop program covers, from today on.
inline constexpr int kExportYears = 5;

// Writes the reminders of `profile` of the next kExportYears years, at
// their alarm times in the local time zone, to `file`, replacing it whole
// (reminders/output_file.h: a link's target, or a pipe written as a
// stream; never the profile or its files). FALSE with `error` saying what
// failed or why it was refused, when nothing was written.
bool ExportRemindersFile(
    const std::filesystem::path &profile, const std::filesystem::path &file, std::string &error);

// Asks where to save, then exports; tells the user when it failed.
void ExportRemindersWithDialog(QWidget *parent, const std::filesystem::path &profile);

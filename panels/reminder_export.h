// File > Export Reminders...: the profile's reminders as an iCalendar file
// (agenda/ical_export.h) for other calendar programs.
#pragma once

#include <filesystem>
#include <string>

class QWidget;

// The years an export from the desktop program covers, from today on.
inline constexpr int kExportYears = 5;

// Writes the reminders of `profile` of the next kExportYears years, at
// their alarm times in the local time zone, to `file`, replacing it whole.
// FALSE with `error` saying what failed when it could not be written.
bool ExportRemindersFile(
    const std::filesystem::path &profile, const std::filesystem::path &file, std::string &error);

// Asks where to save, then exports; tells the user when it failed.
void ExportRemindersWithDialog(QWidget *parent, const std::filesystem::path &profile);

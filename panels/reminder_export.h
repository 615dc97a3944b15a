// File > Export Reminders...: the profile's reminders as an iCalendar file
// (agenda/ical_export.h) for other calendar programs.
#pragma once

#include <filesystem>
#include <string>

#include <QString>

class QWidget;

// The years an export from the desktop program covers, from today on.
inline constexpr int kExportYears = 5;

// Writes the reminders of `profile` of the next kExportYears years, at
// their alarm times in the local time zone, to `file`, replacing it whole
// (reminders/output_file.h: a link's target, or a pipe written as a
// stream; never the profile or its files). FALSE with `error` saying what
// failed or why it was refused, when nothing was written; `events`, where
// given, is how many events the file holds.
bool ExportRemindersFile(const std::filesystem::path &profile, const std::filesystem::path &file,
    std::string &error, int *events = nullptr);

// Asks where to save (in the documents folder), then exports; tells the
// user when it failed. What the status bar is to say: how many events were
// written to which file; empty when nothing was.
QString ExportRemindersWithDialog(QWidget *parent, const std::filesystem::path &profile);

// "12 events of the next 5 years written to /home/u/zamanix-reminders.ics".
QString ExportedMessage(int events, const QString &file);

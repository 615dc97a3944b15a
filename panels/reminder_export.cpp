#include "panels/reminder_export.h"

#include "agenda/ical_export.h"
#include "agenda/reminder_list.h"
#include "form/today_line.h"
#include "framework/ctime.h"
#include "framework/message_box.h"
#include "reminders/output_file.h"

#include <QDir>
#include <QFileDialog>

#include <cstdlib>

bool ExportRemindersFile(
    const std::filesystem::path &profile, const std::filesystem::path &file, std::string &error)
{
    const CProfileSnapshot snapshot(profile);
    const CTime now = CTime::GetCurrentTime();
    ICalendarExport what;
    what.firstDay = DayNumberOf(now);
    what.lastDay = ExportLastDay(what.firstDay, kExportYears);
    what.stamp = now.GetTime();
    what.timeZone = LocalTimeZoneName(std::getenv("TZ"));
    const std::string text =
        ExportRemindersToICalendar(snapshot, ProfileHijriCalendar(snapshot), what);
    // The profile is never written here, and a pipe that nothing reads
    // would hold the window.
    OutputRules rules;
    rules.profiles = {profile};
    rules.waitForReader = false;
    return WriteOutputFile(file, text, rules, error);
}

void ExportRemindersWithDialog(QWidget *parent, const std::filesystem::path &profile)
{
    const QString chosen = QFileDialog::getSaveFileName(parent, QStringLiteral("Export Reminders"),
        QDir::home().filePath("zamanix-reminders.ics"),
        QStringLiteral("iCalendar files (*.ics);;All Files (*)"));
    if (chosen.isEmpty())
        return;
    std::string error;
    if (!ExportRemindersFile(profile, chosen.toStdString(), error))
        AfxMessageBox("The reminders could not be exported.\n\n" + error, MB_ICONEXCLAMATION);
}

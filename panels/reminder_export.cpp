#include "panels/reminder_export.h"

#include "agenda/export_request.h"
#include "agenda/reminder_list.h"
#include "framework/ctime.h"
#include "framework/message_box.h"
#include "framework/save_folder.h"
#include "reminders/output_file.h"
#include "sync/publishing_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

#include <cstdlib>
#include <string_view>

namespace {

// Each event of the text begins a line of its own (RFC 5545 folds and
// escapes every value, so no value holds such a line).
int countEvents(std::string_view text)
{
    int count = 0;
    for (std::size_t at = text.find("\nBEGIN:VEVENT\r\n"); at != std::string_view::npos;
         at = text.find("\nBEGIN:VEVENT\r\n", at + 1))
        ++count;
    return count;
}

} // namespace

bool ExportRemindersFile(const std::filesystem::path &profile, const std::filesystem::path &file,
    std::string &error, int *events)
{
    IPublishingModule *module = LoadPublishingModule(error);
    if (!module)
        return false;
    const CProfileSnapshot snapshot(profile);
    const CTime now = CTime::GetCurrentTime();
    ICalendarExport what;
    what.firstDay = ChristianDayNumber({now.GetYear(), now.GetMonth(), now.GetDay()});
    what.lastDay = ExportLastDay(what.firstDay, kExportYears);
    what.stamp = now.GetTime();
    what.timeZone = LocalTimeZoneName(std::getenv("TZ"));
    const std::string text =
        module->ExportRemindersToICalendar(snapshot, ProfileHijriCalendar(snapshot), what);
    // The profile is never written here, and a pipe that nothing reads
    // would hold the window.
    OutputRules rules;
    rules.profiles = {profile};
    rules.waitForReader = false;
    if (events)
        *events = countEvents(text);
    return WriteOutputFile(file, text, rules, error);
}

QString ExportedMessage(int events, const QString &file)
{
    if (events == 0)
        return QCoreApplication::translate(
            "ReminderExport", "No reminder falls due in the next %1 years; %2 holds no events")
            .arg(kExportYears)
            .arg(file);
    if (events == 1)
        return QCoreApplication::translate(
            "ReminderExport", "1 event of the next %1 years written to %2")
            .arg(kExportYears)
            .arg(file);
    return QCoreApplication::translate(
        "ReminderExport", "%1 events of the next %2 years written to %3")
        .arg(events)
        .arg(kExportYears)
        .arg(file);
}

QString ExportRemindersWithDialog(QWidget *parent, const std::filesystem::path &profile)
{
    const QString chosen = QFileDialog::getSaveFileName(parent,
        QCoreApplication::translate("ReminderExport", "Export Reminders"),
        QDir(SaveDialogFolder()).filePath("zamanix-reminders.ics"),
        QCoreApplication::translate("ReminderExport", "iCalendar files (*.ics);;All Files (*)"));
    if (chosen.isEmpty())
        return {};
    std::string error;
    int events = 0;
    if (!ExportRemindersFile(profile, chosen.toStdString(), error, &events)) {
        AfxMessageBox(QCoreApplication::translate(
                          "ReminderExport", "The reminders could not be exported.\n\n%1")
                          .arg(QString::fromStdString(error))
                          .toStdString(),
            MB_ICONEXCLAMATION);
        return {};
    }
    return ExportedMessage(events, chosen);
}

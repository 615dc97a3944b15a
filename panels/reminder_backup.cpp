#include "panels/reminder_backup.h"

#include "framework/ctime.h"
#include "framework/message_box.h"
#include "framework/save_folder.h"
#include "reminders/profile_backup.h"
#include "reminders/profile_files.h"
#include "reminders/reminder_entries.h"
#include "session/zamanix_profile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

namespace {

QString backupFilter()
{
    return QCoreApplication::translate(
        "ReminderBackup", "Zamanix backups (*.INI *.ini);;All Files (*)");
}

QString pathText(const std::filesystem::path &path)
{
    return QString::fromStdString(path.string());
}

} // namespace

QString BackUpRemindersWithDialog(QWidget *parent, CZamanixProfile &profile)
{
    const QString name =
        QStringLiteral("zamanix-backup-%1.INI")
            .arg(QString::fromStdString(CTime::GetCurrentTime().Format("%Y-%m-%d")));
    const QString chosen = QFileDialog::getSaveFileName(parent,
        QCoreApplication::translate("ReminderBackup", "Back Up Reminders"),
        QDir(SaveDialogFolder()).filePath(name), backupFilter());
    if (chosen.isEmpty())
        return {};
    std::string error;
    if (!profile.BackUp(chosen.toStdString(), error)) {
        AfxMessageBox(QCoreApplication::translate(
                          "ReminderBackup", "The reminders could not be backed up.\n\n%1")
                          .arg(QString::fromStdString(error))
                          .toStdString(),
            MB_ICONEXCLAMATION);
        return {};
    }
    return QCoreApplication::translate(
        "ReminderBackup", "Reminders and settings backed up to %1 (reminders: %2)")
        .arg(chosen)
        .arg(profile.Snapshot().Entries(kReminderSection).size());
}

QString RestoreRemindersWithDialog(QWidget *parent, CZamanixProfile &profile)
{
    const QString chosen = QFileDialog::getOpenFileName(parent,
        QCoreApplication::translate("ReminderBackup", "Restore Reminders"), SaveDialogFolder(),
        backupFilter());
    if (chosen.isEmpty())
        return {};
    ProfileBackup backup;
    std::string error;
    const QString kept = pathText(ProfileFilePath(profile.File(), ProfileFile::Backup));
    if (ReadProfileBackup(chosen.toStdString(), profile.File(), backup, error)) {
        const QString question = QCoreApplication::translate("ReminderBackup",
            "Replace your reminders and settings with those of the backup %1?\n\n"
            "Reminders in the backup: %2. Reminders now: %3.\n\n"
            "The profile as it is now is kept in %4; restoring from that file brings it "
            "back.")
                                     .arg(chosen)
                                     .arg(backup.reminders)
                                     .arg(profile.Snapshot().Entries(kReminderSection).size())
                                     .arg(kept);
        if (AfxMessageBox(question.toStdString(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) !=
            IDYES)
            return {};
        if (profile.Restore(backup.bytes, error))
            return QCoreApplication::translate("ReminderBackup",
                "Reminders restored from %1 (reminders now: %2); the profile as it was is "
                "kept in %3")
                .arg(chosen)
                .arg(backup.reminders)
                .arg(kept);
    }
    AfxMessageBox(QCoreApplication::translate("ReminderBackup",
                      "The reminders could not be restored; they are as they were.\n\n%1")
                      .arg(QString::fromStdString(error))
                      .toStdString(),
        MB_ICONEXCLAMATION);
    return {};
}

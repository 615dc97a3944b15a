#include "framework/save_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ChooseSaveFolder(const QString &current, const QString &documents, const QString &home)
{
    if (!current.isEmpty()) {
        const QFileInfo file(current);
        if (file.isAbsolute() && file.absoluteDir().exists())
            return file.absolutePath();
    }
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return home;
}

QString SaveDialogFolder(const QString &current)
{
    return ChooseSaveFolder(current,
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath());
}

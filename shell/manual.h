// Help > Manual (F1): the manual page zamanix(1) in the desktop's help
// viewer (GNOME's Yelp, KDE's help center), or, where there is none, the
// README in whatever the desktop opens text with.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// How the manual is opened: a program with its arguments, or else a file
// shown by the desktop; neither when nothing can show it.
struct ManualViewer {
    QString program;
    QStringList arguments;
    QUrl file;
};

// The first of: Yelp, KDE's help center, the first of `readmes` that
// exists. `findProgram` gives a program's path, or nothing when it is not
// installed (QStandardPaths::findExecutable).
ManualViewer FindManualViewer(
    const std::function<QString(const QString &)> &findProgram, const QStringList &readmes);

// Opens the manual as FindManualViewer says, with the installed README and
// the one beside a build as the README; tells the user when nothing can show
// it, or the viewer would not start.
void OpenManual();

// Where a save dialog opens: in the folder of the file saved last, else in
// the user's documents folder, else in the home folder; never in the
// process's working folder, which is wherever the desktop happened to start
// the program (often "/").
#pragma once

#include <QString>

// The folder for a dialog that saves `current` (empty: nothing saved yet).
QString SaveDialogFolder(const QString &current = {});

// The rule itself: the folder of `current` when that folder exists, else
// `documents` when it is a folder, else `home`.
QString ChooseSaveFolder(const QString &current, const QString &documents, const QString &home);

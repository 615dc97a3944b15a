// File > Back Up Reminders... and File > Restore Reminders...: the profile
// (every reminder and setting) copied to a file the user names, and
// replaced by such a copy once the user has seen what it holds and agreed.
// Both go through the profile object (session/zamanix_profile.h), so that
// every window follows a restore at once; both dialogs open in the
// documents folder.
#pragma once

#include <QString>

class CZamanixProfile;
class QWidget;

// Each returns what the status bar is to say of what was done; empty when
// nothing was (cancelled, or refused with a message box that said why).
QString BackUpRemindersWithDialog(QWidget *parent, CZamanixProfile &profile);
QString RestoreRemindersWithDialog(QWidget *parent, CZamanixProfile &profile);

// What the form tells the windows beside it, as Qt signals that the shell
// connects: the date View shows, and the reminders missed while the program
// did not run or the machine slept.
#pragma once

#include "agenda/missed_reminders.h"

#include <QObject>
#include <QString>

#include <vector>

class CFormNews : public QObject {
    Q_OBJECT

signals:
    // View showed a date: the calendar chosen, the year, the month 1..12 and
    // the day as typed (the form may hold any text there).
    void dateShown(bool hijri, int year, int month, const QString &dayText);
    // Reminders fell due while the program did not run or the machine
    // slept; each is told once.
    void remindersMissed(const std::vector<MissedReminder> &missed);
};

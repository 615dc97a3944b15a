// Missed Reminders: a window beside the form that lists the reminders which
// fell due while Zamanix did not run or the computer slept, each with its
// date in both calendars, the time its alarm rang from and its memo. Open
// in Form (Enter, or a double click) asks for the selected one in the form
// (reminderChosen); Close (Escape) closes the window. Reminders missed later
// join the list. It is a dialog window of the main window: above it, and
// announced as a dialog with its name.
#pragma once

#include "panels/side_window.h"

#include "panels/missed_reminder_model.h"

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QTreeView;

class CMissedRemindersWindow : public CSideWindow {
    Q_OBJECT

public:
    explicit CMissedRemindersWindow(QWidget *parent);

    // Adds the reminders not listed yet, in day order, and selects the
    // first one added.
    void AddReminders(const std::vector<MissedReminder> &missed);
    // Asks for the selected reminder in the form: its calendar, month, day
    // as stored and the year of the day it was missed on.
    void OpenSelected();

    const CMissedReminderModel &Model() const { return m_model; }
    QTreeView *List() const { return m_pList; }
    QPushButton *OpenButton() const { return m_pOpen; }

signals:
    void reminderChosen(bool hijri, int year, int month, const QString &dayText);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void showCount();

    CMissedReminderModel m_model;
    QLabel *m_pCount = nullptr;
    QTreeView *m_pList = nullptr;
    QPushButton *m_pOpen = nullptr;
};

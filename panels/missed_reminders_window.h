// Missed Reminders: a window beside the form that lists the reminders which
// fell due while Zamanix did not run or the computer slept, each with its
// date in both calendars, the time its alarm rang from and its memo. Open
// in Form (Enter, or a double click) shows the selected one in the form;
// Close (Escape) closes the window. Reminders missed later join the list.
#pragma once

#include "agenda/missed_reminders.h"

#include <QWidget>

#include <vector>

class CZamanixView;
class QLabel;
class QPushButton;
class QTreeWidget;

class CMissedRemindersWindow : public QWidget {
public:
    enum Column { Date, HijriDate, Alarm, Memo, ColumnCount };

    CMissedRemindersWindow(CZamanixView *view, QWidget *parent);

    // Adds the reminders not listed yet, in day order, and selects the
    // first one added.
    void AddReminders(const std::vector<MissedReminder> &missed);
    // Shows the selected reminder in the form: its calendar, month, day as
    // stored and the year of the day it was missed on, then View.
    void OpenSelected();

    const std::vector<MissedReminder> &Reminders() const { return m_reminders; }
    QTreeWidget *List() const { return m_pList; }
    QPushButton *OpenButton() const { return m_pOpen; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildLayout();
    void showCount();

    CZamanixView *m_pView;
    std::vector<MissedReminder> m_reminders; // in the order of the rows
    QLabel *m_pCount = nullptr;
    QTreeWidget *m_pList = nullptr;
    QPushButton *m_pOpen = nullptr;
};

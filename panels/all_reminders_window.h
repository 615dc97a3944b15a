// All Reminders: a window beside the form that lists every reminder of the
// profile, sorted by the day it falls due next, with a filter on memo and
// key. Enter (or a double click) asks for the reminder in the form
// (reminderChosen); Delete removes it after asking, with the form's own
// Delete write; Escape closes the window. The list follows the profile
// object: the reminders changed here, in the form or by any other program,
// the Hijri calendar, and the day.
#pragma once

#include "panels/reminder_table_model.h"
#include "session/zamanix_profile.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QTableView;

class CAllRemindersWindow : public QWidget {
    Q_OBJECT

public:
    CAllRemindersWindow(CZamanixProfile &profile, QWidget *parent);

    // Builds the rows again from the profile as the object last read it;
    // the filter and the selected reminder stay.
    void Refresh();
    // Asks for the selected reminder in the form: its calendar, month, day
    // and the year of its next date.
    void OpenSelected();
    // Asks, then removes the selected reminder.
    void DeleteSelected();

    QLineEdit *FilterBox() const { return m_pFilter; }
    QTableView *Table() const { return m_pTable; }
    CReminderTableModel &Model() { return m_model; }

signals:
    void reminderChosen(bool hijri, int year, int month, const QString &dayText);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildLayout();
    void showCount();
    const ReminderRow *selectedRow() const;
    void selectRow(int row);

    CZamanixProfile &m_profile;
    CReminderTableModel m_model;
    QLineEdit *m_pFilter = nullptr;
    QTableView *m_pTable = nullptr;
    QLabel *m_pCount = nullptr;
    int m_nToday = 0; // the day the rows count from
};

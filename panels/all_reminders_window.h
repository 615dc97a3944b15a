// All Reminders: a window beside the form that lists every reminder of the
// profile, sorted by the day it falls due next, with a filter on memo and
// key. Enter (or a double click) opens the reminder in the form; Delete
// removes it after asking, with the form's own Delete write; Escape closes
// the window. The list follows the profile: after the form's Add and
// Delete at once, and after any other program's change when the file
// system reports it.
#pragma once

#include "form/view_listener.h"
#include "panels/profile_watch.h"
#include "panels/reminder_table_model.h"
#include "reminders/profile_snapshot.h"

#include <QWidget>

#include <filesystem>

class CZamanixView;
class QLabel;
class QLineEdit;
class QTableView;

class CAllRemindersWindow : public QWidget, public CZamanixViewListener {
public:
    CAllRemindersWindow(CZamanixView *view, const std::filesystem::path &profile, QWidget *parent);
    ~CAllRemindersWindow() override;

    // The form's Add and Delete: read the profile at once.
    void OnRemindersChanged() override { Refresh(true); }
    // The dates follow the form's Hijri calendar.
    void OnHijriCalendarChanged() override { Refresh(true); }

    // Reads the profile again when it changed since the last read, or
    // whatever it did when `always`; the filter and the selected reminder
    // stay.
    void Refresh(bool always = false);
    // Opens the selected reminder in the form: its calendar, month, day and
    // the year of its next date, then View.
    void OpenSelected();
    // Asks, then removes the selected reminder.
    void DeleteSelected();

    QLineEdit *FilterBox() const { return m_pFilter; }
    QTableView *Table() const { return m_pTable; }
    CReminderTableModel &Model() { return m_model; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildLayout();
    void showCount();
    const ReminderRow *selectedRow() const;
    void selectRow(int row);
    static int today();
    // The form's, or without a form the profile's.
    CHijriCalendar hijriCalendar() const;

    CZamanixView *m_pView;
    CProfileSnapshot m_profile;
    CReminderTableModel m_model;
    CProfileWatch m_watch{this, [this] { Refresh(); }};
    QLineEdit *m_pFilter = nullptr;
    QTableView *m_pTable = nullptr;
    QLabel *m_pCount = nullptr;
    int m_nToday = 0; // the day the rows count from
};

// All Reminders: a window beside the form that lists every reminder of the
// profile, of every kind, sorted by the day it falls due next, with a
// filter on memo and key (Ctrl+F or the Find key goes there). Its buttons,
// and the same commands in the list's context menu, add a reminder of any
// kind (New Reminder..., a dialog), change one (Edit...), show one in the
// form (Open in Form: a yearly one's key, another kind's date), delete one
// after asking, and export them all. Enter (or a double click) opens a
// yearly reminder in the form and edits one of the other kinds, which the
// form cannot show; Delete deletes; Escape closes the window. A line under
// the list says in full what the selected reminder's columns may cut: why
// it never falls due, what to expect of its days. The list follows the
// profile object: the reminders changed here, in the form or by any other
// program, the Hijri calendar, and the day.
#pragma once

#include "panels/side_window.h"

#include "panels/reminder_dialog.h"
#include "panels/reminder_table_model.h"
#include "session/zamanix_profile.h"

#include <QPointer>
#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;

class CAllRemindersWindow : public CSideWindow {
    Q_OBJECT

public:
    CAllRemindersWindow(CZamanixProfile &profile, QWidget *parent);

    // Builds the rows again from the profile as the object last read it;
    // the filter and the selected reminder stay.
    void Refresh();
    // Asks for the selected reminder in the form: a yearly one's calendar,
    // month, day and the year of its next date; another kind's next (or
    // past) date in its calendar.
    void OpenSelected();
    // Enter and a double click: a yearly reminder in the form, one of the
    // other kinds, which the form cannot show, in its dialog.
    void ActivateSelected();
    // Asks, then removes the selected reminder.
    void DeleteSelected();
    // Opens the dialog for a new reminder, or for the selected one; what it
    // accepts is kept (reminder_saving.h).
    void NewReminder();
    void EditSelected();
    // File > Export Reminders..., from here.
    void Export();

    QLineEdit *FilterBox() const { return m_pFilter; }
    QTableView *Table() const { return m_pTable; }
    CReminderTableModel &Model() { return m_model; }
    // The open New or Edit dialog; nullptr when none is open.
    CReminderDialog *Dialog() const { return m_pDialog; }
    // The line that tells how to add a reminder while there is none.
    QLabel *EmptyNote() const { return m_pEmpty; }
    // The line that tells the selected reminder in full.
    QLabel *Details() const { return m_pDetails; }
    // The commands of the buttons and the context menu.
    QList<QAction *> Commands() const;
    // The context menu of the list, as the Menu key or a right click opens it.
    QMenu *ContextMenu();

signals:
    void reminderChosen(bool hijri, int year, int month, const QString &dayText);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildCommands();
    void buildLayout();
    void buildTable();
    QLayout *buildButtons();
    void showCount();
    void showSelected();
    const ReminderRow *selectedRow() const;
    void selectRow(int row);
    void openDialog(const ReminderDraft &draft, const ReminderRow *edited);
    void openDayInForm(const ReminderRow &row);

    CZamanixProfile &m_profile;
    CReminderTableModel m_model;
    QLineEdit *m_pFilter = nullptr;
    QTableView *m_pTable = nullptr;
    QLabel *m_pEmpty = nullptr;
    QLabel *m_pDetails = nullptr;
    QLabel *m_pCount = nullptr;
    QAction *m_pNew = nullptr;
    QAction *m_pEdit = nullptr;
    QAction *m_pOpen = nullptr;
    QAction *m_pDelete = nullptr;
    QAction *m_pExport = nullptr;
    QMenu *m_pMenu = nullptr;
    QPointer<CReminderDialog> m_pDialog;
    int m_nToday = 0; // the day the rows count from
};

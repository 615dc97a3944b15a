// The commands of All Reminders: open in the form, new, edit, delete,
// export, and the keys of the list.
#include "panels/all_reminders_window.h"

#include "agenda/reminder_key.h"
#include "framework/message_box.h"
#include "panels/reminder_dialog.h"
#include "panels/reminder_export.h"
#include "panels/reminder_saving.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

void CAllRemindersWindow::OpenSelected()
{
    const ReminderRow *row = selectedRow();
    if (!row)
        return;
    if (row->parsed.kind != ReminderKind::Yearly) {
        openDayInForm(*row);
        return;
    }
    const std::string dayText = ReminderKeyDayText(row->key);
    // The form takes a month of its lists and a day of at most 2 characters.
    if (!row->parsed.calendar || dayText.size() > 2) {
        AfxMessageBox(FillSentence(Translate("CAllRemindersWindow",
                                       "The form cannot show %1: %2.\n\nDelete it here, or "
                                       "mend its key in the profile."),
                          {row->key, row->problem}),
            MB_ICONINFORMATION);
        return;
    }
    const bool hijri = *row->parsed.calendar == ReminderCalendar::Hijri;
    const int year = row->day ? (hijri ? row->hijri.year : row->christian.year)
        : hijri               ? m_profile.HijriCalendar().HijriOfDay(m_nToday).year
                              : ChristianOfDay(m_nToday).year;
    emit reminderChosen(hijri, year, row->parsed.month, QString::fromStdString(dayText));
}

// The form keeps yearly reminders only: for another kind it shows the day
// the reminder falls on next (or fell on), in the reminder's calendar, the
// week's in the Christian one.
void CAllRemindersWindow::openDayInForm(const ReminderRow &row)
{
    if (!row.day) {
        AfxMessageBox(tr("The form cannot show a day of %1, which never falls due: %2.\n\n"
                         "Edit it here, or delete it.")
                          .arg(QString::fromStdString(row.key), QString::fromStdString(row.problem))
                          .toStdString(),
            MB_ICONINFORMATION);
        return;
    }
    const bool hijri = row.parsed.calendar == ReminderCalendar::Hijri;
    const YearMonthDay &date = hijri ? row.hijri : row.christian;
    emit reminderChosen(hijri, date.year, date.month, QString::number(date.day));
}

void CAllRemindersWindow::ActivateSelected()
{
    const ReminderRow *row = selectedRow();
    if (row && row->parsed.kind != ReminderKind::Yearly)
        EditSelected();
    else
        OpenSelected();
}

void CAllRemindersWindow::DeleteSelected()
{
    const ReminderRow *row = selectedRow();
    if (!row)
        return;
    // The row may be gone once the question is answered.
    const CString key = row->key;
    const ReminderKind kind = row->parsed.kind;
    // A long memo is shown by its beginning.
    constexpr int kShownMemo = 300;
    QString memo = QString::fromStdString(row->memo);
    if (memo.size() > kShownMemo)
        memo = memo.left(kShownMemo) + QStringLiteral("...");
    if (AfxMessageBox(
            FillSentence(Translate("CAllRemindersWindow", "Delete the reminder %1?\n\n%2"),
                {key, memo.toStdString()}),
            MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    // The list hears of the change from the profile object.
    std::string error;
    if (!m_profile.RemoveReminder(key, kind, error))
        AfxMessageBox(FillSentence(Translate("CAllRemindersWindow",
                                       "The reminder for %1 could not be deleted."),
                          {key}) +
                "\n\n" + error,
            MB_ICONEXCLAMATION);
}

void CAllRemindersWindow::NewReminder()
{
    // Once, on today's Hijri date: a day of either calendar is a choice away.
    ReminderDraft draft;
    draft.kind = ReminderKind::Once;
    const YearMonthDay today = m_profile.HijriCalendar().HijriOfDay(m_nToday);
    draft.year = today.year;
    draft.month = today.month;
    draft.day = today.day;
    openDialog(draft, nullptr);
}

void CAllRemindersWindow::EditSelected()
{
    if (const ReminderRow *row = selectedRow())
        openDialog(DraftOfRow(*row), row);
}

void CAllRemindersWindow::openDialog(const ReminderDraft &draft, const ReminderRow *edited)
{
    if (m_pDialog) {
        m_pDialog->raise();
        m_pDialog->activateWindow();
        return;
    }
    m_pDialog =
        new CReminderDialog(draft, m_profile.HijriCalendar(), m_nToday, edited != nullptr, this);
    m_pDialog->setAttribute(Qt::WA_DeleteOnClose);
    m_pDialog->setWindowModality(Qt::WindowModal);
    // What the dialog accepts is kept before it closes, so that a refused
    // or failed write leaves what was typed in it.
    std::optional<ReminderRow> row;
    if (edited)
        row = *edited;
    m_pDialog->SetKeeper([this, row](const ReminderDraft &accepted) {
        return KeepReminderDraft(m_profile, accepted, row ? &*row : nullptr);
    });
    m_pDialog->open();
}

void CAllRemindersWindow::Export()
{
    ExportRemindersWithDialog(this, m_profile.File());
}

bool CAllRemindersWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (watched == m_pTable && key == Qt::Key_Delete) {
        DeleteSelected();
        return true;
    }
    // Enter opens the selected row, from the list or the filter. Down goes
    // from the filter to the list.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        ActivateSelected();
        return true;
    }
    if (watched == m_pFilter && key == Qt::Key_Down) {
        m_pTable->setFocus();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

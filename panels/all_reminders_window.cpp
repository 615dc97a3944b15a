#include "panels/all_reminders_window.h"

#include "agenda/reminder_key.h"
#include "framework/accessible_role.h"
#include "framework/message_box.h"
#include "framework/shown_digits.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

CAllRemindersWindow::CAllRemindersWindow(CZamanixProfile &profile, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_profile(profile)
{
    SetAccessibleRole(this, QAccessible::Window); // a window, not a pane
    setWindowTitle(tr("All Reminders - Zamanix"));
    buildLayout();
    Refresh();
    m_pTable->resizeColumnsToContents();
    // Wide enough for every column, with room for the frame and a scroll bar.
    constexpr int kRoom = 64, kMostWidth = 1400, kHeight = 480;
    resize(std::min(m_pTable->horizontalHeader()->length() + kRoom, kMostWidth), kHeight);
    // The dates follow the Hijri calendar, the days until them the day.
    connect(&m_profile, &CZamanixProfile::remindersChanged, this, [this] { Refresh(); });
    connect(&m_profile, &CZamanixProfile::newDay, this, [this] { Refresh(); });
    connect(&m_profile, &CZamanixProfile::settingsChanged, this, [this](unsigned which) {
        if (which & kHijriCalendarSetting)
            Refresh();
    });
}

void CAllRemindersWindow::buildLayout()
{
    m_pFilter = new QLineEdit(this);
    m_pFilter->setPlaceholderText(tr("Filter by memo or key"));
    m_pFilter->setAccessibleName(tr("Filter reminders"));
    m_pFilter->setAccessibleDescription(
        tr("Shows only the reminders whose memo or key holds this text"));
    m_pFilter->setClearButtonEnabled(true);
    m_pTable = new QTableView(this);
    m_pTable->setModel(&m_model);
    m_pTable->setAccessibleName(tr("All reminders"));
    m_pTable->setAccessibleDescription(
        tr("Enter opens the reminder in the form, Delete removes it, Escape closes the window"));
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setWordWrap(false);
    m_pTable->verticalHeader()->hide();
    m_pTable->horizontalHeader()->setResizeContentsPrecision(200);
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->setTabKeyNavigation(false);
    m_pCount = new QLabel(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pFilter);
    layout->addWidget(m_pTable);
    layout->addWidget(m_pCount);
    setTabOrder(m_pFilter, m_pTable);

    QObject::connect(m_pFilter, &QLineEdit::textChanged, this, [this](const QString &text) {
        const ReminderRow *selected = selectedRow();
        const std::string key = selected ? selected->key : std::string();
        m_model.SetFilter(text);
        selectRow(std::max(m_model.RowOfKey(key), 0));
        showCount();
    });
    QObject::connect(m_pTable, &QAbstractItemView::doubleClicked, this, [this] { OpenSelected(); });
    m_pFilter->installEventFilter(this);
    m_pTable->installEventFilter(this);
}

void CAllRemindersWindow::Refresh()
{
    const ReminderRow *selected = selectedRow();
    const std::string key = selected ? selected->key : std::string();
    const int row = m_pTable->currentIndex().row();
    m_nToday = m_profile.Today();
    m_model.SetRows(BuildReminderRows(m_profile.Snapshot(), m_profile.HijriCalendar(), m_nToday));
    const int again = m_model.RowOfKey(key);
    // The row after a deleted one takes its place.
    selectRow(again >= 0 ? again : std::min(std::max(row, 0), m_model.rowCount() - 1));
    showCount();
}

void CAllRemindersWindow::showCount()
{
    const int all = m_model.AllRows(), shown = m_model.rowCount(), never = m_model.NeverDueRows();
    std::string text = shown == all
        ? TranslateCount("CAllRemindersWindow", "%n reminders", "%n reminder", all)
        : FillSentence(
              TranslateCount("CAllRemindersWindow", "%1 of %n reminders", "%1 of %n reminder", all),
              {std::to_string(shown)});
    if (never > 0)
        text = FillSentence(TranslateCount("CAllRemindersWindow", "%1; %n never fall due",
                                "%1; %n never falls due", never),
            {text});
    const QString shownText = ShownDigits(QString::fromStdString(text));
    m_pCount->setText(shownText);
    m_pCount->setAccessibleName(shownText);
}

const ReminderRow *CAllRemindersWindow::selectedRow() const
{
    return m_model.RowAt(m_pTable->currentIndex().row());
}

void CAllRemindersWindow::selectRow(int row)
{
    if (row < 0 || row >= m_model.rowCount())
        return;
    m_pTable->setCurrentIndex(m_model.index(row, CReminderTableModel::Key));
    m_pTable->selectRow(row);
}

void CAllRemindersWindow::OpenSelected()
{
    const ReminderRow *row = selectedRow();
    if (!row)
        return;
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

void CAllRemindersWindow::DeleteSelected()
{
    const ReminderRow *row = selectedRow();
    if (!row)
        return;
    const CString key = row->key;
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
    if (!m_profile.RemoveReminder(key, error))
        AfxMessageBox(FillSentence(Translate("CAllRemindersWindow",
                                       "The reminder for %1 could not be deleted."),
                          {key}) +
                "\n\n" + error,
            MB_ICONEXCLAMATION);
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
    // Enter opens the selected row, from the list or the filter; Down goes
    // from the filter to the list.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        OpenSelected();
        return true;
    }
    if (watched == m_pFilter && key == Qt::Key_Down) {
        m_pTable->setFocus();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CAllRemindersWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

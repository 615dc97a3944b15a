#include "panels/missed_reminders_window.h"

#include "agenda/reminder_key.h"
#include "framework/accessible_role.h"
#include "framework/shown_digits.h"
#include "text/translate.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

CMissedRemindersWindow::CMissedRemindersWindow(QWidget *parent)
    // A dialog window is a transient window of its parent (on X11,
    // WM_TRANSIENT_FOR), which window managers keep above it.
    : CSideWindow(parent, Qt::Dialog)
{
    // Announced as the dialog it is, not as a pane of the main window (set
    // first: a name set tells of itself, which makes the accessible object).
    SetAccessibleRole(this, QAccessible::Dialog);
    setWindowTitle(tr("Missed Reminders - Zamanix"));
    setAccessibleName(tr("Missed Reminders"));
    buildLayout();
    constexpr int kWidth = 720, kHeight = 320;
    resize(kWidth, kHeight);
}

void CMissedRemindersWindow::buildLayout()
{
    auto *intro = new QLabel(
        tr("These reminders fell due while Zamanix was not running or the computer was asleep."),
        this);
    intro->setWordWrap(true);
    m_pList = new QTreeView(this);
    m_pList->setModel(&m_model);
    m_pList->setRootIsDecorated(false);
    m_pList->setUniformRowHeights(true);
    m_pList->setAllColumnsShowFocus(true);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setAccessibleName(tr("Missed reminders"));
    m_pList->setAccessibleDescription(
        tr("Enter opens the reminder in the form, Escape closes the window"));
    m_pList->header()->setStretchLastSection(true);
    m_pCount = new QLabel(this);
    m_pOpen = new QPushButton(tr("&Open in Form"), this);
    m_pOpen->setAccessibleDescription(tr("Shows the selected reminder in the form"));
    auto *close = new QPushButton(tr("&Close"), this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_pCount, 1);
    buttons->addWidget(m_pOpen);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_pList);
    layout->addLayout(buttons);
    setTabOrder(m_pList, m_pOpen);
    setTabOrder(m_pOpen, close);

    QObject::connect(m_pOpen, &QPushButton::clicked, this, [this] { OpenSelected(); });
    QObject::connect(close, &QPushButton::clicked, this, [this] { this->close(); });
    QObject::connect(m_pList, &QTreeView::doubleClicked, this, [this] { OpenSelected(); });
    m_pList->installEventFilter(this);
}

void CMissedRemindersWindow::AddReminders(const std::vector<MissedReminder> &missed)
{
    const int first = m_model.AddReminders(missed);
    for (int column = 0; column < CMissedReminderModel::Memo; ++column)
        m_pList->resizeColumnToContents(column);
    if (first >= 0) {
        const QModelIndex added = m_model.index(first, 0);
        m_pList->setCurrentIndex(added);
        m_pList->scrollTo(added);
    }
    showCount();
}

void CMissedRemindersWindow::showCount()
{
    const int count = m_model.rowCount();
    const QString text = ShownDigits(QString::fromStdString(TranslateCount(
        "CMissedRemindersWindow", "%n reminders missed", "%n reminder missed", count)));
    m_pCount->setText(text);
    m_pCount->setAccessibleName(text);
    m_pOpen->setEnabled(count > 0);
}

void CMissedRemindersWindow::OpenSelected()
{
    const MissedReminder *missed = m_model.ReminderAt(m_pList->currentIndex().row());
    if (!missed)
        return;
    const DayReminder &reminder = missed->reminder;
    const bool hijri = reminder.calendar == ReminderCalendar::Hijri;
    // A notice shows the day it tells of.
    const YearMonthDay &date = hijri ? reminder.occursHijri : reminder.occursChristian;
    // A yearly reminder's day as stored, so that View finds it under its own
    // key; the form shows the other kinds' day, and their memo is in All
    // Reminders.
    const std::string day = reminder.kind == ReminderKind::Yearly ? ReminderKeyDayText(reminder.key)
                                                                  : std::to_string(date.day);
    emit reminderChosen(hijri, date.year, date.month, QString::fromStdString(day));
}

bool CMissedRemindersWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OpenSelected();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

#include "panels/missed_reminders_window.h"

#include "agenda/reminder_key.h"
#include "form/zamanix_view.h"
#include "framework/frame.h"
#include "panels/reminder_table_model.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

bool sameReminder(const MissedReminder &a, const MissedReminder &b)
{
    return a.day == b.day && a.reminder.key == b.reminder.key;
}

} // namespace

CMissedRemindersWindow::CMissedRemindersWindow(CZamanixView *view, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_pView(view)
{
    setWindowTitle(QStringLiteral("Missed Reminders - Zamanix"));
    setAccessibleName(QStringLiteral("Missed Reminders"));
    buildLayout();
    constexpr int kWidth = 720, kHeight = 320;
    resize(kWidth, kHeight);
}

void CMissedRemindersWindow::buildLayout()
{
    auto *intro = new QLabel(
        QStringLiteral("These reminders fell due while Zamanix was not running or the computer "
                       "was asleep."),
        this);
    intro->setWordWrap(true);
    m_pList = new QTreeWidget(this);
    m_pList->setColumnCount(ColumnCount);
    m_pList->setHeaderLabels({QStringLiteral("Date"), QStringLiteral("Hijri date"),
        QStringLiteral("Alarm"), QStringLiteral("Memo")});
    m_pList->setRootIsDecorated(false);
    m_pList->setUniformRowHeights(true);
    m_pList->setAllColumnsShowFocus(true);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setAccessibleName(QStringLiteral("Missed reminders"));
    m_pList->setAccessibleDescription(
        QStringLiteral("Enter opens the reminder in the form, Escape closes the window"));
    m_pList->header()->setStretchLastSection(true);
    m_pCount = new QLabel(this);
    m_pOpen = new QPushButton(QStringLiteral("&Open in Form"), this);
    m_pOpen->setAccessibleDescription(QStringLiteral("Shows the selected reminder in the form"));
    auto *close = new QPushButton(QStringLiteral("&Close"), this);

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
    QObject::connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this] { OpenSelected(); });
    m_pList->installEventFilter(this);
}

void CMissedRemindersWindow::AddReminders(const std::vector<MissedReminder> &missed)
{
    QTreeWidgetItem *firstAdded = nullptr;
    for (const MissedReminder &reminder : missed) {
        if (std::any_of(m_reminders.begin(), m_reminders.end(),
                [&](const MissedReminder &listed) { return sameReminder(listed, reminder); }))
            continue;
        m_reminders.push_back(reminder);
        const QString memo = OneLineMemo(reminder.reminder.memo);
        auto *item = new QTreeWidgetItem(m_pList,
            {ChristianDateText(reminder.christian, reminder.weekday), HijriDateText(reminder.hijri),
                ClockText(reminder.ringsAt), memo});
        item->setToolTip(Memo, MemoToolTip(reminder.reminder.memo));
        if (!firstAdded)
            firstAdded = item;
    }
    for (int column = 0; column < Memo; ++column)
        m_pList->resizeColumnToContents(column);
    if (firstAdded) {
        m_pList->setCurrentItem(firstAdded);
        m_pList->scrollToItem(firstAdded);
    }
    showCount();
}

void CMissedRemindersWindow::showCount()
{
    const int count = static_cast<int>(m_reminders.size());
    const QString text = count == 1 ? QStringLiteral("1 reminder missed")
                                    : QStringLiteral("%1 reminders missed").arg(count);
    m_pCount->setText(text);
    m_pCount->setAccessibleName(text);
    m_pOpen->setEnabled(count > 0);
}

void CMissedRemindersWindow::OpenSelected()
{
    const int row = m_pList->indexOfTopLevelItem(m_pList->currentItem());
    if (row < 0 || row >= static_cast<int>(m_reminders.size()) || !m_pView)
        return;
    const MissedReminder &missed = m_reminders[static_cast<std::size_t>(row)];
    const bool hijri = missed.reminder.calendar == ReminderCalendar::Hijri;
    const YearMonthDay &date = hijri ? missed.hijri : missed.christian;
    const std::string &key = missed.reminder.key;
    // The day as stored, so that View finds the reminder under its own key.
    m_pView->ShowDate(hijri, date.year, date.month, ReminderKeyDayText(key));
    if (CFrameWnd *frame = m_pView->GetParentFrame())
        frame->ActivateFrame();
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

void CMissedRemindersWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The month panel's commands on the start of a Hijri month: "This Month
// Began On..." records the day it began (month_start_dialog.h), "Remove
// Record" puts it back to the rule. Both write through the profile object,
// whose news brings every window round to the calendar with the record.
#include "panels/month_panel.h"

#include "framework/message_box.h"
#include "panels/month_grid_view.h"
#include "panels/month_start_dialog.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

namespace {

QString monthText(int year, int month)
{
    return QString::fromStdString(HijriMonthText(HijriMonthIndex(year, month)));
}

} // namespace

void CMonthPanel::buildStartCommands()
{
    m_pRecordStart = new QAction(tr("This Month Began On..."), this);
    m_pRecordStart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    m_pRecordStart->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_pRemoveStart = new QAction(tr("Remove Record"), this);
    connect(m_pRecordStart, &QAction::triggered, this, [this] { RecordMonthStart(); });
    connect(m_pRemoveStart, &QAction::triggered, this, [this] { RemoveMonthStartRecord(); });
    addAction(m_pRecordStart);
    // The Menu key, Shift+F10 and the right button open it on the grid.
    m_pGrid->addActions({m_pRecordStart, m_pRemoveStart});
    m_pGrid->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void CMonthPanel::updateStartCommands()
{
    if (!m_pRemoveStart || m_model.Month().days.empty())
        return;
    const MonthId month = ShownHijriMonth();
    // Also a record of the month that the calendar cannot keep.
    m_pRemoveStart->setEnabled(std::ranges::any_of(hijriCalendar().MonthStarts(),
        [&](const HijriMonthStart &r) { return r.year == month.year && r.month == month.month; }));
}

void CMonthPanel::showStartMenu()
{
    const QRect cell = m_pGrid->visualRect(m_pGrid->currentIndex());
    const QPoint at = cell.isValid() ? cell.center() : QPoint(0, 0);
    QMenu::exec(m_pGrid->actions(), m_pGrid->viewport()->mapToGlobal(at), nullptr, m_pGrid);
}

MonthId CMonthPanel::ShownHijriMonth() const
{
    if (m_month.calendar == ReminderCalendar::Hijri || m_model.Month().days.empty())
        return {ReminderCalendar::Hijri, m_month.year, m_month.month};
    const int day = m_model.IndexOfDay(m_nSelected).isValid()
        ? m_nSelected
        : m_model.Month().days.front().dayNumber;
    return MonthOfDay(ReminderCalendar::Hijri, day, hijriCalendar());
}

void CMonthPanel::RecordMonthStart()
{
    const MonthId month = ShownHijriMonth();
    auto *dialog = new CMonthStartDialog(hijriCalendar(), month.year, month.month, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &CMonthStartDialog::startChosen, this, [this](const HijriMonthStart &start) {
        std::string error;
        if (!m_profile.RecordMonthStart(start, error))
            AfxMessageBox(tr("The start of %1 could not be recorded.")
                              .arg(monthText(start.year, start.month))
                              .toStdString() +
                    "\n\n" + error,
                MB_ICONEXCLAMATION);
    });
    connect(dialog, &CMonthStartDialog::removeChosen, this,
        [this](int year, int month) { removeMonthStart(year, month); });
    dialog->open();
}

void CMonthPanel::RemoveMonthStartRecord()
{
    const MonthId month = ShownHijriMonth();
    removeMonthStart(month.year, month.month);
}

void CMonthPanel::removeMonthStart(int year, int month)
{
    std::string error;
    if (!m_profile.RemoveMonthStart(MonthStartName({year, month, 0}), error))
        AfxMessageBox(tr("The recorded start of %1 could not be removed.")
                          .arg(monthText(year, month))
                          .toStdString() +
                "\n\n" + error,
            MB_ICONEXCLAMATION);
}

#include "panels/month_model.h"

#include "framework/shown_digits.h"
#include "panels/month_text.h"

#include <QCoreApplication>

namespace {

constexpr int kWeek = 7;

} // namespace

void CMonthModel::SetMonth(MonthData month)
{
    beginResetModel();
    m_month = std::move(month);
    endResetModel();
}

void CMonthModel::SetFirstWeekday(int weekday)
{
    beginResetModel();
    m_nFirstWeekday = ((weekday % kWeek) + kWeek) % kWeek;
    endResetModel();
}

void CMonthModel::SetToday(int dayNumber)
{
    if (dayNumber == m_nToday)
        return;
    m_nToday = dayNumber;
    allCellsChanged();
}

void CMonthModel::SetHolyDaysShown(bool shown)
{
    if (shown == m_bHolyDays)
        return;
    m_bHolyDays = shown;
    allCellsChanged();
}

void CMonthModel::allCellsChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, kWeek - 1));
}

int CMonthModel::leadingCells() const
{
    if (m_month.days.empty())
        return 0;
    return (m_month.days.front().weekday - m_nFirstWeekday + kWeek) % kWeek;
}

const MonthDay *CMonthModel::DayAt(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this)
        return nullptr;
    const int at = index.row() * kWeek + index.column() - leadingCells();
    if (at < 0 || at >= static_cast<int>(m_month.days.size()))
        return nullptr;
    return &m_month.days[at];
}

QModelIndex CMonthModel::IndexOfDay(int dayNumber) const
{
    if (m_month.days.empty())
        return {};
    const int at = dayNumber - m_month.days.front().dayNumber;
    if (at < 0 || at >= static_cast<int>(m_month.days.size()))
        return {};
    const int cell = at + leadingCells();
    return index(cell / kWeek, cell % kWeek);
}

int CMonthModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    const int cells = leadingCells() + static_cast<int>(m_month.days.size());
    return (cells + kWeek - 1) / kWeek;
}

int CMonthModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kWeek;
}

QVariant CMonthModel::data(const QModelIndex &index, int role) const
{
    const MonthDay *day = DayAt(index);
    if (!day)
        return {};
    const ReminderCalendar shown = m_month.id.calendar;
    const bool today = day->dayNumber == m_nToday;
    switch (role) {
    case Qt::DisplayRole:
        return ShownNumber(shown == ReminderCalendar::Hijri ? day->hijri.day : day->christian.day);
    case Qt::AccessibleTextRole:
        return DayDescription(*day, shown, today, m_bHolyDays);
    case Qt::ToolTipRole:
        return DayToolTip(*day, shown, today, m_bHolyDays);
    default:
        return {};
    }
}

QVariant CMonthModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The rows' header is hidden; a screen reader still names the rows.
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole || role == Qt::AccessibleTextRole
            ? QVariant(QCoreApplication::translate("CMonthPanel", "Week %1")
                           .arg(ShownNumber(section + 1)))
            : QVariant();
    if (section < 0 || section >= kWeek)
        return {};
    const int weekday = (m_nFirstWeekday + section) % kWeek;
    switch (role) {
    case Qt::DisplayRole:
        return ShortWeekdayName(weekday);
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return WeekdayName(weekday);
    default:
        return {};
    }
}

Qt::ItemFlags CMonthModel::flags(const QModelIndex &index) const
{
    if (!DayAt(index))
        return Qt::ItemNeverHasChildren;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

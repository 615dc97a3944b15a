#include "panels/month_start_model.h"

#include "panels/list_texts.h"

#include <QApplication>
#include <QStyle>

#include <algorithm>
#include <cstdlib>

void CMonthStartModel::SetEntries(
    std::vector<MonthStartEntry> entries, const CHijriCalendar &calendar)
{
    beginResetModel();
    m_entries = std::move(entries);
    m_calendar = calendar;
    // By month, in the profile's order within one; the entries that say no
    // month last.
    std::ranges::stable_sort(m_entries, [](const MonthStartEntry &a, const MonthStartEntry &b) {
        return a.record && (!b.record || a.record->Index() < b.record->Index());
    });
    endResetModel();
}

const MonthStartEntry *CMonthStartModel::EntryAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return nullptr;
    return &m_entries[static_cast<std::size_t>(row)];
}

int CMonthStartModel::RowOfName(const std::string &name) const
{
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].name == name)
            return static_cast<int>(i);
    return -1;
}

int CMonthStartModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int CMonthStartModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString CMonthStartModel::MonthText(const MonthStartEntry &entry) const
{
    if (!entry.record)
        return QString::fromStdString(entry.name + "=" + entry.value);
    return QString::fromStdString(HijriMonthText(entry.record->Index()));
}

QString CMonthStartModel::cellText(const MonthStartEntry &entry, int column) const
{
    if (column == Month)
        return MonthText(entry);
    if (column == Note)
        return entry.problem.empty() ? QString()
                                     : tr("Ignored: %1").arg(QString::fromStdString(entry.problem));
    if (!entry.record)
        return {};
    const int rule = m_calendar.RuleMonthStart(entry.record->year, entry.record->month);
    const int days = entry.record->day - rule;
    switch (column) {
    case BeganOn:
        return CivilDayText(entry.record->day);
    case RuleStart:
        return CivilDayText(rule);
    case Difference:
        if (days == 0)
            return tr("the same day");
        if (days == 1 || days == -1)
            return days < 0 ? tr("1 day earlier") : tr("1 day later");
        return (days < 0 ? tr("%1 days earlier") : tr("%1 days later")).arg(std::abs(days));
    }
    return {};
}

QVariant CMonthStartModel::data(const QModelIndex &index, int role) const
{
    const MonthStartEntry *entry = EntryAt(index.row());
    if (!entry || index.column() < 0 || index.column() >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return cellText(*entry, index.column());
    case Qt::ToolTipRole:
        return entry->problem.empty() ? QVariant() : cellText(*entry, Note);
    case Qt::DecorationRole:
        // The mark of an entry the calendar ignores.
        if (index.column() == Month && !entry->problem.empty())
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return {};
    }
    return {};
}

QVariant CMonthStartModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    switch (section) {
    case Month:
        return tr("Hijri month");
    case BeganOn:
        return tr("Began on");
    case RuleStart:
        return tr("The rule's start");
    case Difference:
        return tr("Difference");
    case Note:
        return tr("Note");
    }
    return {};
}

#include "panels/missed_reminder_model.h"

#include "panels/list_texts.h"

#include <algorithm>

#include <QCoreApplication>

namespace {

const char *const kHeaders[] = {QT_TRANSLATE_NOOP("CMissedReminderModel", "Date"),
    QT_TRANSLATE_NOOP("CMissedReminderModel", "Hijri date"),
    QT_TRANSLATE_NOOP("CMissedReminderModel", "Alarm"),
    QT_TRANSLATE_NOOP("CMissedReminderModel", "Memo")};

bool sameReminder(const MissedReminder &a, const MissedReminder &b)
{
    return a.day == b.day && a.reminder.key == b.reminder.key &&
        a.reminder.kind == b.reminder.kind && a.reminder.noticeDays == b.reminder.noticeDays;
}

} // namespace

int CMissedReminderModel::AddReminders(const std::vector<MissedReminder> &missed)
{
    std::vector<MissedReminder> added;
    for (const MissedReminder &reminder : missed) {
        const auto listed = [&](const MissedReminder &r) { return sameReminder(r, reminder); };
        if (std::none_of(m_reminders.begin(), m_reminders.end(), listed) &&
            std::none_of(added.begin(), added.end(), listed))
            added.push_back(reminder);
    }
    if (added.empty())
        return -1;
    const int first = static_cast<int>(m_reminders.size());
    beginInsertRows({}, first, first + static_cast<int>(added.size()) - 1);
    m_reminders.insert(m_reminders.end(), added.begin(), added.end());
    endInsertRows();
    return first;
}

const MissedReminder *CMissedReminderModel::ReminderAt(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_reminders.size()))
        return nullptr;
    return &m_reminders[static_cast<std::size_t>(row)];
}

int CMissedReminderModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_reminders.size());
}

int CMissedReminderModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CMissedReminderModel::data(const QModelIndex &index, int role) const
{
    const MissedReminder *missed = ReminderAt(index.row());
    if (!missed)
        return {};
    if (role == Qt::ToolTipRole && index.column() == Memo)
        return MemoToolTip(DayReminderText(missed->reminder));
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
    case Date:
        return ChristianDateText(missed->christian, missed->weekday);
    case HijriDate:
        return HijriDateText(missed->hijri);
    case Alarm:
        return ClockText(missed->ringsAt);
    case Memo:
        return OneLineMemo(DayReminderText(missed->reminder));
    }
    return {};
}

QVariant CMissedReminderModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return QCoreApplication::translate("CMissedReminderModel", kHeaders[section]);
    return {};
}

// The rows of Missed Reminders as a Qt table: each reminder missed, with its
// date in both calendars, the time its alarm rang from and its memo, in the
// order they are added; a reminder already listed is not listed again.
#pragma once

#include "agenda/missed_reminders.h"

#include <QAbstractTableModel>

#include <vector>

class CMissedReminderModel : public QAbstractTableModel {
public:
    enum Column { Date, HijriDate, Alarm, Memo, ColumnCount };

    // Adds those not listed yet, in the order given; the row of the first
    // added, or -1 when none was.
    int AddReminders(const std::vector<MissedReminder> &missed);

    // The reminder of a row; nullptr outside the rows.
    const MissedReminder *ReminderAt(int row) const;
    const std::vector<MissedReminder> &Reminders() const { return m_reminders; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<MissedReminder> m_reminders; // one a row
};

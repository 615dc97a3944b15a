// The rows of the Hijri Month Starts window as a Qt table: one row per entry
// of the profile's section, sorted by month (entries that say no month
// last): the month in both calendars, the day it began, the rule's own
// start beside it and the difference in days, and, marked with a warning,
// why an entry the calendar does not keep is ignored.
#pragma once

#include "agenda/hijri_month_starts.h"

#include <QAbstractTableModel>

#include <vector>

class CMonthStartModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Month, BeganOn, RuleStart, Difference, Note, ColumnCount };

    // The entries (ProfileMonthStartEntries) with the calendar that read them.
    void SetEntries(std::vector<MonthStartEntry> entries, const CHijriCalendar &calendar);
    // The entry shown at `row`; nullptr outside the rows.
    const MonthStartEntry *EntryAt(int row) const;
    // Where the entry of that name is shown, or -1.
    int RowOfName(const std::string &name) const;
    // "Ramadhan 1448", or the entry as typed when it names no month.
    QString MonthText(const MonthStartEntry &entry) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString cellText(const MonthStartEntry &entry, int column) const;

    std::vector<MonthStartEntry> m_entries;
    CHijriCalendar m_calendar;
};

// The rows of All Reminders as a Qt table: one row per reminder key, with
// its calendar, key, kind, memo, alarm, interval, notice, next date in both
// calendars and the days until then (a past once reminder's date, and how
// long ago); and the filter that keeps the rows whose memo or key holds a
// text.
#pragma once

#include "agenda/reminder_list.h"
#include "panels/list_texts.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

class CReminderTableModel : public QAbstractTableModel {
public:
    enum Column {
        Calendar,
        Key,
        Kind,
        Memo,
        Alarm,
        Every,
        Notice,
        NextDate,
        HijriDate,
        Days,
        ColumnCount
    };

    // Takes new rows, keeping the filter.
    void SetRows(std::vector<ReminderRow> rows);
    // Shows only the rows whose memo or key holds `text`, regardless of
    // case; all rows for an empty text.
    void SetFilter(const QString &text);

    // The row shown at `row`; nullptr outside the rows shown.
    const ReminderRow *RowAt(int row) const;
    // Where the row of `key` is shown, or -1.
    int RowOfKey(const std::string &key) const;
    int AllRows() const { return static_cast<int>(m_rows.size()); }
    int NeverDueRows() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString cellText(const ReminderRow &row, int column) const;
    QString toolTip(const ReminderRow &row, int column) const;
    void applyFilter();

    std::vector<ReminderRow> m_rows;
    std::vector<QString> m_searchText; // memo and key of each row, case-folded
    std::vector<int> m_shown; // indexes into m_rows
    QString m_strFilter;
};

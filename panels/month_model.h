// The month panel's grid as a Qt table: a row per week, a column per
// weekday from the locale's first day of the week, a cell per day of the
// month and empty cells before and after them. Each day's cell says the
// whole day to a screen reader (Qt::AccessibleTextRole) and in its tool tip.
#pragma once

#include "agenda/month_data.h"

#include <QAbstractTableModel>

class CMonthModel : public QAbstractTableModel {
public:
    CMonthModel() = default;

    void SetMonth(MonthData month);
    const MonthData &Month() const { return m_month; }
    // 0 = Sunday .. 6 = Saturday.
    void SetFirstWeekday(int weekday);
    int FirstWeekday() const { return m_nFirstWeekday; }
    // The day number of today, which is highlighted when the month holds it.
    void SetToday(int dayNumber);
    int Today() const { return m_nToday; }
    void SetHolyDaysShown(bool shown);
    bool HolyDaysShown() const { return m_bHolyDays; }

    // The day of a cell, or nullptr for an empty cell.
    const MonthDay *DayAt(const QModelIndex &index) const;
    // The cell of a day number; an invalid index when the month lacks it.
    QModelIndex IndexOfDay(int dayNumber) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    int leadingCells() const;
    void allCellsChanged();

    MonthData m_month;
    int m_nFirstWeekday = 0;
    int m_nToday = 0;
    bool m_bHolyDays = true;
};

// A day's cell of the month grid, on screen and on paper: the day's number,
// below it the other calendar's day, the Moon's phase as a small drawn
// symbol, a dot when the day holds reminders, a crescent when it is a
// holy day and a crescent's outline on the evening before a holy night. Every colour comes from the
// palette, so the cell follows the desktop's light or dark scheme; only the lit part of the Moon
// has a colour of its own, which reads on both.
#pragma once

#include "agenda/month_data.h"

#include <QFont>
#include <QPalette>
#include <QSize>
#include <QStyledItemDelegate>

class CMonthModel;
class QPainter;

struct DayCellLook {
    bool today = false;
    bool selected = false;
    bool holyDays = true; // the holy days are marked
    Qt::LayoutDirection direction = Qt::LeftToRight;
};

// A cell big enough for day 30, the longest short month name under it and
// the marks, in `font` (the day's number; the rest is smaller).
QSize DayCellSize(const QFont &font);

void PaintDayCell(QPainter &painter, const QRect &rect, const MonthDay &day, ReminderCalendar shown,
    const DayCellLook &look, const QPalette &palette, const QFont &font);

// Paints the cells of a CMonthModel.
class CMonthCellDelegate : public QStyledItemDelegate {
public:
    CMonthCellDelegate(const CMonthModel *model, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    const CMonthModel *m_pModel;
};

// Print Month: the month panel's month on one page, with the program's
// printing (framework/printing.h): the title in both calendars, the grid
// with every day's marks, the holy days and the reminders of the month.
// Black on white, whatever the desktop's colours.
#pragma once

#include <QRect>

class CMonthModel;
class QPainter;
class QPrinter;

// Prints on `printer`, after the print dialog unless `direct`; tells the
// user when the job cannot start.
void PrintMonth(const CMonthModel &month, QPrinter &printer, bool direct);

// Paints the page within `page` (device pixels).
void PaintMonthPage(QPainter &painter, const QRect &page, const CMonthModel &month);

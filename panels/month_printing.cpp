#include "panels/month_printing.h"

#include "framework/printing.h"
#include "framework/shown_digits.h"
#include "framework/view.h"
#include "panels/month_cell.h"
#include "panels/month_model.h"
#include "panels/month_text.h"
#include "panels/reminder_table_model.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>

namespace {

// The month as a print job of the program's printing, which prints views.
class CMonthPrintJob : public CView {
public:
    explicit CMonthPrintJob(const CMonthModel &month)
        : m_month(month)
    {
    }
    void OnPrint(QPainter *painter, CPrintInfo *pInfo) override
    {
        PaintMonthPage(*painter, pInfo->m_rectDraw, m_month);
    }

private:
    const CMonthModel &m_month;
};

QPalette paperPalette()
{
    QPalette paper;
    paper.setColor(QPalette::Text, Qt::black);
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Highlight, QColor(0x40, 0x40, 0x40));
    paper.setColor(QPalette::HighlightedText, Qt::white);
    return paper;
}

// "5 Ramadhan (Monday 23 February): Pay the rent", a line per reminder.
QStringList reminderLines(const MonthData &month)
{
    QStringList lines;
    for (const MonthDay &day : month.days)
        for (const DayReminder &reminder : day.reminders)
            lines << DayListLabel(day) + QStringLiteral(": ") + OneLineMemo(reminder.memo);
    return lines;
}

// "6 Ramadhan (Tuesday 24 February): first quarter at 12:28": on paper
// the phases' times cannot be pointed at.
QStringList phaseLines(const MonthData &month)
{
    QStringList lines;
    for (const MonthDay &day : month.days)
        if (day.moonPhase)
            lines << DayListLabel(day) + QStringLiteral(": ") + MoonPhaseText(*day.moonPhase);
    return lines;
}

// Draws a heading and its lines from `y` on, as many as fit above
// `bottom`; returns the y below them.
int paintList(QPainter &painter, const QRect &page, int y, const QString &heading,
    const QStringList &lines, const QFont &font)
{
    if (lines.isEmpty())
        return y;
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(font, painter.device());
    const int line = metrics.lineSpacing();
    if (y + 2 * line > page.bottom())
        return y;
    painter.setFont(bold);
    painter.drawText(QRect(page.left(), y, page.width(), line), Qt::AlignLeft, heading);
    y += line;
    painter.setFont(font);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString text = lines[i];
        if (y + 2 * line > page.bottom() && i + 1 < lines.size()) {
            text = QCoreApplication::translate("CMonthPanel", "and %1 more")
                       .arg(ShownNumber(lines.size() - i));
            i = lines.size();
        }
        painter.drawText(QRect(page.left(), y, page.width(), line), Qt::AlignLeft,
            metrics.elidedText(text, Qt::ElideRight, page.width()));
        y += line;
    }
    return y + line / 2;
}

int paintTitle(QPainter &painter, const QRect &page, const MonthData &month, const QFont &font)
{
    QFont title = font;
    title.setPointSizeF(font.pointSizeF() * 1.8);
    title.setBold(true);
    int y = page.top();
    for (const auto &[text, face] :
        {std::pair{MonthYearText(month.id.calendar, month.id.year, month.id.month), title},
            std::pair{OtherMonthsText(month), font}}) {
        painter.setFont(face);
        const int height = QFontMetrics(face, painter.device()).lineSpacing();
        painter.drawText(QRect(page.left(), y, page.width(), height), Qt::AlignHCenter, text);
        y += height * 5 / 4;
    }
    return y;
}

} // namespace

void PrintMonth(const CMonthModel &month, QPrinter &printer, bool direct)
{
    CMonthPrintJob job(month);
    PrintView(&job, printer, direct);
}

void PaintMonthPage(QPainter &painter, const QRect &page, const CMonthModel &model)
{
    const MonthData &month = model.Month();
    const QPalette paper = paperPalette();
    const QFont body(QStringLiteral("Sans Serif"), 11);
    const QFont cellFont(QStringLiteral("Sans Serif"), 14);
    painter.save();
    painter.setPen(Qt::black);
    int y = paintTitle(painter, page, month, body);

    const int width = page.width() / 7;
    // Right to left, the week runs from the right edge, as on the screen.
    const bool rtl = QGuiApplication::layoutDirection() == Qt::RightToLeft;
    const auto columnLeft = [&](int column) {
        return rtl ? page.left() + (6 - column) * width : page.left() + column * width;
    };
    const int header = QFontMetrics(body, painter.device()).lineSpacing() * 3 / 2;
    painter.setFont(body);
    for (int column = 0; column < 7; ++column)
        painter.drawText(QRect(columnLeft(column), y, width, header), Qt::AlignCenter,
            WeekdayName((model.FirstWeekday() + column) % 7));
    y += header;

    // The grid takes at most two thirds of what is left, the lists the rest.
    const int rows = model.rowCount();
    const int height = rows ? std::min(width * 4 / 5, (page.bottom() - y) * 2 / 3 / rows) : 0;
    const double line = std::max(1.0, painter.device()->logicalDpiX() / 96.0);
    DayCellLook look;
    look.holyDays = model.HolyDaysShown();
    look.direction = QGuiApplication::layoutDirection();
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < 7; ++column) {
            const QRect cell(columnLeft(column), y + row * height, width, height);
            if (const MonthDay *day = model.DayAt(model.index(row, column)))
                PaintDayCell(painter, cell, *day, month.id.calendar, look, paper, cellFont);
            painter.setPen(QPen(Qt::black, line));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell);
        }
    y += rows * height + header;

    if (model.HolyDaysShown())
        y = paintList(painter, page, y, QCoreApplication::translate("CMonthPanel", "Holy days"),
            HolyDayLines(month), body);
    y = paintList(painter, page, y,
        QCoreApplication::translate("CMonthPanel", "Phases of the Moon (local time)"),
        phaseLines(month), body);
    paintList(painter, page, y, QCoreApplication::translate("CMonthPanel", "Reminders"),
        reminderLines(month), body);
    painter.restore();
}

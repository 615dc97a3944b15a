#include "panels/month_cell.h"

#include "framework/shown_digits.h"
#include "panels/month_model.h"
#include "panels/month_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {

// The lit part of the Moon: a pale gold that stands out from white and from
// a dark background alike.
const QColor kMoonlight(0xE8, 0xC2, 0x4A);

QFont smallFont(const QFont &font)
{
    QFont small = font;
    if (font.pointSizeF() > 0)
        small.setPointSizeF(font.pointSizeF() * 0.8);
    else
        small.setPixelSize(std::max(1, font.pixelSize() * 4 / 5));
    return small;
}

QColor mixed(const QColor &a, const QColor &b, double share)
{
    return QColor::fromRgbF(a.redF() * share + b.redF() * (1 - share),
        a.greenF() * share + b.greenF() * (1 - share), a.blueF() * share + b.blueF() * (1 - share));
}

int padding(const QFontMetrics &metrics)
{
    return std::max(2, metrics.height() / 6);
}

// The Moon's symbol beside the day's number.
int moonSize(const QFontMetrics &dayMetrics)
{
    return dayMetrics.ascent();
}

// New moon dark, full moon lit, the quarters half lit on the side the Sun
// lights them as seen from the north.
void paintMoon(QPainter &painter, const QRectF &disc, MoonPhase phase, const QColor &outline)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMoonlight);
    switch (phase) {
    case MoonPhase::New:
        break;
    case MoonPhase::Full:
        painter.drawEllipse(disc);
        break;
    case MoonPhase::FirstQuarter:
        painter.drawPie(disc, -90 * 16, 180 * 16);
        break;
    case MoonPhase::LastQuarter:
        painter.drawPie(disc, 90 * 16, 180 * 16);
        break;
    }
    painter.setPen(QPen(outline, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disc);
}

void paintCrescent(QPainter &painter, const QRectF &box, const QColor &color)
{
    QPainterPath crescent;
    crescent.addEllipse(box);
    QPainterPath bite;
    bite.addEllipse(box.translated(box.width() * 0.35, -box.height() * 0.1));
    painter.fillPath(crescent.subtracted(bite), color);
}

// The evening before a holy night: the crescent's outline, as the night
// to come is not yet the holy day.
void paintEveningCrescent(QPainter &painter, const QRectF &box, const QColor &color)
{
    QPainterPath crescent;
    crescent.addEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
    QPainterPath bite;
    bite.addEllipse(box.translated(box.width() * 0.35, -box.height() * 0.1));
    painter.setPen(QPen(color, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(crescent.subtracted(bite));
}

// The marks along the cell's bottom, from its trailing edge: the reminder
// dot, then the holy day's crescent or the outline of the evening before a
// holy night. The two share a place (no evening before a holy night is a
// holy day itself), so that the cells stay narrow enough for the window to
// fit a 1024-pixel screen; the cell's name tells of both.
void paintMarks(QPainter &painter, const QRect &inner, int size, const MonthDay &day,
    const DayCellLook &look, const QColor &markColor)
{
    const bool rightToLeft = look.direction == Qt::RightToLeft;
    int x = rightToLeft ? inner.left() : inner.right() - size;
    const int y = inner.bottom() - size;
    const int step = rightToLeft ? size + size / 3 : -(size + size / 3);
    if (!day.reminders.empty()) {
        const double dot = size * 0.8;
        painter.setPen(Qt::NoPen);
        painter.setBrush(markColor);
        painter.drawEllipse(QRectF(x + (size - dot) / 2, y + (size - dot) / 2, dot, dot));
        x += step;
    }
    if (!look.holyDays)
        return;
    if (!day.holyDays.empty())
        paintCrescent(painter, QRectF(x, y, size, size), markColor);
    else if (!day.holyNights.empty())
        paintEveningCrescent(painter, QRectF(x, y, size, size), markColor);
}

void paintText(QPainter &painter, const QRect &rect, Qt::Alignment alignment, const QFont &font,
    const QColor &color, const QString &text)
{
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(rect, alignment, text);
}

} // namespace

QSize DayCellSize(const QFont &font)
{
    QFont bold = font; // today and holy days
    bold.setBold(true);
    const QFontMetrics big(bold), small(smallFont(font));
    // Languages whose abbreviations are whole names (Arabic, Persian) would
    // widen the grid past a small screen: the cells keep the room of the
    // English abbreviations, and a longer name is cut short with an ellipsis
    // (the cell's tool tip and accessible name say it whole). Once a name
    // fills that room, the rest need not be measured.
    const int room = small.horizontalAdvance(QStringLiteral("1 Rab II"));
    int otherWidth = small.horizontalAdvance(QStringLiteral("30"));
    for (const QString &name : AllShortMonthNames()) {
        if (otherWidth >= room)
            break;
        otherWidth = std::max(otherWidth, small.horizontalAdvance(QStringLiteral("1 ") + name));
    }
    otherWidth = std::min(otherWidth, room);
    const int mark = small.ascent();
    const int pad = padding(big);
    const int top = big.horizontalAdvance(QStringLiteral("30")) + pad + moonSize(big);
    const int bottom = otherWidth + pad + 2 * mark + mark / 3;
    return {2 * pad + std::max(top, bottom), 2 * pad + big.height() + small.height() + pad};
}

void PaintDayCell(QPainter &painter, const QRect &rect, const MonthDay &day, ReminderCalendar shown,
    const DayCellLook &look, const QPalette &palette, const QFont &font)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor text = palette.color(look.selected ? QPalette::HighlightedText : QPalette::Text);
    const QColor back = palette.color(look.selected ? QPalette::Highlight : QPalette::Base);
    const bool holy = look.holyDays && !day.holyDays.empty();
    if (look.selected)
        painter.fillRect(rect, back);
    else if (holy)
        painter.fillRect(rect, mixed(palette.color(QPalette::Highlight), back, 0.15));

    QFont dayFont = font;
    dayFont.setBold(look.today || holy);
    const QFont small = smallFont(font);
    // Metrics of the device painted on: a printer has many more dots.
    const QFontMetrics big(dayFont, painter.device()), little(small, painter.device());
    const int pad = padding(big);
    const QRect inner = rect.adjusted(pad, pad, -pad, -pad);
    // Absolute: a painter that runs right to left would mirror the side
    // chosen here once more.
    const Qt::Alignment leading =
        (look.direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute;

    const int number = shown == ReminderCalendar::Hijri ? day.hijri.day : day.christian.day;
    paintText(painter, inner, leading | Qt::AlignTop, dayFont, text, ShownNumber(number));
    paintText(painter, inner, leading | Qt::AlignBottom, small, mixed(text, back, 0.7),
        QFontMetrics(small, painter.device())
            .elidedText(OtherDayText(day, shown), Qt::ElideRight, inner.width()));

    if (day.moonPhase) {
        const int size = moonSize(big);
        const int x = look.direction == Qt::RightToLeft ? inner.left() : inner.right() - size;
        paintMoon(painter, QRectF(x + 0.5, inner.top() + 0.5, size - 1, size - 1),
            day.moonPhase->phase, text);
    }
    paintMarks(painter, inner, little.ascent(), day, look,
        look.selected ? text : palette.color(QPalette::Highlight));
    if (look.today) {
        painter.setPen(QPen(look.selected ? text : palette.color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    }
    painter.restore();
}

CMonthCellDelegate::CMonthCellDelegate(const CMonthModel *model, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_pModel(model)
{
}

void CMonthCellDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const MonthDay *day = m_pModel->DayAt(index);
    if (!day)
        return;
    DayCellLook look;
    look.today = day->dayNumber == m_pModel->Today();
    look.selected = option.state & QStyle::State_Selected;
    look.holyDays = m_pModel->HolyDaysShown();
    look.direction = option.direction;
    PaintDayCell(*painter, option.rect, *day, m_pModel->Month().id.calendar, look, option.palette,
        option.font);
    if (option.state & QStyle::State_HasFocus) {
        painter->save();
        painter->setPen(QPen(option.palette.color(QPalette::Text), 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(3, 3, -4, -4));
        painter->restore();
    }
}

QSize CMonthCellDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return DayCellSize(option.font);
}

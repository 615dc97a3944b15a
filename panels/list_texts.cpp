#include "panels/list_texts.h"

#include "calendar/calendar.h"

#include <QLocale>

namespace {

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace

QString OneLineMemo(const std::string &memo)
{
    QString line = text(memo);
    line.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    line.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return line.replace(QLatin1Char('\n'), QLatin1String(" / "));
}

QString MemoHtml(const std::string &memo)
{
    constexpr int kTipped = 500;
    // No character takes more than four bytes: the rest is never looked at.
    const QString start = text(memo.substr(0, kTipped * 4));
    const bool cut = memo.size() > kTipped * 4 || start.size() > kTipped;
    QString html = start.left(kTipped).toHtmlEscaped();
    html.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    html.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return cut ? html + QStringLiteral("\u2026") : html;
}

QString MemoToolTip(const std::string &memo)
{
    // <qt> makes it rich text whatever the memo holds.
    return QStringLiteral("<qt>") + MemoHtml(memo) + QStringLiteral("</qt>");
}

QString ChristianDateText(const YearMonthDay &date, int weekday)
{
    // QLocale counts weekdays from Monday = 1.
    return QStringLiteral("%1 %2 %3 %4")
        .arg(QLocale::c().dayName(weekday == 0 ? 7 : weekday))
        .arg(date.day)
        .arg(text(ChristianMonthNames[date.month - 1]))
        .arg(date.year);
}

QString CivilDayText(int dayNumber)
{
    return ChristianDateText(ChristianOfDay(dayNumber), WeekdayOfDay(dayNumber));
}

QString HijriDateText(const YearMonthDay &date)
{
    return QStringLiteral("%1 %2 %3")
        .arg(date.day)
        .arg(text(HijriMonthNames[date.month - 1]))
        .arg(date.year);
}

QString ClockText(int minutes)
{
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

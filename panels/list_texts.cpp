#include "panels/list_texts.h"

#include "calendar/calendar.h"
#include "calendar/shown_dates.h"
#include "framework/shown_digits.h"

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
    return ShownDigits(text(ShownDateText(date, false, weekday)));
}

QString CivilDayText(int dayNumber)
{
    return ChristianDateText(ChristianOfDay(dayNumber), WeekdayOfDay(dayNumber));
}

QString HijriDateText(const YearMonthDay &date)
{
    return ShownDigits(text(ShownDateText(date, true)));
}

QString ClockText(int minutes)
{
    return ShownDigits(QStringLiteral("%1:%2")
                           .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                           .arg(minutes % 60, 2, 10, QLatin1Char('0')));
}

#include "form/corresponding_date.h"

#include "calendar/calendar.h"
#include "calendar/shown_dates.h"
#include "framework/shown_digits.h"
#include "text/translate.h"

#include <QCoreApplication>

namespace {

bool inReformGap(int year, int month, int day)
{
    return year == 1582 && month == 10 && day >= 5 && day <= 14;
}

// Why the date does not exist; empty when it does (or converts as counted).
QString missingDate(const CHijriCalendar &calendar, bool fromHijri, int year, int month, int day)
{
    const int counted = year == 0 ? -1 : year;
    if (fromHijri) {
        const int length = calendar.MonthLength(counted, month);
        if (day <= length)
            return {};
        return ShownDigits(QCoreApplication::translate("CZamanixView", "%1 %2 has only %3 days")
                               .arg(QString::fromStdString(HijriMonthShownName(month)))
                               .arg(year)
                               .arg(length));
    }
    // A day that a month has comes back from its day number as it went in.
    const YearMonthDay date{counted, month, day};
    if (!inReformGap(counted, month, day) &&
        (day <= 28 || ChristianOfDay(ChristianDayNumber(date)) == date))
        return {};
    return ShownDigits(QCoreApplication::translate("CZamanixView", "%1 %2 %3 does not exist")
                           .arg(day)
                           .arg(QString::fromStdString(ChristianMonthShownName(month)))
                           .arg(year));
}

} // namespace

CString CorrespondingDateText(
    const CHijriCalendar &calendar, bool fromHijri, int year, int month, int day)
{
    if (const QString missing = missingDate(calendar, fromHijri, year, month, day);
        !missing.isEmpty())
        return missing.toStdString();
    YearMonthDay converted;
    const std::string *names;
    if (fromHijri) {
        converted = calendar.ToChristian({year, month, day});
        names = ChristianMonthNames;
    } else {
        converted = calendar.ToHijri({year, month, day});
        names = HijriMonthNames;
    }
    if (TranslatingNow())
        return ShownDigits(QString::fromStdString(ShownDateText(converted, !fromHijri)))
            .toStdString();
    return Format("%d %s %d", converted.day, names[converted.month - 1].c_str(), converted.year);
}

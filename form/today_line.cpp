#include "form/today_line.h"

#include "calendar/calendar.h"
#include "calendar/shown_dates.h"
#include "framework/shown_digits.h"
#include "text/translate.h"

#include <cctype>
#include <cstdlib>

int DayNumberOf(const CTime &time)
{
    return ChristianDayNumber({time.GetYear(), time.GetMonth(), time.GetDay()});
}

LocalMinute LocalMinuteOf(const CTime &time)
{
    return {DayNumberOf(time), time.GetHour(), time.GetMinute()};
}

Today ReadToday(const CHijriCalendar &calendar)
{
    Today today;
    today.now = CTime::GetCurrentTime();
    today.christian = {today.now.GetYear(), today.now.GetMonth(), today.now.GetDay()};
    today.hijri = calendar.ToHijri(today.christian);
    return today;
}

CString TodayLine(const Today &today, TodayLineForm form)
{
    // A language of the program's own writes both dates as its translation
    // orders them, with its names and digits; both forms are one there.
    if (TranslatingNow()) {
        const int weekday = std::atoi(today.now.Format("%w").c_str());
        return ShownDigits(QString::fromStdString(ShownDateText(today.christian, false, weekday) +
                               " - " + ShownDateText(today.hijri, true)))
            .toStdString();
    }
    const char *month = HijriMonthNames[today.hijri.month - 1].c_str();
    return today.now.Format("%A %B %d, %Y") + " - " +
        (form == TodayLineForm::StartUp
                ? Format("%d %s %d", today.hijri.day, month, today.hijri.year)
                : Format("%s %d, %d", month, today.hijri.day, today.hijri.year));
}

TodayLineForm TodayLineFormOf(const CString &line)
{
    // The Hijri date follows the last " - " (the Christian date has none);
    // only the timer's form begins it with the month's name.
    const std::size_t dash = line.rfind(" - ");
    const bool monthFirst = dash != CString::npos && dash + 3 < line.size() &&
        std::isalpha(static_cast<unsigned char>(line[dash + 3]));
    return monthFirst ? TodayLineForm::Timer : TodayLineForm::StartUp;
}

#include "calendar/shown_dates.h"

#include "calendar/calendar.h"
#include "text/display_names.h"
#include "text/sentence.h"
#include "text/translate.h"

namespace {

const char *const kWeekdays[7] = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string monthName(int month, bool hijri)
{
    return hijri ? HijriMonthShownName(month) : ChristianMonthShownName(month);
}

} // namespace

std::string ShownDateText(const YearMonthDay &date, bool hijri)
{
    //: A date: %1 the day, %2 the month's name, %3 the year ("6 March 1998").
    return FillSentence(Translate("Dates", "%1 %2 %3"),
        {std::to_string(date.day), monthName(date.month, hijri), std::to_string(date.year)});
}

std::string ShownDateText(const YearMonthDay &date, bool hijri, int weekday)
{
    //: A date with its weekday: %1 the weekday, %2 the day, %3 the month's
    //: name, %4 the year ("Friday 6 March 1998").
    return FillSentence(Translate("Dates", "%1 %2 %3 %4"),
        {ShownWeekdayName(weekday), std::to_string(date.day), monthName(date.month, hijri),
            std::to_string(date.year)});
}

std::string ShownMonthText(int year, int month, bool hijri)
{
    //: A month of a year: %1 the month's name, %2 the year ("Ramadhan 1447").
    return FillSentence(
        Translate("Dates", "%1 %2"), {monthName(month, hijri), std::to_string(year)});
}

std::string ShownWeekdayName(int weekday)
{
    return DisplayName(NameKind::Weekday, weekday, kWeekdays[weekday]);
}

#include "agenda/sentence.h"

#include "calendar/calendar.h"
#include "calendar/shown_dates.h"

std::string CivilDayText(int dayNumber)
{
    return ShownDateText(ChristianOfDay(dayNumber), false, WeekdayOfDay(dayNumber));
}

std::string HijriDayText(const YearMonthDay &date)
{
    return ShownDateText(date, true);
}

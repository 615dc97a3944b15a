#include "agenda/sentence.h"

#include "calendar/calendar.h"
#include "reminders/reminder_entries.h"

#include <vector>

std::string FillSentence(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    const std::vector<std::string_view> values(args);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t n = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
            text += values[n];
            ++i;
        } else
            text += pattern[i];
    }
    return text;
}

std::string CivilDayText(int dayNumber)
{
    const YearMonthDay date = ChristianOfDay(dayNumber);
    return std::string(kWeekdayKeyNames[WeekdayOfDay(dayNumber)]) + " " + std::to_string(date.day) +
        " " + ChristianMonthNames[date.month - 1] + " " + std::to_string(date.year);
}

std::string HijriDayText(const YearMonthDay &date)
{
    return std::to_string(date.day) + " " + HijriMonthNames[date.month - 1] + " " +
        std::to_string(date.year);
}

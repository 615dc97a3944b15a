#include "calendar/icu/astronomical_table.h"

void CAstronomicalTable::computeStarts(int firstIndex, std::span<int> starts) const
{
    for (std::size_t i = 0; i < starts.size(); ++i)
        starts[i] = AstronomicalMonthStart(firstIndex + static_cast<int>(i));
}

int CAstronomicalTable::startBeyond(int monthIndex) const
{
    return AstronomicalMonthStart(monthIndex);
}

// Beyond the supported years the engine's first guess of a date's lunation
// is not known to lie at or above it, and christtohijri may then answer with
// a day past the month's end: those answers only the engine gives.
YearMonthDay CAstronomicalTable::dateBeyond(int dayNumber) const
{
    return AstronomicalRule().DateOf(dayNumber);
}

const CHijriRule &AstronomicalTableRule()
{
    static const CAstronomicalTable s_rule;
    return s_rule;
}

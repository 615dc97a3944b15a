#include "calendar/icu/icu_month_table.h"

#include "text/sentence.h"
#include "text/translate.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

constexpr int kUnixEpochDay = 2440588; // 1 January 1970, ICU's time 0
constexpr double kMillisecondsPerDay = 86400000.0;

// One ICU calendar in universal time, for one thread at a time. ICU has a
// year 0 ("extended year"); the year before 1 is -1 here.
class CIcuIslamic {
public:
    explicit CIcuIslamic(const char *type)
    {
        UErrorCode status = U_ZERO_ERROR;
        m_pCalendar.reset(icu::Calendar::createInstance(*icu::TimeZone::getGMT(),
            icu::Locale("en", "", "", ("calendar=" + std::string(type)).c_str()), status));
        // ICU falls back to the Gregorian calendar for a type it lacks.
        if (U_FAILURE(status) || !m_pCalendar || std::strcmp(m_pCalendar->getType(), type) != 0)
            throw std::runtime_error(
                FillSentence(Translate("HijriCalendar", "ICU has no calendar %1"), {type}));
    }

    int MonthStart(int monthIndex)
    {
        const YearMonthDay month = HijriMonthOfIndex(monthIndex);
        UErrorCode status = U_ZERO_ERROR;
        m_pCalendar->clear();
        m_pCalendar->set(UCAL_EXTENDED_YEAR, AstronomicalYear(month.year));
        m_pCalendar->set(UCAL_MONTH, month.month - 1);
        m_pCalendar->set(UCAL_DATE, 1);
        const UDate time = m_pCalendar->getTime(status);
        check(status);
        return static_cast<int>(std::floor(time / kMillisecondsPerDay)) + kUnixEpochDay;
    }

    YearMonthDay DateOf(int dayNumber)
    {
        UErrorCode status = U_ZERO_ERROR;
        m_pCalendar->setTime(
            (static_cast<double>(dayNumber) - kUnixEpochDay) * kMillisecondsPerDay, status);
        const int year = m_pCalendar->get(UCAL_EXTENDED_YEAR, status);
        const int month = m_pCalendar->get(UCAL_MONTH, status) + 1;
        const int day = m_pCalendar->get(UCAL_DATE, status);
        check(status);
        return {YearAsWritten(year), month, day};
    }

private:
    void check(UErrorCode status) const
    {
        if (U_FAILURE(status))
            throw std::runtime_error(
                FillSentence(Translate("HijriCalendar", "ICU cannot convert the date: %1"),
                    {u_errorName(status)}));
    }

    std::unique_ptr<icu::Calendar> m_pCalendar;
};

} // namespace

CIcuMonthTable::CIcuMonthTable(const char *icuType)
    : m_pszType(icuType)
{
    CIcuIslamic check(icuType); // fail here, not in the middle of a conversion
}

void CIcuMonthTable::computeStarts(int firstIndex, std::span<int> starts) const
{
    CIcuIslamic icu(m_pszType);
    for (std::size_t i = 0; i < starts.size(); ++i)
        starts[i] = icu.MonthStart(firstIndex + static_cast<int>(i));
}

int CIcuMonthTable::startBeyond(int monthIndex) const
{
    return CIcuIslamic(m_pszType).MonthStart(monthIndex);
}

YearMonthDay CIcuMonthTable::dateBeyond(int dayNumber) const
{
    return CIcuIslamic(m_pszType).DateOf(dayNumber);
}

const CHijriRule &UmmAlQuraRule()
{
    static const CIcuMonthTable s_rule("islamic-umalqura");
    return s_rule;
}

const CHijriRule &CivilRule()
{
    static const CIcuMonthTable s_rule("islamic-civil");
    return s_rule;
}

#include "calendar/icu/icu_month_table.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

// The table: Hijri years -4800 to 2500, in blocks of twenty years.
constexpr int kFirstIndex = HijriMonthIndex(-4800, 1);
constexpr int kEndIndex = HijriMonthIndex(2501, 1);
constexpr int kBlockMonths = 240;
constexpr int kBlocks = (kEndIndex - kFirstIndex) / kBlockMonths;
static_assert(kBlocks * kBlockMonths == kEndIndex - kFirstIndex);

constexpr int kUnixEpochDay = 2440588; // 1 January 1970, ICU's time 0
constexpr double kMillisecondsPerDay = 86400000.0;

// 1 Muharram 1 of the tabular calendar (16 July 622, Julian calendar), and
// its mean month (10631 days in 360 months). Umm al-Qura keeps within a few
// days of it as well.
constexpr int kCivilEpochDay = 1948440;
constexpr double kCivilMeanMonth = 10631.0 / 360.0;

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
            throw std::runtime_error(std::string("ICU has no calendar ") + type);
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
                std::string("ICU cannot convert the date: ") + u_errorName(status));
    }

    std::unique_ptr<icu::Calendar> m_pCalendar;
};

} // namespace

CIcuMonthTable::CIcuMonthTable(const char *icuType)
    : m_pszType(icuType)
    , m_starts(kEndIndex - kFirstIndex)
    , m_built(new std::atomic<bool>[kBlocks])
{
    CIcuIslamic check(icuType); // fail here, not in the middle of a conversion
    for (int block = 0; block < kBlocks; ++block)
        m_built[block].store(false, std::memory_order_relaxed);
}

void CIcuMonthTable::build(int block) const
{
    const std::lock_guard<std::mutex> lock(m_mutexBuild);
    if (m_built[block].load(std::memory_order_relaxed))
        return; // another thread built it meanwhile
    CIcuIslamic icu(m_pszType);
    for (int i = block * kBlockMonths; i < (block + 1) * kBlockMonths; ++i)
        m_starts[i] = icu.MonthStart(kFirstIndex + i);
    m_built[block].store(true, std::memory_order_release);
}

int CIcuMonthTable::MonthStart(int monthIndex) const
{
    if (monthIndex < kFirstIndex || monthIndex >= kEndIndex)
        return CIcuIslamic(m_pszType).MonthStart(monthIndex);
    const int offset = monthIndex - kFirstIndex;
    const int block = offset / kBlockMonths;
    if (!m_built[block].load(std::memory_order_acquire))
        build(block);
    return m_starts[offset];
}

YearMonthDay CIcuMonthTable::DateOf(int dayNumber) const
{
    int index = static_cast<int>(
        std::floor((static_cast<double>(dayNumber) - kCivilEpochDay) / kCivilMeanMonth));
    if (index < kFirstIndex || index >= kEndIndex)
        return CIcuIslamic(m_pszType).DateOf(dayNumber);
    // The estimate is off by a month at most, either way.
    while (MonthStart(index) > dayNumber)
        --index;
    while (MonthStart(index + 1) <= dayNumber)
        ++index;
    YearMonthDay date = HijriMonthOfIndex(index);
    date.day = dayNumber - MonthStart(index) + 1;
    return date;
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

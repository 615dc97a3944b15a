// The Hijri rules that ICU computes, Umm al-Qura and the tabular (civil)
// calendar, as tables of month starts (month_start_table.h). ICU converts a
// date in microseconds; a table answers in nanoseconds. A block of twenty
// Hijri years takes about a millisecond to build. Beyond the table ICU is
// asked each time; years beyond ICU's reach throw std::runtime_error.
#pragma once

#include "calendar/icu/month_start_table.h"

class CIcuMonthTable final : public CMonthStartTable {
public:
    // icuType is an ICU calendar type, "islamic-umalqura" or
    // "islamic-civil". Throws std::runtime_error when ICU has no such
    // calendar.
    explicit CIcuMonthTable(const char *icuType);

private:
    void computeStarts(int firstIndex, std::span<int> starts) const override;
    int startBeyond(int monthIndex) const override;
    YearMonthDay dateBeyond(int dayNumber) const override;

    const char *m_pszType;
};

// The two rules, each built once for the whole program.
const CHijriRule &UmmAlQuraRule();
const CHijriRule &CivilRule();

// The Hijri rules that ICU computes, Umm al-Qura and the tabular (civil)
// calendar, as tables of month starts. ICU converts a date in microseconds;
// a table answers in nanoseconds. Each table is built from ICU block by
// block (twenty Hijri years at a time, in about a millisecond) when a
// conversion first needs the block, and is the same for every caller.
#pragma once

#include "calendar/hijri_rule.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

class CIcuMonthTable final : public CHijriRule {
public:
    // icuType is an ICU calendar type, "islamic-umalqura" or
    // "islamic-civil". Throws std::runtime_error when ICU has no such
    // calendar.
    explicit CIcuMonthTable(const char *icuType);

    // Both may be called from any number of threads at once. Months and
    // days outside the table (Hijri years -4800 to 2500, which hold every
    // day of the Christian years -4000 to 3000) are asked of ICU each time;
    // years beyond ICU's reach throw std::runtime_error.
    int MonthStart(int monthIndex) const override;
    YearMonthDay DateOf(int dayNumber) const override;

private:
    void build(int block) const;

    const char *m_pszType;
    mutable std::vector<int> m_starts; // day number of each month's day 1
    std::unique_ptr<std::atomic<bool>[]> m_built; // per block; set once its starts are in
    mutable std::mutex m_mutexBuild;
};

// The two rules, each built once for the whole program.
const CHijriRule &UmmAlQuraRule();
const CHijriRule &CivilRule();

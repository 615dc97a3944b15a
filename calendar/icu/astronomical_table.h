// The engine's calendar (calendar.h) as a table of month starts
// (month_start_table.h), built from the engine's own month starts: within
// the table every answer is the engine's, to the day, and conversions cost
// a lookup instead of the lunar series. A block of twenty Hijri years takes
// about a tenth of a millisecond to build.
#pragma once

#include "calendar/icu/month_start_table.h"

class CAstronomicalTable final : public CMonthStartTable {
private:
    // Month starts from AstronomicalMonthStart, from any thread. Days beyond
    // the supported years are the engine's christtohijri: one thread at a
    // time.
    void computeStarts(int firstIndex, std::span<int> starts) const override;
    int startBeyond(int monthIndex) const override;
    YearMonthDay dateBeyond(int dayNumber) const override;
};

// The engine's rule as a table, built once for the whole program.
const CHijriRule &AstronomicalTableRule();

// A Hijri rule's month starts as a table, so that a conversion is a lookup
// instead of the rule's own computation (microseconds in ICU, a lunar series
// in the engine). The table is built block by block (twenty Hijri years at a
// time) when a conversion first needs the block, from the rule's own
// answers, and is the same for every caller: every answer the table gives is
// the one the rule itself gives.
#pragma once

#include "calendar/hijri_rule.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <span>

class CMonthStartTable : public CHijriRule {
public:
    // Both may be called from any number of threads at once, within the
    // table: the months of the Hijri years -4800 to 2500 and the days of the
    // Christian years -4000 to 3000 (kFirstSupportedYear, kLastSupportedYear).
    // Beyond it each call asks the rule (startBeyond, dateBeyond), and what
    // the derived rule says of those holds.
    int MonthStart(int monthIndex) const final;
    YearMonthDay DateOf(int dayNumber) const final;

protected:
    CMonthStartTable();
    ~CMonthStartTable() override;

    // The rule's starts of the months firstIndex, firstIndex + 1, ... into
    // `starts`; called under the table's lock, one block at a time.
    virtual void computeStarts(int firstIndex, std::span<int> starts) const = 0;
    // The rule's answers beyond the table.
    virtual int startBeyond(int monthIndex) const = 0;
    virtual YearMonthDay dateBeyond(int dayNumber) const = 0;

private:
    void build(int block) const;

    // Day number of each month's day 1; a block's starts are written once,
    // before its flag is set, and never again.
    std::unique_ptr<int[]> m_pStarts;
    std::unique_ptr<std::atomic<bool>[]> m_built; // per block
    mutable std::mutex m_mutexBuild;
};

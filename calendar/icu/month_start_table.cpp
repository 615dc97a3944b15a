#include "calendar/icu/month_start_table.h"

#include <cmath>

namespace {

// The table: Hijri years -4800 to 2500, in blocks of twenty years. They hold
// every day of the supported Christian years under every rule, with years
// to spare on both sides.
constexpr int kFirstIndex = HijriMonthIndex(-4800, 1);
constexpr int kEndIndex = HijriMonthIndex(2501, 1);
constexpr int kBlockMonths = 240;
constexpr int kBlocks = (kEndIndex - kFirstIndex) / kBlockMonths;
static_assert(kBlocks * kBlockMonths == kEndIndex - kFirstIndex);

// 1 Muharram 1 of the tabular calendar (16 July 622, Julian calendar), and
// its mean month (10631 days in 360 months): every rule keeps within a few
// days of it, so the estimate below is a month off at most.
constexpr int kCivilEpochDay = 1948440;
constexpr double kCivilMeanMonth = 10631.0 / 360.0;

} // namespace

CMonthStartTable::CMonthStartTable()
    // Left unwritten, so that the blocks never built cost no memory.
    : m_pStarts(new int[kEndIndex - kFirstIndex])
    , m_built(new std::atomic<bool>[kBlocks])
{
    for (int block = 0; block < kBlocks; ++block)
        m_built[block].store(false, std::memory_order_relaxed);
}

CMonthStartTable::~CMonthStartTable() = default;

void CMonthStartTable::build(int block) const
{
    const std::lock_guard<std::mutex> lock(m_mutexBuild);
    if (m_built[block].load(std::memory_order_relaxed))
        return; // another thread built it meanwhile
    computeStarts(kFirstIndex + block * kBlockMonths,
        std::span<int>(m_pStarts.get() + block * kBlockMonths, kBlockMonths));
    m_built[block].store(true, std::memory_order_release);
}

int CMonthStartTable::MonthStart(int monthIndex) const
{
    if (monthIndex < kFirstIndex || monthIndex >= kEndIndex)
        return startBeyond(monthIndex);
    const int offset = monthIndex - kFirstIndex;
    const int block = offset / kBlockMonths;
    if (!m_built[block].load(std::memory_order_acquire))
        build(block);
    return m_pStarts[offset];
}

YearMonthDay CMonthStartTable::DateOf(int dayNumber) const
{
    // The days the table answers.
    static const int s_nFirstDay = ChristianDayNumber({kFirstSupportedYear, 1, 1});
    static const int s_nLastDay = ChristianDayNumber({kLastSupportedYear, 12, 31});
    if (dayNumber < s_nFirstDay || dayNumber > s_nLastDay)
        return dateBeyond(dayNumber);
    int index = static_cast<int>(
        std::floor((static_cast<double>(dayNumber) - kCivilEpochDay) / kCivilMeanMonth));
    while (MonthStart(index) > dayNumber)
        --index;
    while (MonthStart(index + 1) <= dayNumber)
        ++index;
    YearMonthDay date = HijriMonthOfIndex(index);
    date.day = dayNumber - MonthStart(index) + 1;
    return date;
}

#include "calendar/icu/recorded_months.h"

#include "text/sentence.h"
#include "text/translate.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <map>

// How the months are placed. With E(i) the start of month i and a kept
// record before it (month j, day Dj) and after it (month k, day Dk), the
// months between must fit: Dj + 29 (i - j) <= E(i) <= Dj + 30 (i - j), and
// Dk - 30 (k - i) <= E(i) <= Dk - 29 (k - i). E(i) is the rule's start held
// within those bounds. Counted as E(i) - 29 i, the rule's starts and both
// bounds climb by 0 or 1 a month, and so does what holds one within the
// others: every month has 29 or 30 days. Once the rule's start lies within
// the bounds of the record before, it stays within them for every later
// month (and within those of the record after, for every earlier one), so
// the months that move are a few on either side of each record.

namespace {

// Beyond the first and the last record, every month of the rule that is
// longer (after a late record) or shorter (after an early one) than the
// record's takes a day back; no rule goes anywhere near this many months
// without both lengths.
constexpr int kMaxWalk = 1000;

} // namespace

CRecordedMonths::CRecordedMonths(
    const CHijriRule &rule, int adjust, std::string ruleText, std::vector<HijriMonthStart> records)
    : m_rule(rule)
    , m_nAdjust(adjust)
    , m_strRule(std::move(ruleText))
    , m_given(std::move(records))
{
    for (std::size_t position = 0; position < m_given.size(); ++position) {
        const HijriMonthStart &record = m_given[position];
        const Neighbours around = neighboursOf(record.Index());
        std::optional<std::string> why;
        if (const std::optional<HijriMonthStart> first = Recorded(record.Index()))
            why = FillSentence(
                Translate("MonthStarts", "%1 is recorded twice; the first record, %2, counts"),
                {HijriMonthText(record.Index()), ChristianDayText(first->day)});
        else
            why = fitProblem(record, keptAt(around.before), keptAt(around.after));
        if (why)
            m_refused.push_back({position, record, std::move(*why)});
        else
            m_kept.insert(m_kept.begin() + (around.before + 1), record);
    }
    placeMonths();
}

std::optional<HijriMonthStart> CRecordedMonths::Recorded(int monthIndex) const
{
    const auto at = std::lower_bound(m_kept.begin(), m_kept.end(), monthIndex,
        [](const HijriMonthStart &r, int index) { return r.Index() < index; });
    if (at == m_kept.end() || at->Index() != monthIndex)
        return std::nullopt;
    return *at;
}

CRecordedMonths::Neighbours CRecordedMonths::neighboursOf(int monthIndex) const
{
    const auto at = std::lower_bound(m_kept.begin(), m_kept.end(), monthIndex,
        [](const HijriMonthStart &r, int index) { return r.Index() < index; });
    Neighbours around;
    const int position = static_cast<int>(at - m_kept.begin());
    if (position > 0)
        around.before = position - 1;
    const int after = at != m_kept.end() && at->Index() == monthIndex ? position + 1 : position;
    if (after < static_cast<int>(m_kept.size()))
        around.after = after;
    return around;
}

int CRecordedMonths::RuleStart(int monthIndex) const
{
    return m_rule.MonthStart(monthIndex) - m_nAdjust;
}

int CRecordedMonths::offset(int monthIndex) const
{
    const long long at = static_cast<long long>(monthIndex) - m_nFirstMoved;
    return at >= 0 && at < static_cast<long long>(m_moved.size()) ? m_moved[at] : 0;
}

int CRecordedMonths::MonthStart(int monthIndex) const
{
    return RuleStart(monthIndex) + offset(monthIndex);
}

// No month moves more than kMaxShift days, and a month has 29 days at
// least, so a day lies in the rule's month of it or in one beside it.
YearMonthDay CRecordedMonths::DateOf(int dayNumber) const
{
    const YearMonthDay rule = m_rule.DateOf(dayNumber + m_nAdjust);
    int index = HijriMonthIndex(rule.year, rule.month);
    const int shift = offset(index), nextShift = offset(index + 1);
    if (shift == 0 && nextShift == 0)
        return rule;
    int start = dayNumber - rule.day + 1 + shift;
    if (dayNumber < start)
        start = MonthStart(--index);
    else if (nextShift < 0 && dayNumber >= MonthStart(index + 1))
        start = MonthStart(++index);
    YearMonthDay date = HijriMonthOfIndex(index);
    date.day = dayNumber - start + 1;
    return date;
}

// The rule's start of a month held within the bounds of the kept records
// around it.
int CRecordedMonths::startBetween(int monthIndex, const Neighbours &around) const
{
    long long low = LLONG_MIN, high = LLONG_MAX;
    if (around.before >= 0) {
        const HijriMonthStart &r = m_kept[around.before];
        low = std::max(low, r.day + 1LL * kShortestMonth * (monthIndex - r.Index()));
        high = std::min(high, r.day + 1LL * kLongestMonth * (monthIndex - r.Index()));
    }
    if (around.after >= 0) {
        const HijriMonthStart &r = m_kept[around.after];
        low = std::max(low, r.day - 1LL * kLongestMonth * (r.Index() - monthIndex));
        high = std::min(high, r.day - 1LL * kShortestMonth * (r.Index() - monthIndex));
    }
    return static_cast<int>(std::clamp<long long>(RuleStart(monthIndex), low, high));
}

void CRecordedMonths::placeMonths()
{
    std::map<int, int> moved; // month index: start less the rule's
    const int kept = static_cast<int>(m_kept.size());
    for (int k = 0; k < kept; ++k) {
        const int index = m_kept[k].Index();
        moved[index] = m_kept[k].day - RuleStart(index);
        const Neighbours ahead{k, k + 1 < kept ? k + 1 : -1};
        const int end = k + 1 < kept ? m_kept[k + 1].Index() : index + kMaxWalk;
        for (int i = index + 1; i < end; ++i) {
            const int start = startBetween(i, ahead);
            if (start == RuleStart(i))
                break;
            moved[i] = start - RuleStart(i);
        }
        const Neighbours behind{k > 0 ? k - 1 : -1, k};
        const int begin = k > 0 ? m_kept[k - 1].Index() : index - kMaxWalk;
        for (int i = index - 1; i > begin; --i) {
            const int start = startBetween(i, behind);
            if (start == RuleStart(i))
                break;
            moved[i] = start - RuleStart(i);
        }
    }
    if (moved.empty())
        return;
    m_nFirstMoved = moved.begin()->first;
    m_moved.assign(moved.rbegin()->first - m_nFirstMoved + 1, 0);
    for (const auto &[index, shift] : moved)
        m_moved[index - m_nFirstMoved] = shift;
}

// Which records can be kept, and what a refusal tells the user: the month,
// the day, why, and what would fit instead.
#include "calendar/icu/recorded_months.h"

#include <cstdlib>

namespace {

bool monthsFit(int months, int days)
{
    return CRecordedMonths::kShortestMonth * months <= days &&
        days <= CRecordedMonths::kLongestMonth * months;
}

std::string plural(long long count, const char *one)
{
    return std::to_string(count) + " " + one + (count == 1 ? "" : "s");
}

// "7 February 2027", "7 or 8 February 2027", "31 January or 1 February
// 2027": days in order, each month and year named once.
std::string daysText(const std::vector<int> &days)
{
    std::string text;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const YearMonthDay date = ChristianOfDay(days[i]);
        const bool last = i + 1 == days.size();
        const YearMonthDay next = last ? YearMonthDay{} : ChristianOfDay(days[i + 1]);
        if (last || next.month != date.month || next.year != date.year)
            text += ChristianDayText(days[i]);
        else
            text += std::to_string(date.day);
        if (i + 2 < days.size())
            text += ", ";
        else if (!last)
            text += " or ";
    }
    return text;
}

HijriMonthStart recordOf(int monthIndex, int day)
{
    const YearMonthDay month = HijriMonthOfIndex(monthIndex);
    return {month.year, month.month, day};
}

// Why the months from `first` up to `last` cannot fit between their
// starts; `kept` is the one of them already recorded.
std::optional<std::string> spanProblem(
    const HijriMonthStart &first, const HijriMonthStart &last, const HijriMonthStart &kept)
{
    const long long months = last.Index() - first.Index();
    const long long days = static_cast<long long>(last.day) - first.day;
    if (monthsFit(static_cast<int>(months), static_cast<int>(days)))
        return std::nullopt;
    std::string why = "with " + HijriMonthText(kept.Index()) + " recorded as beginning on " +
        ChristianDayText(kept.day) + ", ";
    if (months == 1)
        return why + HijriMonthText(first.Index()) + " would have " + plural(days, "day") +
            ", and a month has 29 or 30";
    return why + "the " + std::to_string(months) + " months from " + HijriMonthText(first.Index()) +
        " to " + HijriMonthText(last.Index() - 1) + " would have " + plural(days, "day") +
        ", and " + std::to_string(months) + " months have " +
        std::to_string(CRecordedMonths::kShortestMonth * months) + " to " +
        std::to_string(CRecordedMonths::kLongestMonth * months);
}

} // namespace

const HijriMonthStart *CRecordedMonths::keptAt(int position) const
{
    return position >= 0 ? &m_kept[position] : nullptr;
}

std::optional<std::string> CRecordedMonths::fitProblem(const HijriMonthStart &record,
    const HijriMonthStart *before, const HijriMonthStart *after) const
{
    const int index = record.Index();
    const std::string head =
        HijriMonthText(index) + " cannot begin on " + ChristianDayText(record.day) + ": ";
    // A day of another month altogether: say which, not how many days away.
    const YearMonthDay ruleDate = m_rule.DateOf(record.day + m_nAdjust);
    const int ruleIndex = HijriMonthIndex(ruleDate.year, ruleDate.month);
    if (std::abs(static_cast<long long>(ruleIndex) - index) > 1)
        return head + "under " + m_strRule + " that day is " + std::to_string(ruleDate.day) + " " +
            HijriMonthText(ruleIndex);
    const int shift = record.day - RuleStart(index);
    if (std::abs(shift) > kMaxShift)
        return head + "that is " + plural(std::abs(shift), "day") +
            (shift > 0 ? " after" : " before") + " its first day under " + m_strRule + ", " +
            ChristianDayText(RuleStart(index)) + ", and a recorded start lies at most " +
            std::to_string(kMaxShift) + " days from it";
    std::optional<std::string> why;
    if (before)
        why = spanProblem(*before, record, *before);
    if (!why && after)
        why = spanProblem(record, *after, *after);
    if (why)
        return head + *why;
    return std::nullopt;
}

std::vector<int> CRecordedMonths::fittingDays(
    int monthIndex, const HijriMonthStart *before, const HijriMonthStart *after) const
{
    std::vector<int> days;
    const int ruleStart = RuleStart(monthIndex);
    for (int day = ruleStart - kMaxShift; day <= ruleStart + kMaxShift; ++day)
        if (!fitProblem(recordOf(monthIndex, day), before, after))
            days.push_back(day);
    return days;
}

std::vector<int> CRecordedMonths::Candidates(int monthIndex) const
{
    const Neighbours around = neighboursOf(monthIndex);
    return fittingDays(monthIndex, keptAt(around.before), keptAt(around.after));
}

// The days the month can have as the records stand, and a recorded month
// beside it whose record, made anew, would let this one stand too.
std::string CRecordedMonths::advice(const HijriMonthStart &record, const Neighbours &around) const
{
    const int index = record.Index();
    const std::vector<int> days = fittingDays(index, keptAt(around.before), keptAt(around.after));
    std::string text = days.empty()
        ? ". No day of " + HijriMonthText(index) + " fits the records around it"
        : ". As the records stand, " + HijriMonthText(index) + " can begin on " + daysText(days);
    for (const int side : {around.before, around.after}) {
        const HijriMonthStart *neighbour = keptAt(side);
        if (!neighbour || std::abs(neighbour->Index() - index) != 1)
            continue;
        const bool isBefore = side == around.before;
        const Neighbours beyond = neighboursOf(neighbour->Index());
        const std::vector<int> fitting = isBefore
            ? fittingDays(neighbour->Index(), keptAt(beyond.before), &record)
            : fittingDays(neighbour->Index(), &record, keptAt(beyond.after));
        // The record must still fit the kept record on its other side.
        const bool fitsOtherSide = !fitProblem(record, isBefore ? nullptr : keptAt(around.before),
            isBefore ? keptAt(around.after) : nullptr);
        if (!fitting.empty() && fitsOtherSide)
            return text + "; to begin it on " + ChristianDayText(record.day) + ", record " +
                HijriMonthText(neighbour->Index()) + " anew first, beginning on " +
                daysText(fitting);
    }
    return text;
}

std::optional<std::string> CRecordedMonths::Check(const HijriMonthStart &record) const
{
    const Neighbours around = neighboursOf(record.Index());
    std::optional<std::string> why =
        fitProblem(record, keptAt(around.before), keptAt(around.after));
    if (why)
        *why += advice(record, around);
    return why;
}

std::optional<HijriMonthStart> CRecordedMonths::MovedBy(int monthIndex) const
{
    if (offset(monthIndex) == 0 || Recorded(monthIndex))
        return std::nullopt;
    const Neighbours around = neighboursOf(monthIndex);
    const bool byBefore = around.before >= 0 &&
        startBetween(monthIndex, {around.before, -1}) != RuleStart(monthIndex);
    return m_kept[byBefore ? around.before : around.after];
}

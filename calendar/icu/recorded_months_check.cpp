// Which records can be kept, and what a refusal tells the user: the month,
// the day, why, and what would fit instead.
#include "calendar/icu/recorded_months.h"

#include "text/sentence.h"
#include "text/translate.h"

#include <cstdlib>

namespace {

bool monthsFit(int months, int days)
{
    return CRecordedMonths::kShortestMonth * months <= days &&
        days <= CRecordedMonths::kLongestMonth * months;
}

std::string dayCount(long long count)
{
    return TranslateCount("MonthStarts", "%n days", "%n day", count);
}

std::string numbered(long long number)
{
    return std::to_string(number);
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
        const std::string day = last || next.month != date.month || next.year != date.year
            ? ChristianDayText(days[i])
            : std::to_string(date.day);
        if (i == 0)
            text = day;
        else if (last)
            text = FillSentence(Translate("MonthStarts", "%1 or %2"), {text, day});
        else
            text = FillSentence(Translate("MonthStarts", "%1, %2"), {text, day});
    }
    return text;
}

HijriMonthStart recordOf(int monthIndex, int day)
{
    const YearMonthDay month = HijriMonthOfIndex(monthIndex);
    return {month.year, month.month, day};
}

// Why `record` cannot begin its month: the months from `first` up to `last`
// cannot fit between their starts; `kept` is the one of them already
// recorded.
std::optional<std::string> spanProblem(const HijriMonthStart &record, const HijriMonthStart &first,
    const HijriMonthStart &last, const HijriMonthStart &kept)
{
    const long long months = last.Index() - first.Index();
    const long long days = static_cast<long long>(last.day) - first.day;
    if (monthsFit(static_cast<int>(months), static_cast<int>(days)))
        return std::nullopt;
    const std::string month = HijriMonthText(record.Index()), day = ChristianDayText(record.day);
    const std::string keptMonth = HijriMonthText(kept.Index()),
                      keptDay = ChristianDayText(kept.day);
    if (months == 1)
        return FillSentence(Translate("MonthStarts",
                                "%1 cannot begin on %2: with %3 recorded as beginning on %4, %5 "
                                "would have %6, and a month has 29 or 30"),
            {month, day, keptMonth, keptDay, HijriMonthText(first.Index()), dayCount(days)});
    return FillSentence(Translate("MonthStarts",
                            "%1 cannot begin on %2: with %3 recorded as beginning on %4, the %5 "
                            "months from %6 to %7 would have %8, and %9 months have %10 to %11"),
        {month, day, keptMonth, keptDay, numbered(months), HijriMonthText(first.Index()),
            HijriMonthText(last.Index() - 1), dayCount(days), numbered(months),
            numbered(CRecordedMonths::kShortestMonth * months),
            numbered(CRecordedMonths::kLongestMonth * months)});
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
    const std::string month = HijriMonthText(index), day = ChristianDayText(record.day);
    // A day of another month altogether: say which, not how many days away.
    const YearMonthDay ruleDate = m_rule.DateOf(record.day + m_nAdjust);
    const int ruleIndex = HijriMonthIndex(ruleDate.year, ruleDate.month);
    if (std::abs(static_cast<long long>(ruleIndex) - index) > 1)
        return FillSentence(
            Translate("MonthStarts", "%1 cannot begin on %2: under %3 that day is %4"),
            {month, day, m_strRule,
                std::to_string(ruleDate.day) + " " + HijriMonthText(ruleIndex)});
    const int shift = record.day - RuleStart(index);
    if (std::abs(shift) > kMaxShift)
        return FillSentence(shift > 0
                ? Translate("MonthStarts",
                      "%1 cannot begin on %2: that is %3 after its first day under %4, %5, and a "
                      "recorded start lies at most %6 days from it")
                : Translate("MonthStarts",
                      "%1 cannot begin on %2: that is %3 before its first day under %4, %5, and a "
                      "recorded start lies at most %6 days from it"),
            {month, day, dayCount(std::abs(shift)), m_strRule, ChristianDayText(RuleStart(index)),
                numbered(kMaxShift)});
    std::optional<std::string> why;
    if (before)
        why = spanProblem(record, *before, record, *before);
    if (!why && after)
        why = spanProblem(record, record, *after, *after);
    return why;
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
    const std::string month = HijriMonthText(index);
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
        if (!fitting.empty() && fitsOtherSide) {
            const std::string anew = HijriMonthText(neighbour->Index());
            return days.empty()
                ? FillSentence(Translate("MonthStarts",
                                   "No day of %1 fits the records around it; to begin it on %2, "
                                   "record %3 anew first, beginning on %4"),
                      {month, ChristianDayText(record.day), anew, daysText(fitting)})
                : FillSentence(Translate("MonthStarts",
                                   "As the records stand, %1 can begin on %2; to begin it on %3, "
                                   "record %4 anew first, beginning on %5"),
                      {month, daysText(days), ChristianDayText(record.day), anew,
                          daysText(fitting)});
        }
    }
    return days.empty()
        ? FillSentence(Translate("MonthStarts", "No day of %1 fits the records around it"), {month})
        : FillSentence(Translate("MonthStarts", "As the records stand, %1 can begin on %2"),
              {month, daysText(days)});
}

std::optional<std::string> CRecordedMonths::Check(const HijriMonthStart &record) const
{
    const Neighbours around = neighboursOf(record.Index());
    std::optional<std::string> why =
        fitProblem(record, keptAt(around.before), keptAt(around.after));
    if (why)
        *why += ". " + advice(record, around);
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

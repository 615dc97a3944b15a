// The months of a rule with its day adjustment once recorded month starts
// (month_start_record.h) are kept; what CHijriCalendar converts with when it
// holds records. Whatever records it is given, it keeps these rules:
//   - a record it keeps is kept exactly: its month begins on the recorded
//     day, and the month before ends the day before;
//   - every month has 29 or 30 days;
//   - a month without a record begins where the rule begins it when the
//     records allow that, and otherwise as near to it as they allow (a late
//     month pulls the following ones along until the rule's months fit
//     again); months far from every record are exactly the rule's, and no
//     month moves more than 2 days from the rule's start;
//   - every civil day is one Hijri date, which converts back to that day.
// A record is refused when its day lies more than 2 days from the rule's
// start of its month, or when with the records kept before it some month
// would need 28 or 31 days; the records are taken in the order given, so of
// two that cannot both hold, the first is kept. It never changes once
// built: any number of threads may use it at once.
#pragma once

#include "calendar/icu/month_start_record.h"

#include <optional>
#include <string>
#include <vector>

class CRecordedMonths {
public:
    // Days a record may lie from the rule's start, and the lengths of months.
    static constexpr int kMaxShift = 2;
    static constexpr int kShortestMonth = 29;
    static constexpr int kLongestMonth = 30;

    // `rule` outlives this (the rules of HijriRuleOf live for the whole
    // program); ruleText names it with its adjustment in messages ("Umm
    // al-Qura, +1 day").
    CRecordedMonths(const CHijriRule &rule, int adjust, std::string ruleText,
        std::vector<HijriMonthStart> records);

    // The records as given, and those refused with the reasons.
    const std::vector<HijriMonthStart> &Given() const { return m_given; }
    const std::vector<MonthStartRefusal> &Refused() const { return m_refused; }
    // The record kept for the month; nothing when it has none.
    std::optional<HijriMonthStart> Recorded(int monthIndex) const;
    // The kept record that moved a month without a record of its own from
    // the rule's start; nothing when the month begins where the rule says.
    std::optional<HijriMonthStart> MovedBy(int monthIndex) const;

    // Day number of the month's first day, under the rule with its
    // adjustment alone, and with the records.
    int RuleStart(int monthIndex) const;
    int MonthStart(int monthIndex) const;
    // The Hijri date of a civil day, with the records.
    YearMonthDay DateOf(int dayNumber) const;

    // Why the record could not be kept beside the records kept here (its own
    // month's record, if any, left out: a new record replaces it), naming
    // the month and, where one would help, a neighbouring month to record
    // anew; nothing when it could.
    std::optional<std::string> Check(const HijriMonthStart &record) const;
    // The days on which the month could be recorded to begin, given the
    // other records: those of the rule's start and the two days on either
    // side of it that Check accepts, in order.
    std::vector<int> Candidates(int monthIndex) const;

private:
    // Where the records kept before and after a month stand: positions in
    // m_kept, or -1.
    struct Neighbours {
        int before = -1, after = -1;
    };

    Neighbours neighboursOf(int monthIndex) const;
    const HijriMonthStart *keptAt(int position) const;
    // Why the record cannot stand between the two (either may be null).
    std::optional<std::string> fitProblem(const HijriMonthStart &record,
        const HijriMonthStart *before, const HijriMonthStart *after) const;
    std::string advice(const HijriMonthStart &record, const Neighbours &around) const;
    std::vector<int> fittingDays(
        int monthIndex, const HijriMonthStart *before, const HijriMonthStart *after) const;
    int startBetween(int monthIndex, const Neighbours &around) const;
    void placeMonths();
    int offset(int monthIndex) const;

    const CHijriRule &m_rule;
    int m_nAdjust;
    std::string m_strRule;
    std::vector<HijriMonthStart> m_given;
    std::vector<HijriMonthStart> m_kept; // by month
    std::vector<MonthStartRefusal> m_refused;
    // MonthStart less RuleStart for the months from m_nFirstMoved on; 0 for
    // every other month.
    int m_nFirstMoved = 0;
    std::vector<int> m_moved;
};

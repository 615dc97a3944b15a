// The Hijri calendar with recorded month starts: records kept to the day,
// the months around them moved as little as the lengths allow, refusals that
// say why, the days a month may be recorded on, and the records' text form.
#include "calendar/icu/hijri_calendar.h"

#include "calendar/calendar.h"

#include "tests/calendar/date_printing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int dayOf(const YearMonthDay &christian)
{
    return ChristianDayNumber(christian);
}

// A record `shift` days from the rule's start of the month.
HijriMonthStart shifted(const CHijriCalendar &rule, int year, int month, int shift)
{
    return {year, month, rule.RuleMonthStart(year, month) + shift};
}

// Month starts under the tabular calendar, whose months have 30 and 29 days
// in turn (Muharram 30, Safar 29, ...): what one record moves, month by
// month from Jumada al-awwal to Muharram of the next year, in days from the
// rule's start.
TEST(RecordedMonths, MonthsAroundARecordMoveAsLittleAsTheLengthsAllow)
{
    struct Case {
        const char *name;
        int shift; // of Ramadhan 1448
        int moved[9]; // Jumada al-awwal 1448 .. Muharram 1449
    };
    const Case cases[] = {
        // Sha'ban (29 days) takes a day more, Ramadhan (30) one less.
        {"a day late", 1, {0, 0, 0, 0, 1, 0, 0, 0, 0}},
        // Sha'ban takes one of the two days, Rajab (30) the other; Ramadhan
        // would have 28 days, so Shawwal (29) follows a day late and pulls
        // Thul Qi'dah along, whose 30 days take the day back.
        {"two days late", 2, {0, 0, 1, 1, 2, 1, 1, 0, 0}},
        // Sha'ban would have 28 days and Ramadhan 31: both neighbours move
        // a day, and Rajab's 30 and Thul Qi'dah's 30 take it back.
        {"a day early", -1, {0, 0, 0, -1, -1, -1, 0, 0, 0}},
        {"two days early", -2, {0, -1, -1, -2, -2, -2, -1, -1, 0}},
    };
    const CHijriCalendar civil(HijriRule::Civil, 0);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const CHijriCalendar recorded = civil.WithMonthStarts({shifted(civil, 1448, 9, c.shift)});
        ASSERT_TRUE(recorded.RefusedMonthStarts().empty());
        for (int m = 0; m < 9; ++m) {
            const YearMonthDay month = HijriMonthOfIndex(HijriMonthIndex(1448, 5) + m);
            SCOPED_TRACE(HijriMonthNames[month.month - 1]);
            EXPECT_EQ(recorded.DayOfHijri({month.year, month.month, 1}) -
                    civil.DayOfHijri({month.year, month.month, 1}),
                c.moved[m]);
        }
    }
}

struct Refused {
    const char *name;
    std::vector<int> shifts; // of Rajab, Sha'ban, Ramadhan 1448 in turn; 99: none
    std::vector<bool> kept;
    const char *reason; // of the one refused
};

// Under the tabular calendar: Rajab 30 days, Sha'ban 29, Ramadhan 30.
const Refused kRefused[] = {
    {"three days late", {99, 99, 3}, {false},
        "Ramadhan 1448 cannot begin on 11 February 2027: that is 3 days after its first day "
        "under Tabular (civil), 8 February 2027, and a recorded start lies at most 2 days from "
        "it"},
    {"three days early", {99, 99, -3}, {false}, "that is 3 days before its first day"},
    {"Sha'ban of 31 days", {99, -1, 1}, {true, false},
        "Ramadhan 1448 cannot begin on 9 February 2027: with Sha'ban 1448 recorded as beginning "
        "on 9 January 2027, Sha'ban 1448 would have 31 days, and a month has 29 or 30"},
    {"Sha'ban of 28 days", {99, 0, -1}, {true, false}, "Sha'ban 1448 would have 28 days"},
    {"two months of 62 days", {-1, 99, 2}, {true, false},
        "with Rajab 1448 recorded as beginning on 10 December 2026, the 2 months from Rajab 1448 "
        "to Sha'ban 1448 would have 62 days, and 2 months have 58 to 60"},
    {"the first of two kept", {99, 2, -2}, {true, false}, "Sha'ban 1448 would have 25 days"},
    {"each fits its neighbour", {1, 1, 1}, {true, true, true}, ""},
};

TEST(RecordedMonths, RecordsThatCannotHoldAreRefusedWithTheReason)
{
    const CHijriCalendar civil(HijriRule::Civil, 0);
    for (const Refused &c : kRefused) {
        SCOPED_TRACE(c.name);
        std::vector<HijriMonthStart> records;
        for (int m = 0; m < 3; ++m)
            if (c.shifts[m] != 99)
                records.push_back(shifted(civil, 1448, 7 + m, c.shifts[m]));
        const CHijriCalendar recorded = civil.WithMonthStarts(records);
        std::size_t refused = 0;
        for (std::size_t i = 0; i < records.size(); ++i) {
            const HijriMonthStart &r = records[i];
            EXPECT_EQ(recorded.RecordedMonthStart(r.year, r.month).has_value(), c.kept[i]) << i;
            if (c.kept[i])
                continue;
            ASSERT_LT(refused, recorded.RefusedMonthStarts().size());
            const MonthStartRefusal &refusal = recorded.RefusedMonthStarts()[refused++];
            EXPECT_EQ(refusal.position, i);
            EXPECT_EQ(refusal.record, r);
            EXPECT_NE(refusal.reason.find(c.reason), std::string::npos) << refusal.reason;
        }
        EXPECT_EQ(recorded.RefusedMonthStarts().size(), refused);
    }
}

TEST(RecordedMonths, AMonthRecordedTwiceKeepsItsFirstRecord)
{
    const CHijriCalendar civil(HijriRule::Civil, 0);
    const CHijriCalendar recorded = civil.WithMonthStarts(
        {shifted(civil, 1448, 9, 1), shifted(civil, 1448, 9, 0), shifted(civil, 1448, 9, 1)});
    EXPECT_EQ(recorded.RecordedMonthStart(1448, 9)->day, shifted(civil, 1448, 9, 1).day);
    ASSERT_EQ(recorded.RefusedMonthStarts().size(), 2u);
    EXPECT_EQ(recorded.RefusedMonthStarts()[0].reason,
        "Ramadhan 1448 is recorded twice; the first record, 9 February 2027, counts");
}

TEST(RecordedMonths, ARecordOfAnotherMonthAltogetherNamesTheMonthOfItsDay)
{
    const CHijriCalendar calendar(HijriRule::UmmAlQura, 0);
    const std::optional<std::string> why =
        calendar.CheckMonthStart({1448, 9, dayOf({2026, 2, 18})});
    ASSERT_TRUE(why);
    EXPECT_NE(why->find("Ramadhan 1448 cannot begin on 18 February 2026: under Umm al-Qura that "
                        "day is 1 Ramadhan 1447"),
        std::string::npos)
        << *why;
}

// The days a month may be recorded on: the rule's start and two days either
// side, less those that its recorded neighbours rule out.
TEST(RecordedMonths, CandidatesAreTheDaysTheNeighboursAllow)
{
    struct Case {
        const char *name;
        int shaban, shawwal; // shifts of the recorded neighbours; 99: none
        std::vector<int> candidates; // of Ramadhan 1448, as shifts
    };
    const Case cases[] = {
        {"no neighbours", 99, 99, {-2, -1, 0, 1, 2}},
        // Sha'ban (29 days) on time: Ramadhan starts 0 or 1 day late.
        {"Sha'ban on time", 0, 99, {0, 1}},
        {"Sha'ban a day late", 1, 99, {1, 2}},
        // Ramadhan (30 days) before Shawwal on time: on time or a day late.
        {"Shawwal on time", 99, 0, {0, 1}},
        {"Shawwal two days early", 99, -2, {-2, -1}},
        {"Sha'ban late, Shawwal on time", 1, 0, {1}},
    };
    const CHijriCalendar civil(HijriRule::Civil, 0);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<HijriMonthStart> records;
        if (c.shaban != 99)
            records.push_back(shifted(civil, 1448, 8, c.shaban));
        if (c.shawwal != 99)
            records.push_back(shifted(civil, 1448, 10, c.shawwal));
        // Ramadhan's own record is left out: a new one replaces it.
        records.push_back(shifted(civil, 1448, 9, 1));
        const CHijriCalendar recorded = civil.WithMonthStarts(records);
        std::vector<int> shifts;
        for (const int day : recorded.MonthStartCandidates(1448, 9))
            shifts.push_back(day - civil.RuleMonthStart(1448, 9));
        EXPECT_EQ(shifts, c.candidates);
    }
}

TEST(RecordedMonths, ACheckSaysWhatWouldFitAndWhichNeighbourToRecordAnew)
{
    const CHijriCalendar civil(HijriRule::Civil, 0);
    const CHijriCalendar recorded = civil.WithMonthStarts({shifted(civil, 1448, 8, 0)});
    EXPECT_FALSE(recorded.CheckMonthStart(shifted(civil, 1448, 9, 1)));
    const std::optional<std::string> why = recorded.CheckMonthStart(shifted(civil, 1448, 9, -1));
    ASSERT_TRUE(why);
    EXPECT_EQ(*why,
        "Ramadhan 1448 cannot begin on 7 February 2027: with Sha'ban 1448 recorded as beginning "
        "on 10 January 2027, Sha'ban 1448 would have 28 days, and a month has 29 or 30. As the "
        "records stand, Ramadhan 1448 can begin on 8 or 9 February 2027; to begin it on "
        "7 February 2027, record Sha'ban 1448 anew first, beginning on 8 or 9 January 2027");
}

// Every kept record holds to the day: its first day converts both ways,
// and the day before is the last day of the month before.
TEST(RecordedMonths, EveryKeptRecordHoldsUnderEveryRuleAndAdjustment)
{
    for (const HijriRule rule : kHijriRules)
        for (const int adjust : {-2, 0, 1}) {
            const CHijriCalendar plain(rule, adjust);
            SCOPED_TRACE(plain.Description());
            const std::vector<HijriMonthStart> records{shifted(plain, 1447, 9, 1),
                shifted(plain, 1447, 10, 1), shifted(plain, 1300, 1, -2),
                shifted(plain, 2450, 12, 2), shifted(plain, 991, 1, -1)};
            const CHijriCalendar calendar = plain.WithMonthStarts(records);
            ASSERT_TRUE(calendar.RefusedMonthStarts().empty())
                << calendar.RefusedMonthStarts()[0].reason;
            for (const HijriMonthStart &r : records) {
                SCOPED_TRACE(MonthStartName(r));
                EXPECT_EQ(calendar.DayOfHijri({r.year, r.month, 1}), r.day);
                EXPECT_EQ(calendar.HijriOfDay(r.day), (YearMonthDay{r.year, r.month, 1}));
                const YearMonthDay before = calendar.HijriOfDay(r.day - 1);
                EXPECT_EQ(HijriMonthIndex(before.year, before.month), r.Index() - 1);
                EXPECT_EQ(before.day, calendar.MonthLength(before.year, before.month));
            }
        }
}

// A chain of consecutive months from `first`, each recorded on the day of
// its candidates furthest from the rule's start (late and early in turn),
// so that every record is kept.
std::vector<HijriMonthStart> chain(
    const CHijriCalendar &plain, int first, int months, std::vector<HijriMonthStart> records = {})
{
    for (int index = first; index < first + months; ++index) {
        const YearMonthDay month = HijriMonthOfIndex(index);
        const std::vector<int> days =
            plain.WithMonthStarts(records).MonthStartCandidates(month.year, month.month);
        records.push_back({month.year, month.month, index % 2 ? days.back() : days.front()});
    }
    return records;
}

// Months of the whole supported range, and every day near a record, under
// a calendar with records: what the effective calendar promises.
void checkMonths(const CHijriCalendar &plain, const CHijriCalendar &recorded)
{
    std::vector<int> kept;
    for (const HijriMonthStart &r : recorded.MonthStarts())
        if (const auto k = recorded.RecordedMonthStart(r.year, r.month); k && *k == r)
            kept.push_back(r.Index());
    const auto start = [&](int index) {
        const YearMonthDay m = HijriMonthOfIndex(index);
        return recorded.DayOfHijri({m.year, m.month, 1});
    };
    const YearMonthDay first = recorded.ToHijri({kFirstSupportedYear, 1, 1});
    const YearMonthDay last = recorded.ToHijri({kLastSupportedYear, 12, 31});
    for (int index = HijriMonthIndex(first.year, first.month);
         index <= HijriMonthIndex(last.year, last.month); ++index) {
        const YearMonthDay month = HijriMonthOfIndex(index);
        SCOPED_TRACE(month);
        const int e = start(index), length = start(index + 1) - e;
        const int rule = plain.DayOfHijri({month.year, month.month, 1});
        ASSERT_TRUE(length == 29 || length == 30) << length;
        ASSERT_EQ(recorded.MonthLength(month.year, month.month), length);
        ASSERT_EQ(recorded.HijriOfDay(e), (YearMonthDay{month.year, month.month, 1}));
        ASSERT_EQ(
            recorded.HijriOfDay(e + length - 1), (YearMonthDay{month.year, month.month, length}));
        if (e == rule)
            continue;
        ASSERT_LE(std::abs(e - rule), 2);
        const bool isKept = std::find(kept.begin(), kept.end(), index) != kept.end();
        const bool nearRecord =
            std::any_of(kept.begin(), kept.end(), [&](int k) { return std::abs(k - index) <= 12; });
        ASSERT_TRUE(nearRecord) << "moved " << e - rule << " days, far from every record";
        if (isKept)
            continue;
        // One day nearer the rule's start, a month beside it would not fit.
        const int nearer = e + (rule > e ? 1 : -1);
        const int before = nearer - start(index - 1), after = start(index + 1) - nearer;
        ASSERT_TRUE(before < 29 || before > 30 || after < 29 || after > 30)
            << "moved " << e - rule << " days where fewer would do";
    }
    for (const int index : kept)
        for (int day = start(index) - 400; day <= start(index) + 400; ++day) {
            const YearMonthDay christian = ChristianOfDay(day);
            ASSERT_EQ(recorded.DayOfHijri(recorded.HijriOfDay(day)), day);
            ASSERT_EQ(recorded.ToChristian(recorded.ToHijri(christian)), christian);
        }
}

TEST(RecordedMonths, EveryMonthOfTheRangeFitsUnderEveryRuleWithSeveralRecordSets)
{
    for (const HijriRule rule : kHijriRules) {
        const CHijriCalendar plain(rule, 0);
        struct Set {
            const char *name;
            std::vector<HijriMonthStart> records;
        };
        const Set sets[] = {
            {"late", {shifted(plain, 1448, 9, 2), shifted(plain, 1200, 3, 1)}},
            {"early", {shifted(plain, 1448, 9, -2), shifted(plain, 1200, 3, -1)}},
            {"consecutive", chain(plain, HijriMonthIndex(1440, 1), 24)},
            {"far apart",
                {shifted(plain, 991, 1, 1), shifted(plain, 1700, 6, -2),
                    shifted(plain, 2450, 12, 2)}},
            {"chains far apart",
                chain(plain, HijriMonthIndex(2000, 5), 3,
                    chain(plain, HijriMonthIndex(1100, 11), 4))},
        };
        for (const Set &set : sets) {
            SCOPED_TRACE(std::string(plain.Description()) + ", " + set.name);
            const CHijriCalendar recorded = plain.WithMonthStarts(set.records);
            ASSERT_TRUE(recorded.RefusedMonthStarts().empty())
                << recorded.RefusedMonthStarts()[0].reason;
            checkMonths(plain, recorded);
        }
    }
}

TEST(RecordedMonths, ValueSemantics)
{
    const CHijriCalendar plain(HijriRule::UmmAlQura, 1);
    const CHijriCalendar recorded = plain.WithMonthStarts({shifted(plain, 1448, 9, 1)});
    const CHijriCalendar copy = recorded;
    EXPECT_EQ(copy, recorded);
    EXPECT_NE(recorded, plain);
    EXPECT_EQ(plain.WithMonthStarts({}), plain);
    EXPECT_NE(recorded, plain.WithMonthStarts({shifted(plain, 1448, 9, 2)}));
    // Another rule keeps the records, judged anew.
    const CHijriCalendar civil = recorded.WithSetting({HijriRule::Civil, 0});
    EXPECT_EQ(civil.Rule(), HijriRule::Civil);
    ASSERT_EQ(civil.MonthStarts().size(), 1u);
    EXPECT_EQ(civil.MonthStarts()[0], recorded.MonthStarts()[0]);
}

TEST(RecordedMonths, DescriptionsNameTheRecords)
{
    const CHijriCalendar plain(HijriRule::Civil, 0);
    const HijriMonthStart ramadhan = shifted(plain, 1448, 9, 2);
    // Rajab and Shawwal move a day with it (see above).
    const CHijriCalendar one = plain.WithMonthStarts({ramadhan});
    const CHijriCalendar minusOne(HijriRule::Civil, -1);
    struct Case {
        const char *name;
        CHijriCalendar calendar;
        int day;
        std::string description;
    };
    const Case cases[] = {
        {"no records", plain, ramadhan.day, "Tabular (civil)"},
        {"in the month recorded", one, ramadhan.day + 3, "Tabular (civil), 1 Ramadhan recorded"},
        {"a month moved after it", one, plain.RuleMonthStart(1448, 10) + 2,
            "Tabular (civil), 1 Shawwal moved by the recorded 1 Ramadhan"},
        {"a month moved before it", one, plain.RuleMonthStart(1448, 7) + 2,
            "Tabular (civil), 1 Rajab moved by the recorded 1 Ramadhan"},
        {"far from it", one, ramadhan.day + 400, "Tabular (civil), 1 month start recorded"},
        {"kept and refused", plain.WithMonthStarts({ramadhan, shifted(plain, 1448, 11, 5)}),
            ramadhan.day + 400, "Tabular (civil), 1 month start recorded"},
        {"with adjustment",
            minusOne.WithMonthStarts(
                {shifted(minusOne, 1448, 9, 0), shifted(minusOne, 1448, 11, 0)}),
            0, "Tabular (civil), -1 day, 2 month starts recorded"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.calendar.DescriptionOn(c.day), c.description);
    }
    EXPECT_EQ(one.Description(), "Tabular (civil), 1 month start recorded");
}

TEST(MonthStartRecord, TextFormBothWays)
{
    struct Case {
        const char *name, *entry, *value;
        HijriMonthStart record;
        const char *error; // empty: read
    };
    const Case cases[] = {
        {"the usual form", "1448/9", "2027-02-07", {1448, 9, dayOf({2027, 2, 7})}, ""},
        {"short numbers", "1448/09", "2027-2-7", {1448, 9, dayOf({2027, 2, 7})}, ""},
        {"the first Gregorian day", "990/9", "1582-10-15", {990, 9, dayOf({1582, 10, 15})}, ""},
        {"a dash", "1448-9", "2027-02-07", {}, "\"1448-9\" is not a Hijri month; write YEAR/MONTH"},
        {"no month", "1448", "2027-02-07", {}, "is not a Hijri month"},
        {"year 0", "0/9", "2027-02-07", {}, "there is no Hijri year 0"},
        {"month 13", "1448/13", "2027-02-07", {}, "Hijri month 13 does not exist"},
        {"month 0", "1448/0", "2027-02-07", {}, "Hijri month 0 does not exist"},
        {"a negative year", "-5/9", "2027-02-07", {}, "is not a Hijri month"},
        {"a long year", "14480/9", "2027-02-07", {}, "is not a Hijri month"},
        {"slashes", "1448/9", "2027/02/07", {}, "\"2027/02/07\" is not a date; write YYYY-MM-DD"},
        {"a short year", "1448/9", "27-02-07", {}, "is not a date"},
        {"trailing text", "1448/9", "2027-02-07 ; Ramadan", {}, "is not a date"},
        {"empty", "1448/9", "", {}, "\"\" is not a date"},
        {"February 30", "1448/9", "2027-02-30", {}, "2027-02-30: February 2027 has no day 30"},
        {"month 13 of a date", "1448/9", "2027-13-01", {}, "2027-13-01: there is no month 13"},
        {"a dropped day", "990/9", "1582-10-10", {}, "October 1582 has no day 10"},
        {"before the Gregorian calendar", "990/9", "1582-10-04", {},
            "1582-10-04: a month start is recorded by its Gregorian date, and the Gregorian "
            "calendar begins on 15 October 1582"},
        {"after the supported years", "2453/1", "3001-01-01", {},
            "3001-01-01: the last supported year is 3000"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        const std::optional<HijriMonthStart> record = ParseMonthStart(c.entry, c.value, error);
        if (*c.error == '\0') {
            ASSERT_TRUE(record) << error;
            EXPECT_EQ(*record, c.record);
            std::string again;
            EXPECT_EQ(
                ParseMonthStart(MonthStartName(*record), MonthStartValue(*record), again), record);
        } else {
            EXPECT_FALSE(record);
            EXPECT_NE(error.find(c.error), std::string::npos) << error;
        }
    }
    EXPECT_EQ(MonthStartName({1448, 9, dayOf({2027, 2, 7})}), "1448/9");
    EXPECT_EQ(MonthStartValue({1448, 9, dayOf({2027, 2, 7})}), "2027-02-07");
}

} // namespace

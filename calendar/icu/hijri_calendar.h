// The Hijri calendar as the user keeps it: a rule (astronomical, Umm
// al-Qura or tabular), a day adjustment of -2 to +2, and the month starts
// the user recorded (month_start_record.h, recorded_months.h). This is the
// one front through which the program converts Hijri dates; the default
// value is the engine's calendar, and converts exactly as calendar.h does.
//
//   const CHijriCalendar calendar = CHijriCalendar::FromSettings(
//       ReadProfileEntry(profile, kDefaultsSection, kHijriCalendarEntry, ""),
//       ReadProfileEntry(profile, kDefaultsSection, kHijriAdjustEntry, ""))
//       .WithMonthStarts(records);
//   const YearMonthDay hijri = calendar.ToHijri({2026, 2, 18});
//   const int first = calendar.DayOfHijri({1447, 9, 1}); // a day number
//   for (int d = first; d < first + calendar.MonthLength(1447, 9); ++d)
//       ... ChristianOfDay(d), WeekdayOfDay(d), calendar.HijriOfDay(d) ...
//
// Supported range: every civil day of the Christian years -4000 to 3000
// under every rule, adjustment and set of records, and the Hijri dates they
// show; within it, converting there and back gives the date itself. Umm
// al-Qura follows ICU's table for the Hijri years 1300 to 1600 and, as ICU
// does, the tabular calendar before and after them.
//
// Callers validate (nothing here refuses a date): the month 1..12, the day
// 1..MonthLength for a Hijri date (a later day runs on into the next month,
// day 0 is the last day of the month before, as in the engine), a
// Christian date that exists, and the range above.
//
// A calendar is a value: copies share the records, which never change, so
// copying costs a pointer. Threads: every conversion of the supported range
// may be called from any number of threads at once, under every rule. Beyond
// it the astronomical rule converts a civil day with the engine's static
// records: one thread at a time.
#pragma once

#include "calendar/hijri_rule.h"
#include "calendar/icu/month_start_record.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CRecordedMonths;

class CHijriCalendar {
public:
    // The astronomical rule without adjustment or records.
    CHijriCalendar() = default;
    // An adjustment outside -2..2 is taken as the nearer end.
    CHijriCalendar(HijriRule rule, int adjust);
    explicit CHijriCalendar(const HijriSetting &setting);
    // From the profile's "HijriCalendar" and "HijriAdjust" values
    // (ParseHijriSetting): missing or unreadable values give the default.
    static CHijriCalendar FromSettings(std::string_view calendarText, std::string_view adjustText);

    HijriRule Rule() const { return m_rule; }
    int Adjust() const { return m_nAdjust; }

    // The same rule and adjustment with these records (and no others),
    // taken in the order given: those that cannot be kept are refused
    // (RefusedMonthStarts), the first of two that cannot both hold kept.
    CHijriCalendar WithMonthStarts(std::vector<HijriMonthStart> records) const;
    // The same records under another rule or adjustment, refused anew.
    CHijriCalendar WithSetting(const HijriSetting &setting) const;

    // The records as given, and those refused, with the reasons.
    std::span<const HijriMonthStart> MonthStarts() const;
    std::span<const MonthStartRefusal> RefusedMonthStarts() const;
    // The record kept for a month; nothing when the month has none.
    std::optional<HijriMonthStart> RecordedMonthStart(int year, int month) const;
    // The first day of a month (a day number) under the rule and adjustment
    // alone, as if nothing were recorded.
    int RuleMonthStart(int year, int month) const;
    // For recording the start of a month: the days it could begin on given
    // the other records (its own record left out, as a new one replaces
    // it), among the rule's start and the two days either side of it; and
    // why a record could not be kept, in a sentence that names the month,
    // says why and what would fit instead. Nothing when it could.
    std::vector<int> MonthStartCandidates(int year, int month) const;
    std::optional<std::string> CheckMonthStart(const HijriMonthStart &record) const;

    // The Hijri date shown for a civil day: the rule's date of the day
    // Adjust() days later, then the records.
    YearMonthDay HijriOfDay(int dayNumber) const;
    // The civil day of a Hijri date; the exact inverse of HijriOfDay.
    int DayOfHijri(const YearMonthDay &hijri) const;
    // 29 or 30 (year 0 is taken as -1, month 1..12).
    int MonthLength(int year, int month) const;

    // The same through Christian dates.
    YearMonthDay ToHijri(const YearMonthDay &christian) const;
    YearMonthDay ToChristian(const YearMonthDay &hijri) const;

    // "umalqura": as the profile and the converter's --calendar name it.
    std::string_view Name() const;
    // "Umm al-Qura".
    std::string DisplayName() const;
    // "Umm al-Qura, +1 day", "Astronomical, -2 days", or the display name
    // alone without adjustment; with records kept, how many: "Umm al-Qura,
    // 3 month starts recorded".
    std::string Description() const;
    // The same for a civil day whose month a record touches: "Umm al-Qura,
    // 1 Ramadhan recorded", or "Umm al-Qura, 1 Shawwal moved by the
    // recorded 1 Ramadhan"; otherwise Description(). The tool tip of today.
    std::string DescriptionOn(int dayNumber) const;

    // Equal rules, adjustments and records as given.
    friend bool operator==(const CHijriCalendar &a, const CHijriCalendar &b);

private:
    int monthStart(int monthIndex) const;
    std::string ruleDescription() const;

    HijriRule m_rule = HijriRule::Astronomical;
    int m_nAdjust = 0;
    std::shared_ptr<const CRecordedMonths> m_pRecords; // none without records
};

// The rule's month starts, for callers that walk months themselves; the
// astronomical rule's are the engine's (AstronomicalRule), from a table.
const CHijriRule &HijriRuleOf(HijriRule rule);

// What keeps a rule from being computed, in words fit to show: ICU failing
// to give the calendar that Umm al-Qura and the tabular rule are built
// from. Empty when the rule can be used; the astronomical rule always can.
// It builds what the rule needs now, so that conversions do not fail later.
std::string HijriRuleProblem(HijriRule rule);

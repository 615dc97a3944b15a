// The rules by which a Hijri calendar can be kept, and what they share:
// dates, day numbers, the rules' names and their stored settings. Standard
// library only; the rules that ICU computes live in calendar/icu/, and
// callers convert through the front there (calendar/icu/hijri_calendar.h).
//
// A day number is the Julian day number of a civil day (midnight to
// midnight, universal time): the Julian date of its noon. 1 January 2000 is
// 2451545.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// A date of either calendar: the year as people write it (no year 0, the
// year before 1 is -1), the month 1..12, the day from 1.
struct YearMonthDay {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const YearMonthDay &, const YearMonthDay &) = default;
};

// Years as people write them have no year 0; astronomical years count on
// through it: -1 is 0, -2 is -1. A year 0 as written is taken as -1.
constexpr int AstronomicalYear(int year)
{
    return year < 0 ? year + 1 : year;
}
constexpr int YearAsWritten(int astronomicalYear)
{
    return astronomicalYear <= 0 ? astronomicalYear - 1 : astronomicalYear;
}

// The Christian years whose dates the program answers for, under every
// rule: the engine's round trip is verified over them.
inline constexpr int kFirstSupportedYear = -4000;
inline constexpr int kLastSupportedYear = 3000;

enum class HijriRule {
    Astronomical, // from new moons, the engine's own (calendar.h)
    UmmAlQura, // the official calendar of Saudi Arabia, as ICU tabulates it
    Civil, // the tabular (civil) calendar: 30-year cycles of 11 leap years
};

inline constexpr HijriRule kHijriRules[] = {
    HijriRule::Astronomical, HijriRule::UmmAlQura, HijriRule::Civil};

// The day adjustment: with N, the Hijri date shown for a civil day is the
// rule's date of the day N days later.
inline constexpr int kMinHijriAdjust = -2;
inline constexpr int kMaxHijriAdjust = 2;

// Where a rule's months begin. Implementations may remember what they have
// computed but give the same answer for every call; which of them may be
// called from several threads at once is said at each one.
class CHijriRule {
public:
    virtual ~CHijriRule() = default;
    // Day number of day 1 of a month, by its index (HijriMonthIndex).
    virtual int MonthStart(int monthIndex) const = 0;
    // The Hijri date of a civil day.
    virtual YearMonthDay DateOf(int dayNumber) const = 0;
};

// The engine's calendar as a rule: MonthStart and DateOf give exactly what
// hijritochrist and christtohijri give. It shares the engine's static
// records and memory of month starts: one thread at a time.
const CHijriRule &AstronomicalRule();
// AstronomicalRule().MonthStart computed afresh from the lunar series, with
// nothing remembered or shared: from any thread.
int AstronomicalMonthStart(int monthIndex);

// Months counted from Muharram of the year 1 (index 0); Thul Hijjah of the
// year -1 is index -1. The index of a year 0 is that of the year -1.
constexpr int HijriMonthIndex(int year, int month)
{
    return 12 * (AstronomicalYear(year) - 1) + month - 1;
}
// Year and month of an index, the day left 0.
constexpr YearMonthDay HijriMonthOfIndex(int index)
{
    // Floor division, so that a negative index has a month 1..12.
    const int years = index >= 0 ? index / 12 : -((-index + 11) / 12);
    return {YearAsWritten(years + 1), index - 12 * years + 1, 0};
}

// Christian dates (Julian calendar up to 4 October 1582, Gregorian from
// 15 October 1582) by day number, as the engine reckons them (juliandate,
// christiandate), in whole numbers and from any thread. ChristianDayNumber
// takes the years from -4799 on, months 0 to 13 (0 is the December before,
// 13 the January after) and days 0 to 99 (beyond the month's end they run
// on); ChristianOfDay takes day numbers from 0 (1 January -4713) on.
int ChristianDayNumber(const YearMonthDay &christian);
YearMonthDay ChristianOfDay(int dayNumber);
// 0 = Sunday .. 6 = Saturday; any day number, also a negative one.
int WeekdayOfDay(int dayNumber);

// "astronomical", "umalqura", "civil": the rule's name in the profile and
// on the converter's command line.
std::string_view HijriRuleName(HijriRule rule);
// "Astronomical", "Umm al-Qura", "Tabular (civil)": the rule as a menu or
// a tool tip names it, in the user's language.
std::string HijriRuleDisplayName(HijriRule rule);
// The rule of a name above, its letters in any case; nothing for any other
// text.
std::optional<HijriRule> HijriRuleFromName(std::string_view name);
// A whole number of days from -2 to 2 ("-1", "0", "+2"); nothing for any
// other text.
std::optional<int> HijriAdjustFromText(std::string_view text);

// The rule and adjustment as the profile keeps them ("Defaults",
// "HijriCalendar" and "HijriAdjust"). Each value that is missing or
// unreadable gives its default: astronomical, 0.
struct HijriSetting {
    HijriRule rule = HijriRule::Astronomical;
    int adjust = 0;
    friend bool operator==(const HijriSetting &, const HijriSetting &) = default;
};
HijriSetting ParseHijriSetting(std::string_view calendarText, std::string_view adjustText);

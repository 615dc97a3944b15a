#include "calendar/hijri_rule.h"

#include "calendar/calendar.h"
#include "calendar/engine_constants.h"
#include "calendar/lunation.h"
#include "text/translate.h"

#include <charconv>

namespace {

// The engine's rule, through the engine's own functions.
class CAstronomicalRule final : public CHijriRule {
public:
    int MonthStart(int monthIndex) const override
    {
        // monthstart S: day 1 is the day numbered S + 1 (S is whole).
        return static_cast<int>(RememberedMonthStart(monthIndex + kLunationOfMuharram1)) + 1;
    }

    YearMonthDay DateOf(int dayNumber) const override
    {
        const YearMonthDay c = ChristianOfDay(dayNumber);
        const CalendarDate *h = christtohijri(c.year, c.month, c.day);
        return {h->year, h->month, h->day};
    }
};

struct RuleNames {
    HijriRule rule;
    std::string_view name, displayName;
};

constexpr RuleNames kNames[] = {
    {HijriRule::Astronomical, "astronomical", ZX_TRANSLATE_NOOP("HijriCalendar", "Astronomical")},
    {HijriRule::UmmAlQura, "umalqura", ZX_TRANSLATE_NOOP("HijriCalendar", "Umm al-Qura")},
    {HijriRule::Civil, "civil", ZX_TRANSLATE_NOOP("HijriCalendar", "Tabular (civil)")},
};

const RuleNames &namesOf(HijriRule rule)
{
    for (const RuleNames &names : kNames)
        if (names.rule == rule)
            return names;
    return kNames[0];
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

} // namespace

const CHijriRule &AstronomicalRule()
{
    static const CAstronomicalRule s_rule;
    return s_rule;
}

int AstronomicalMonthStart(int monthIndex)
{
    double newMoon;
    return static_cast<int>(monthstart(monthIndex + kLunationOfMuharram1, &newMoon)) + 1;
}

// In whole numbers: juliandate's day, without its floating point.
int ChristianDayNumber(const YearMonthDay &christian)
{
    const int year = AstronomicalYear(christian.year);
    // Years and months counted from 1 March of the year -4800, so that the
    // leap day ends a year; month 0 is December, 13 next January.
    const int beforeMarch = (14 - christian.month) / 12;
    const int y = year + 4800 - beforeMarch;
    const int m = christian.month + 12 * beforeMarch - 3;
    const int julian = christian.day + (153 * m + 2) / 5 + 365 * y + y / 4 - 32083;
    // The date as given decides the calendar, as in juliandate.
    const bool gregorian =
        year > 1582 || (year == 1582 && christian.month * 100 + christian.day >= 1015);
    return gregorian ? julian - y / 100 + y / 400 + 38 : julian;
}

// In whole numbers: the engine's answer for every day from the year -4713
// on, without its static record, and faster.
YearMonthDay ChristianOfDay(int dayNumber)
{
    // Days since 1 March of the astronomical year -4800, counted in
    // Gregorian 400-year cycles from 15 October 1582 on, or in Julian
    // 4-year cycles before.
    int a = dayNumber + 32082, centuries = 0;
    if (dayNumber >= kFirstGregorianDay) {
        const int g = dayNumber + 32044;
        centuries = (4 * g + 3) / 146097;
        a = g - 146097 * centuries / 4;
    }
    const int years = (4 * a + 3) / 1461;
    const int dayOfYear = a - 1461 * years / 4; // from 1 March
    const int m = (5 * dayOfYear + 2) / 153; // 0 = March .. 11 = February
    const int year = 100 * centuries + years - 4800 + m / 10; // astronomical
    return {YearAsWritten(year), m + 3 - 12 * (m / 10), dayOfYear - (153 * m + 2) / 5 + 1};
}

int WeekdayOfDay(int dayNumber)
{
    const int weekday = (dayNumber + 1) % 7; // day number 0 was a Monday
    return weekday < 0 ? weekday + 7 : weekday;
}

std::string_view HijriRuleName(HijriRule rule)
{
    return namesOf(rule).name;
}

std::string HijriRuleDisplayName(HijriRule rule)
{
    return Translate("HijriCalendar", namesOf(rule).displayName);
}

std::optional<HijriRule> HijriRuleFromName(std::string_view name)
{
    for (const RuleNames &names : kNames)
        if (equalIgnoringCase(name, names.name))
            return names.rule;
    return std::nullopt;
}

std::optional<int> HijriAdjustFromText(std::string_view text)
{
    // from_chars takes a '-' but no '+'.
    const bool plus = !text.empty() && text.front() == '+';
    if (plus)
        text.remove_prefix(1);
    if (text.empty() || (plus && text.front() == '-'))
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (value < kMinHijriAdjust || value > kMaxHijriAdjust)
        return std::nullopt;
    return value;
}

HijriSetting ParseHijriSetting(std::string_view calendarText, std::string_view adjustText)
{
    HijriSetting setting;
    if (const std::optional<HijriRule> rule = HijriRuleFromName(calendarText))
        setting.rule = *rule;
    if (const std::optional<int> adjust = HijriAdjustFromText(adjustText))
        setting.adjust = *adjust;
    return setting;
}

#include "calendar/icu/hijri_calendar.h"

#include "calendar/icu/astronomical_table.h"
#include "calendar/icu/icu_month_table.h"

#include <algorithm>

CHijriCalendar::CHijriCalendar(HijriRule rule, int adjust)
    : m_rule(rule)
    , m_nAdjust(std::clamp(adjust, kMinHijriAdjust, kMaxHijriAdjust))
{
}

CHijriCalendar::CHijriCalendar(const HijriSetting &setting)
    : CHijriCalendar(setting.rule, setting.adjust)
{
}

CHijriCalendar CHijriCalendar::FromSettings(
    std::string_view calendarText, std::string_view adjustText)
{
    return CHijriCalendar(ParseHijriSetting(calendarText, adjustText));
}

YearMonthDay CHijriCalendar::HijriOfDay(int dayNumber) const
{
    return HijriRuleOf(m_rule).DateOf(dayNumber + m_nAdjust);
}

int CHijriCalendar::DayOfHijri(const YearMonthDay &hijri) const
{
    const int start = HijriRuleOf(m_rule).MonthStart(HijriMonthIndex(hijri.year, hijri.month));
    return start + hijri.day - 1 - m_nAdjust;
}

int CHijriCalendar::MonthLength(int year, int month) const
{
    const CHijriRule &rule = HijriRuleOf(m_rule);
    const int index = HijriMonthIndex(year, month);
    return rule.MonthStart(index + 1) - rule.MonthStart(index);
}

YearMonthDay CHijriCalendar::ToHijri(const YearMonthDay &christian) const
{
    return HijriOfDay(ChristianDayNumber(christian));
}

YearMonthDay CHijriCalendar::ToChristian(const YearMonthDay &hijri) const
{
    return ChristianOfDay(DayOfHijri(hijri));
}

std::string_view CHijriCalendar::Name() const
{
    return HijriRuleName(m_rule);
}

std::string_view CHijriCalendar::DisplayName() const
{
    return HijriRuleDisplayName(m_rule);
}

std::string CHijriCalendar::Description() const
{
    std::string text(DisplayName());
    if (m_nAdjust != 0)
        text += std::string(", ") + (m_nAdjust > 0 ? "+" : "") + std::to_string(m_nAdjust) +
            (m_nAdjust == 1 || m_nAdjust == -1 ? " day" : " days");
    return text;
}

const CHijriRule &HijriRuleOf(HijriRule rule)
{
    switch (rule) {
    case HijriRule::UmmAlQura:
        return UmmAlQuraRule();
    case HijriRule::Civil:
        return CivilRule();
    case HijriRule::Astronomical:
        break;
    }
    return AstronomicalTableRule();
}

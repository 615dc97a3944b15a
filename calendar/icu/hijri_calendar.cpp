#include "calendar/icu/hijri_calendar.h"

#include "calendar/calendar.h"
#include "calendar/icu/astronomical_table.h"
#include "calendar/icu/icu_month_table.h"
#include "calendar/icu/recorded_months.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <algorithm>
#include <cstdlib>
#include <exception>

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

CHijriCalendar CHijriCalendar::WithMonthStarts(std::vector<HijriMonthStart> records) const
{
    CHijriCalendar calendar(m_rule, m_nAdjust);
    if (!records.empty())
        calendar.m_pRecords = std::make_shared<const CRecordedMonths>(
            HijriRuleOf(m_rule), m_nAdjust, ruleDescription(), std::move(records));
    return calendar;
}

CHijriCalendar CHijriCalendar::WithSetting(const HijriSetting &setting) const
{
    const std::span<const HijriMonthStart> records = MonthStarts();
    return CHijriCalendar(setting).WithMonthStarts({records.begin(), records.end()});
}

std::span<const HijriMonthStart> CHijriCalendar::MonthStarts() const
{
    if (!m_pRecords)
        return {};
    return m_pRecords->Given();
}

std::span<const MonthStartRefusal> CHijriCalendar::RefusedMonthStarts() const
{
    if (!m_pRecords)
        return {};
    return m_pRecords->Refused();
}

std::optional<HijriMonthStart> CHijriCalendar::RecordedMonthStart(int year, int month) const
{
    if (!m_pRecords)
        return std::nullopt;
    return m_pRecords->Recorded(HijriMonthIndex(year, month));
}

int CHijriCalendar::RuleMonthStart(int year, int month) const
{
    return HijriRuleOf(m_rule).MonthStart(HijriMonthIndex(year, month)) - m_nAdjust;
}

std::vector<int> CHijriCalendar::MonthStartCandidates(int year, int month) const
{
    if (m_pRecords)
        return m_pRecords->Candidates(HijriMonthIndex(year, month));
    return CRecordedMonths(HijriRuleOf(m_rule), m_nAdjust, ruleDescription(), {})
        .Candidates(HijriMonthIndex(year, month));
}

std::optional<std::string> CHijriCalendar::CheckMonthStart(const HijriMonthStart &record) const
{
    if (m_pRecords)
        return m_pRecords->Check(record);
    return CRecordedMonths(HijriRuleOf(m_rule), m_nAdjust, ruleDescription(), {}).Check(record);
}

int CHijriCalendar::monthStart(int monthIndex) const
{
    if (m_pRecords)
        return m_pRecords->MonthStart(monthIndex);
    return HijriRuleOf(m_rule).MonthStart(monthIndex) - m_nAdjust;
}

YearMonthDay CHijriCalendar::HijriOfDay(int dayNumber) const
{
    if (m_pRecords)
        return m_pRecords->DateOf(dayNumber);
    return HijriRuleOf(m_rule).DateOf(dayNumber + m_nAdjust);
}

int CHijriCalendar::DayOfHijri(const YearMonthDay &hijri) const
{
    return monthStart(HijriMonthIndex(hijri.year, hijri.month)) + hijri.day - 1;
}

int CHijriCalendar::MonthLength(int year, int month) const
{
    const int index = HijriMonthIndex(year, month);
    return monthStart(index + 1) - monthStart(index);
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

std::string CHijriCalendar::DisplayName() const
{
    return HijriRuleDisplayName(m_rule);
}

std::string CHijriCalendar::ruleDescription() const
{
    if (m_nAdjust == 0)
        return DisplayName();
    const std::string adjust = (m_nAdjust > 0 ? "+" : "") + std::to_string(m_nAdjust);
    const long long days = std::abs(m_nAdjust);
    return FillSentence(TranslateCount("HijriCalendar", "%1, %2 days", "%1, %2 day", days),
        {DisplayName(), adjust});
}

std::string CHijriCalendar::Description() const
{
    const long long kept = m_pRecords
        ? static_cast<long long>(m_pRecords->Given().size() - m_pRecords->Refused().size())
        : 0;
    if (kept == 0)
        return ruleDescription();
    return FillSentence(TranslateCount("HijriCalendar", "%1, %n month starts recorded",
                            "%1, %n month start recorded", kept),
        {ruleDescription()});
}

std::string CHijriCalendar::DescriptionOn(int dayNumber) const
{
    if (!m_pRecords)
        return Description();
    const YearMonthDay date = HijriOfDay(dayNumber);
    const int index = HijriMonthIndex(date.year, date.month);
    const auto month = [](int monthIndex) {
        return HijriMonthShownName(HijriMonthOfIndex(monthIndex).month);
    };
    if (m_pRecords->Recorded(index))
        return FillSentence(
            Translate("HijriCalendar", "%1, 1 %2 recorded"), {ruleDescription(), month(index)});
    if (const std::optional<HijriMonthStart> by = m_pRecords->MovedBy(index))
        return FillSentence(Translate("HijriCalendar", "%1, 1 %2 moved by the recorded 1 %3"),
            {ruleDescription(), month(index), month(by->Index())});
    return Description();
}

bool operator==(const CHijriCalendar &a, const CHijriCalendar &b)
{
    const std::span<const HijriMonthStart> ours = a.MonthStarts(), theirs = b.MonthStarts();
    return a.m_rule == b.m_rule && a.m_nAdjust == b.m_nAdjust &&
        std::equal(ours.begin(), ours.end(), theirs.begin(), theirs.end());
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

std::string HijriRuleProblem(HijriRule rule)
{
    try {
        // A month of today's years: its block of the table is built now.
        HijriRuleOf(rule).MonthStart(HijriMonthIndex(1447, 1));
        return {};
    } catch (const std::exception &failure) {
        return failure.what();
    }
}

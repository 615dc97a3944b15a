#include "agenda/crescent_question.h"

#include <cstdio>

namespace {

constexpr int kMinutesPerDay = 24 * 60;
constexpr int kAskAgainMinutes = 60;

long long minuteIndex(const LocalMinute &time)
{
    return static_cast<long long>(time.day) * kMinutesPerDay + time.hour * 60 + time.minute;
}

// A number of 1 or 2 digits at most `most`; nothing otherwise.
std::optional<int> clockNumber(std::string_view text, int most)
{
    if (text.empty() || text.size() > 2)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > most)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<int> ParseClockMinute(std::string_view text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || text.size() - colon != 3)
        return std::nullopt;
    const std::optional<int> hour = clockNumber(text.substr(0, colon), 23);
    const std::optional<int> minute = clockNumber(text.substr(colon + 1), 59);
    if (!hour || !minute)
        return std::nullopt;
    return *hour * 60 + *minute;
}

std::string ClockMinuteText(int minute)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", minute / 60 % 24, minute % 60);
    return text;
}

std::optional<HijriMonthStart> CrescentRecord(
    const CrescentQuestion &question, CrescentAnswer answer)
{
    if (answer == CrescentAnswer::NotYet)
        return std::nullopt;
    const int days = answer == CrescentAnswer::Seen ? 1 : 2; // after the 29th
    return HijriMonthStart{question.nextYear, question.nextMonth, question.day + days};
}

std::optional<CrescentQuestion> CCrescentCheck::Tick(
    const LocalMinute &before, const LocalMinute &now, int askAt, const CHijriCalendar &hijri)
{
    if (m_bOpen)
        return std::nullopt;
    const YearMonthDay today = hijri.HijriOfDay(now.day);
    if (today.day != 29)
        return std::nullopt;
    if (m_nDay != now.day) {
        m_nDay = now.day;
        m_bDone = false;
        m_askAgain.reset();
    }
    const long long at =
        static_cast<long long>(now.day) * kMinutesPerDay + m_askAgain.value_or(askAt);
    if (m_bDone || minuteIndex(before) >= at || at > minuteIndex(now))
        return std::nullopt;
    const YearMonthDay next = HijriMonthOfIndex(HijriMonthIndex(today.year, today.month) + 1);
    if (hijri.RecordedMonthStart(next.year, next.month))
        return std::nullopt; // the community's word is in already
    m_bOpen = true;
    return CrescentQuestion{now.day, today.year, today.month, next.year, next.month};
}

void CCrescentCheck::Answered(CrescentAnswer answer, const LocalMinute &now)
{
    m_bOpen = false;
    const int again = now.hour * 60 + now.minute + kAskAgainMinutes;
    // An answer after midnight, or an hour that would run past it, ends
    // the question of the day.
    if (answer == CrescentAnswer::NotYet && now.day == m_nDay && again < kMinutesPerDay) {
        m_askAgain = again;
        return;
    }
    m_bDone = true;
}

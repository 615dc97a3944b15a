#include "framework/ctime.h"

#include <clocale>
#include <ctime>
#include <locale.h>

namespace {

std::function<std::int64_t()> s_clock;

std::tm localFields(std::int64_t seconds)
{
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm fields{};
    localtime_r(&t, &fields);
    return fields;
}

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

} // namespace

void SetClock(std::function<std::int64_t()> clock)
{
    s_clock = std::move(clock);
}

CTime CTime::GetCurrentTime()
{
    if (s_clock)
        return CTime(s_clock());
    return CTime(static_cast<std::int64_t>(std::time(nullptr)));
}

int CTime::GetYear() const
{
    return localFields(m_seconds).tm_year + 1900;
}
int CTime::GetMonth() const
{
    return localFields(m_seconds).tm_mon + 1;
}
int CTime::GetDay() const
{
    return localFields(m_seconds).tm_mday;
}
int CTime::GetHour() const
{
    return localFields(m_seconds).tm_hour;
}
int CTime::GetMinute() const
{
    return localFields(m_seconds).tm_min;
}

CString CTime::Format(const char *format) const
{
    const std::tm fields = localFields(m_seconds);
    char text[128];
    const std::size_t length = strftime_l(text, sizeof text, format, &fields, cLocale());
    return CString(text, length);
}

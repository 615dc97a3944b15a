#include "reminders/server_settings.h"

#include "reminders/profile_snapshot.h"

#include <charconv>

CalendarServerSettings ReadCalendarServerSettings(const CProfileSnapshot &profile)
{
    CalendarServerSettings settings;
    settings.url = profile.Get(kCalendarServerSection, kCalendarUrlEntry, "");
    settings.user = profile.Get(kCalendarServerSection, kCalendarUserEntry, "");
    const std::string years = profile.Get(kCalendarServerSection, kCalendarYearsEntry, "");
    int value = 0;
    const auto [end, error] = std::from_chars(years.data(), years.data() + years.size(), value);
    if (error == std::errc() && end == years.data() + years.size() && value >= 1 &&
        value <= kMaxPublishYears)
        settings.years = value;
    return settings;
}

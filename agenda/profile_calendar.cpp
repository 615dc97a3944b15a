#include "agenda/profile_calendar.h"

#include "reminders/reminder_entries.h"

CHijriCalendar ProfileHijriCalendar(const CProfileSnapshot &profile)
{
    return CHijriCalendar::FromSettings(profile.Get(kDefaultsSection, kHijriCalendarEntry, ""),
        profile.Get(kDefaultsSection, kHijriAdjustEntry, ""));
}

CHijriCalendar OverriddenHijriCalendar(
    const CHijriCalendar &stored, std::optional<HijriRule> rule, std::optional<int> adjust)
{
    return CHijriCalendar(rule.value_or(stored.Rule()), adjust.value_or(stored.Adjust()));
}

#include "agenda/profile_calendar.h"

#include "agenda/hijri_month_starts.h"
#include "reminders/reminder_entries.h"

CHijriCalendar ProfileHijriCalendar(const CProfileSnapshot &profile)
{
    return WithProfileMonthStarts(
        CHijriCalendar::FromSettings(profile.Get(kDefaultsSection, kHijriCalendarEntry, ""),
            profile.Get(kDefaultsSection, kHijriAdjustEntry, "")),
        profile);
}

CHijriCalendar OverriddenHijriCalendar(
    const CHijriCalendar &stored, std::optional<HijriRule> rule, std::optional<int> adjust)
{
    return stored.WithSetting({rule.value_or(stored.Rule()), adjust.value_or(stored.Adjust())});
}

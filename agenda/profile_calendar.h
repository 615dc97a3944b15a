// The Hijri calendar the user keeps, as the profile names it, and as a
// program's options may override it.
#pragma once

#include "calendar/icu/hijri_calendar.h"
#include "reminders/profile_snapshot.h"

#include <optional>

// The Hijri calendar chosen in the profile ("Defaults"), with the month
// starts recorded there (hijri_month_starts.h).
CHijriCalendar ProfileHijriCalendar(const CProfileSnapshot &profile);

// The stored calendar unless an option says otherwise: the rule and the
// adjustment given replace the stored ones, each on its own; the recorded
// month starts stay.
CHijriCalendar OverriddenHijriCalendar(
    const CHijriCalendar &stored, std::optional<HijriRule> rule, std::optional<int> adjust);

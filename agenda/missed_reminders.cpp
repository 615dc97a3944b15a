#include "agenda/missed_reminders.h"

#include "agenda/day_agenda.h"
#include "agenda/reminder_list.h"

#include <algorithm>

std::vector<MissedReminder> FindMissedReminders(const LocalMinute &lastCheck, int today,
    const CHijriCalendar &hijri, const ProfileLookup &lookup)
{
    std::vector<MissedReminder> missed;
    const int checkedMinute = lastCheck.hour * 60 + lastCheck.minute;
    for (int day = std::max(lastCheck.day, today - kMissedReminderDays); day < today; ++day) {
        const YearMonthDay christian = ChristianOfDay(day);
        const YearMonthDay hijriDate = hijri.HijriOfDay(day);
        const std::size_t first = missed.size();
        for (DayReminder &reminder : FindRemindersOfDay(day, hijri, lookup, WithNotices::Yes)) {
            const std::optional<int> ringsAt = AlarmRingsAt(reminder.alarm);
            // On the day of the last check, what it had reached was heard.
            if (!ringsAt || (day == lastCheck.day && *ringsAt <= checkedMinute))
                continue;
            missed.push_back(
                {day, christian, hijriDate, WeekdayOfDay(day), *ringsAt, std::move(reminder)});
        }
        std::stable_sort(missed.begin() + static_cast<std::ptrdiff_t>(first), missed.end(),
            [](const MissedReminder &a, const MissedReminder &b) { return a.ringsAt < b.ringsAt; });
    }
    return missed;
}

#include "tests/agenda/previous_release/agenda/day_reminders.h"

#include "tests/agenda/previous_release/agenda/reminder_key.h"
#include "tests/agenda/previous_release/reminders/alarm_value.h"
#include "tests/agenda/previous_release/reminders/profile_text.h"
#include "tests/agenda/previous_release/reminders/reminder_entries.h"

#include <algorithm>

namespace previous_release {

namespace {

// The day as the program spells it in a calendar's key: the Christian day
// in two digits ("%B/%d" of the date), the Hijri day without a leading zero.
std::string usualDay(ReminderCalendar calendar, int day)
{
    std::string text = std::to_string(day);
    if (calendar == ReminderCalendar::Christian && day >= 0 && day < 10)
        text.insert(0, 1, '0');
    return text;
}

// The day typed the other way, for days 1 to 9; "" when there is none.
std::string otherDay(ReminderCalendar calendar, int day)
{
    if (day < 1 || day > 9)
        return {};
    return calendar == ReminderCalendar::Christian ? std::to_string(day)
                                                   : "0" + std::to_string(day);
}

void addKeys(std::vector<DayKey> &keys, ReminderCalendar calendar, const AgendaDate &date)
{
    if (date.month < 1 || date.month > 12)
        return; // no month name, no key
    const std::string &month = ReminderMonthName(calendar, date.month);
    keys.push_back({calendar, ReminderKey(month, usualDay(calendar, date.day))});
    if (const std::string other = otherDay(calendar, date.day); !other.empty())
        keys.push_back({calendar, ReminderKey(month, other)});
}

} // namespace

std::vector<DayKey> DayReminderKeys(const AgendaDate &christian, const AgendaDate &hijri)
{
    std::vector<DayKey> keys;
    addKeys(keys, ReminderCalendar::Hijri, hijri);
    addKeys(keys, ReminderCalendar::Christian, christian);
    return keys;
}

bool IsDayReminderKey(std::string_view key, const AgendaDate &christian, const AgendaDate &hijri)
{
    const std::vector<DayKey> keys = DayReminderKeys(christian, hijri);
    return std::any_of(
        keys.begin(), keys.end(), [&](const DayKey &k) { return ProfileNamesEqual(k.key, key); });
}

ReminderAlarm ParseReminderAlarm(const std::optional<std::string> &alarmValue)
{
    ReminderAlarm alarm;
    ScanAlarmValue(alarmValue ? std::string_view(*alarmValue) : kDefaultAlarmValue, alarm.hour,
        alarm.minute, alarm.every);
    alarm.every = std::clamp(alarm.every, 0, kMaxAlarmInterval);
    return alarm;
}

bool AlarmReached(const ReminderAlarm &alarm, int hour, int minute)
{
    return hour > alarm.hour || (hour == alarm.hour && minute >= alarm.minute);
}

std::vector<DayReminder> FindDayReminders(
    const AgendaDate &christian, const AgendaDate &hijri, const ProfileLookup &lookup)
{
    std::vector<DayReminder> found;
    for (DayKey &day : DayReminderKeys(christian, hijri)) {
        std::optional<std::string> memo = lookup(kReminderSection, day.key);
        if (!memo || memo->empty())
            continue;
        const ReminderAlarm alarm = ParseReminderAlarm(lookup(kAlarmSection, day.key));
        found.push_back({day.calendar, std::move(day.key), std::move(*memo), alarm});
    }
    return found;
}

} // namespace previous_release

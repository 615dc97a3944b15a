#include "agenda/day_reminders.h"

#include "agenda/reminder_key.h"
#include "agenda/sentence.h"
#include "reminders/alarm_value.h"
#include "reminders/profile_text.h"
#include "reminders/reminder_entries.h"
#include "text/translate.h"

#include <algorithm>

namespace {

// The notice's sentences: "In 3 days, Sunday 7 February 2027 / 1 Ramadhan
// 1448: ...", its count in the language's plural forms.
constexpr const char *kNoticeText = ZX_TRANSLATE_NOOP("Reminders", "%1, %2 / %3: %4");
constexpr const char *kTomorrowNoticeText = ZX_TRANSLATE_NOOP("Reminders", "Tomorrow, %1 / %2: %3");

void addKeys(std::vector<DayKey> &keys, ReminderCalendar calendar, const YearMonthDay &date)
{
    if (date.month < 1 || date.month > 12)
        return; // no month name, no key
    const std::string &month = ReminderMonthName(calendar, date.month);
    for (const std::string &day : DaySpellings(calendar, date.day))
        keys.push_back({calendar, ReminderKey(month, day)});
}

} // namespace

std::string DayReminderText(const DayReminder &reminder)
{
    if (reminder.noticeDays == 0)
        return reminder.memo;
    const std::string christian = CivilDayText(reminder.occursDay);
    const std::string hijri = HijriDayText(reminder.occursHijri);
    if (reminder.noticeDays == 1)
        return FillSentence(
            Translate("Reminders", kTomorrowNoticeText), {christian, hijri, reminder.memo});
    return FillSentence(Translate("Reminders", kNoticeText),
        {TranslateCount("Reminders", "In %n days", "In %n day", reminder.noticeDays), christian,
            hijri, reminder.memo});
}

std::vector<DayKey> DayReminderKeys(const YearMonthDay &christian, const YearMonthDay &hijri)
{
    std::vector<DayKey> keys;
    addKeys(keys, ReminderCalendar::Hijri, hijri);
    addKeys(keys, ReminderCalendar::Christian, christian);
    return keys;
}

bool IsDayReminderKey(
    std::string_view key, const YearMonthDay &christian, const YearMonthDay &hijri)
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

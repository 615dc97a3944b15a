#include "agenda/day_agenda.h"

#include "agenda/kind_key.h"
#include "agenda/next_date.h"
#include "reminders/profile_text.h"
#include "reminders/reminder_entries.h"

#include <algorithm>

namespace {

// Every key of the day, of every kind.
std::vector<DayKey> allKeysOf(int dayNumber, const CHijriCalendar &hijri)
{
    const YearMonthDay christian = ChristianOfDay(dayNumber);
    const YearMonthDay date = hijri.HijriOfDay(dayNumber);
    std::vector<DayKey> keys = DayReminderKeys(christian, date);
    std::vector<DayKey> kinds =
        DayKindKeys(dayNumber, christian, date, hijri.MonthLength(date.year, date.month));
    keys.insert(
        keys.end(), std::make_move_iterator(kinds.begin()), std::make_move_iterator(kinds.end()));
    return keys;
}

// The reminder stored under a key, when it holds a memo.
std::optional<DayReminder> reminderUnder(DayKey &day, const ProfileLookup &lookup)
{
    std::optional<std::string> memo = lookup(MemoSectionOf(day.kind), day.key);
    if (!memo || memo->empty())
        return std::nullopt;
    DayReminder reminder;
    reminder.calendar = day.calendar;
    reminder.kind = day.kind;
    reminder.alarm = ParseReminderAlarm(lookup(AlarmSectionOf(day.kind), day.key));
    reminder.key = std::move(day.key);
    reminder.memo = std::move(*memo);
    return reminder;
}

// The notices of the reminders that fall `days` days after `dayNumber`.
void addNotices(std::vector<DayReminder> &found, int dayNumber, int days,
    const CHijriCalendar &hijri, const ProfileLookup &lookup)
{
    const int occurs = dayNumber + days;
    for (DayKey &key : allKeysOf(occurs, hijri)) {
        if (ParseNoticeDays(lookup(kNoticeSection, key.key)) != days)
            continue;
        std::optional<DayReminder> reminder = reminderUnder(key, lookup);
        if (!reminder)
            continue;
        reminder->noticeDays = days;
        reminder->occursDay = occurs;
        reminder->occursChristian = ChristianOfDay(occurs);
        reminder->occursHijri = hijri.HijriOfDay(occurs);
        found.push_back(std::move(*reminder));
    }
}

} // namespace

std::vector<DayReminder> FindRemindersOfDay(
    int dayNumber, const CHijriCalendar &hijri, const ProfileLookup &lookup, WithNotices notices)
{
    std::vector<DayReminder> found;
    const YearMonthDay christian = ChristianOfDay(dayNumber), date = hijri.HijriOfDay(dayNumber);
    for (DayKey &key : allKeysOf(dayNumber, hijri))
        if (std::optional<DayReminder> reminder = reminderUnder(key, lookup)) {
            reminder->occursDay = dayNumber;
            reminder->occursChristian = christian;
            reminder->occursHijri = date;
            found.push_back(std::move(*reminder));
        }
    if (notices == WithNotices::Yes)
        for (int days = 1; days <= kMaxNoticeDays && dayNumber + days <= LastReminderDay(); ++days)
            addNotices(found, dayNumber, days, hijri, lookup);
    return found;
}

bool IsReminderKeyOfDay(
    std::string_view key, int dayNumber, const CHijriCalendar &hijri, const ProfileLookup &lookup)
{
    const auto among = [&](int day) {
        const std::vector<DayKey> keys = allKeysOf(day, hijri);
        return std::any_of(keys.begin(), keys.end(),
            [&](const DayKey &k) { return ProfileNamesEqual(k.key, key); });
    };
    if (among(dayNumber))
        return true;
    const int notice = ParseNoticeDays(lookup(kNoticeSection, key));
    return notice > 0 && dayNumber + notice <= LastReminderDay() && among(dayNumber + notice);
}

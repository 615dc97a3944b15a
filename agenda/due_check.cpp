#include "agenda/due_check.h"

#include "agenda/day_agenda.h"
#include "agenda/reminder_key.h"

#include <algorithm>
#include <cstdio>

namespace {

// A tick later than this after the one before it (60 s) comes after a
// suspend, or after the clock was set forward.
constexpr long long kLateTickSeconds = 180;
// The most minutes of sleep that count towards an interval: a day's.
constexpr long long kMostSleptMinutes = 1440;

// The memos of one calendar, a carriage return between two.
std::string memosOf(const std::vector<DayReminder> &reminders, ReminderCalendar calendar)
{
    std::string memos;
    for (const DayReminder &reminder : reminders)
        if (reminder.calendar == calendar)
            memos += (memos.empty() ? "" : "\r") + DayReminderText(reminder);
    return memos;
}

} // namespace

std::string ChristianDayKey(const YearMonthDay &christian)
{
    char day[8];
    std::snprintf(day, sizeof day, "%02d", christian.day);
    return ReminderMonthName(ReminderCalendar::Christian, christian.month) + "/" + day;
}

bool CDueCheck::Tick(long long elapsedSeconds, bool promptOpen)
{
    // Ticks stop while the machine sleeps: the interval counts the minutes
    // the clock moved.
    if (elapsedSeconds > kLateTickSeconds)
        m_nCountdown -= static_cast<int>(std::min(elapsedSeconds / 60 - 1, kMostSleptMinutes));
    if (m_bCheckSoon)
        m_nCountdown = 0;
    m_bCheckSoon = false;
    if (m_nCountdown > 0)
        --m_nCountdown;
    // While a prompt is open no second one opens over it.
    return m_nCountdown <= 0 && !promptOpen;
}

std::optional<DueReminders> CDueCheck::Check(const DueTime &time, const std::string &declinedKey,
    const ProfileLookup &lookup, const CHijriCalendar &hijri)
{
    if (ChristianDayKey(time.christian) == declinedKey)
        return std::nullopt;
    DueReminders due;
    due.reminders =
        FindRemindersOfDay(ChristianDayNumber(time.christian), hijri, lookup, WithNotices::Yes);
    if (std::none_of(due.reminders.begin(), due.reminders.end(),
            [&](const DayReminder &r) { return AlarmReached(r.alarm, time.hour, time.minute); }))
        return std::nullopt;
    due.snooze = std::min_element(
        due.reminders.begin(), due.reminders.end(), [](const DayReminder &a, const DayReminder &b) {
            return a.alarm.every < b.alarm.every;
        })->alarm.every;
    due.alarmText = memosOf(due.reminders, ReminderCalendar::Hijri) + "\r" +
        memosOf(due.reminders, ReminderCalendar::Christian);
    m_nCountdown = due.snooze;
    return due;
}

void CDueCheck::Answered(bool sameDay, int snooze)
{
    m_nCountdown = sameDay ? snooze : 0;
}

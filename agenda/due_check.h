// The due check of the minute timer as a plain object: given the local time,
// a lookup of the profile and the Hijri calendar, it says which reminders of
// the day fall due, and it keeps the countdown of ticks to the next check.
// The window that owns it shows the prompt and plays the sound; nothing here
// reads the clock or the profile for itself.
//
// A check finds every reminder stored under one of the day's keys in either
// calendar and spelling, of every kind, and the notices that fall on the
// day (day_agenda.h), each with its own alarm; it is due once any of them
// has rung by the time given, unless the user declined the day. The prompt
// shows the Hijri memos, a carriage return, then the Christian ones (and
// the weekly ones), a notice as "In 3 days, ...: memo"; it comes again
// after the shortest of their intervals.
#pragma once

#include "agenda/day_reminders.h"
#include "calendar/icu/hijri_calendar.h"

#include <optional>
#include <string>
#include <vector>

// A moment as the local clock shows it.
struct DueTime {
    YearMonthDay christian; // the local date
    int hour = 0; // 0..23
    int minute = 0; // 0..59
};

// What a check found due.
struct DueReminders {
    std::vector<DayReminder> reminders; // every reminder of the day, due or waiting
    std::string alarmText; // Hijri memos, "\r", Christian memos
    int snooze = 0; // minutes until the prompt comes again: the shortest interval
};

// "March/06": the day's Christian key as the clock spells it ("%B/%d"), which
// the user's No silences.
std::string ChristianDayKey(const YearMonthDay &christian);

class CDueCheck {
public:
    // A tick of the minute timer, `elapsedSeconds` after the tick before it.
    // Counts the countdown down, by the minutes the clock moved when the
    // machine slept (at most a day's worth); true when a check is to run
    // now. While `promptOpen` no check runs: the prompt's answer starts the
    // count again (Answered).
    bool Tick(long long elapsedSeconds, bool promptOpen);
    // A new day, or a change of today's reminders: the next tick checks,
    // whatever the interval.
    void CheckSoon() { m_bCheckSoon = true; }

    // The check itself. Nothing when no reminder of the day is due at `time`
    // or the day is `declinedKey`'s; otherwise what is due, and the
    // countdown is the interval.
    std::optional<DueReminders> Check(const DueTime &time, const std::string &declinedKey,
        const ProfileLookup &lookup, const CHijriCalendar &hijri);
    // The prompt was answered: the count starts again from the interval, or
    // at once when the answer came on another day than the check.
    void Answered(bool sameDay, int snooze);

    // Ticks left before the next check; at 0 every tick checks.
    int Countdown() const { return m_nCountdown; }
    void SetCountdown(int ticks) { m_nCountdown = ticks; }

private:
    int m_nCountdown = 0; // the first tick of a run checks
    bool m_bCheckSoon = false;
};

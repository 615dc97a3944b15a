// The crescent question as a plain object: on the 29th day of a Hijri month,
// at the time the user chose, the program asks whether the new moon of the
// next month has been seen, and the answer records the next month's start
// (hijri_month_starts.h). Given two readings of the local clock and the
// Hijri calendar it says when to ask, and what an answer records; the
// window that owns it asks, and writes the record.
//
// It is asked once a day at most, at its time or an hour after a "Not
// yet" (until midnight), and only when the program ran at that time: a
// time missed while the program did not run is not asked about later. Nor
// is it asked when the next month's start is recorded already.
#pragma once

#include "agenda/missed_reminders.h"
#include "calendar/icu/hijri_calendar.h"

#include <optional>
#include <string>
#include <string_view>

// 18:00, as minutes after midnight: the evening, when the crescent is
// looked for.
inline constexpr int kDefaultNewMoonMinute = 18 * 60;

// "18:00" as minutes after midnight; nothing for any other text than
// "HH:MM" (or "H:MM") with an hour 0..23 and a minute 0..59.
std::optional<int> ParseClockMinute(std::string_view text);
// "18:00".
std::string ClockMinuteText(int minute);

struct CrescentQuestion {
    int day = 0; // the civil day of the 29th, on whose evening it is asked
    int year = 0, month = 0; // the Hijri month whose 29th it is
    int nextYear = 0, nextMonth = 0; // the month whose new moon is asked about
};

enum class CrescentAnswer {
    Seen, // the next month begins tomorrow
    NotSeen, // this month has 30 days
    NotYet, // asked again an hour later
};

// The record an answer makes: seen, the next month begins on the day after
// the 29th; not seen, on the day after the 30th. Nothing for "Not yet".
std::optional<HijriMonthStart> CrescentRecord(
    const CrescentQuestion &question, CrescentAnswer answer);

class CCrescentCheck {
public:
    // The clock read `before` and now, `askAt` minutes after midnight the
    // time to ask. The question, when it is to be asked now: today is the
    // 29th under `hijri`, and its time (or the hour after a "Not yet") came
    // after `before` and by `now`. Nothing while a question is open.
    std::optional<CrescentQuestion> Tick(
        const LocalMinute &before, const LocalMinute &now, int askAt, const CHijriCalendar &hijri);
    // The open question was answered at `now`.
    void Answered(CrescentAnswer answer, const LocalMinute &now);
    bool Open() const { return m_bOpen; }

private:
    bool m_bOpen = false;
    int m_nDay = 0; // the day of the last question
    bool m_bDone = false; // answered for that day
    std::optional<int> m_askAgain; // minutes after its midnight
};

#include "agenda/reminder_list.h"

#include "agenda/hijri_month_starts.h"
#include "calendar/calendar.h"
#include "reminders/reminder_entries.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <algorithm>
#include <cstdio>

namespace {

// A row of every reminder in the profile, without its day yet; `problem` set
// for one that can never fall due.
std::vector<ReminderRow> readRows(const CProfileSnapshot &profile)
{
    std::vector<ReminderRow> rows;
    for (ProfileEntryValue &entry : profile.Entries(kReminderSection)) {
        ReminderRow row;
        row.parsed = ParseReminderKey(entry.name);
        row.alarm = ParseReminderAlarm(profile.Find(kAlarmSection, entry.name));
        row.ringsAt = AlarmRingsAt(row.alarm);
        row.key = std::move(entry.name);
        row.memo = std::move(entry.value);
        if (!row.parsed.CanFallDue())
            row.problem = row.parsed.problem;
        else if (row.memo.empty())
            row.problem = Translate("Reminders", kEmptyMemoProblem);
        else if (!row.ringsAt) {
            char time[16];
            std::snprintf(time, sizeof time, "%02d:%02d", row.alarm.hour, row.alarm.minute);
            row.problem =
                FillSentence(Translate("Reminders", "its alarm time %1 is never reached"), {time});
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void setDay(ReminderRow &row, const CHijriCalendar &hijri, int day, int today)
{
    row.day = day;
    row.daysUntil = day - today;
    row.christian = ChristianOfDay(day);
    row.hijri = hijri.HijriOfDay(day);
    row.weekday = WeekdayOfDay(day);
}

// Why a key that names a real day finds none in the years looked at.
std::string noDayProblem(const ReminderRow &row, const CHijriCalendar &hijri)
{
    return FillSentence(
        Translate("Reminders", "%1 has no day %2 in the next %3 years under the %4 calendar"),
        {ReminderMonthShownName(*row.parsed.calendar, row.parsed.month),
            std::to_string(row.parsed.day), std::to_string(kReminderSearchYears),
            hijri.DisplayName()});
}

// Due rows first, by day and alarm time; a stable sort keeps the profile's
// order otherwise, and the rows that never fall due last.
void sortRows(std::vector<ReminderRow> &rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const ReminderRow &a, const ReminderRow &b) {
        if (a.day.has_value() != b.day.has_value())
            return a.day.has_value();
        if (!a.day)
            return false;
        if (*a.day != *b.day)
            return *a.day < *b.day;
        return a.ringsAt.value_or(0) < b.ringsAt.value_or(0);
    });
}

} // namespace

std::optional<int> AlarmRingsAt(const ReminderAlarm &alarm)
{
    if (alarm.hour < 0)
        return 0;
    if (alarm.hour > 23)
        return std::nullopt;
    if (alarm.minute < 0)
        return alarm.hour * 60;
    if (alarm.minute <= 59)
        return alarm.hour * 60 + alarm.minute;
    // Minutes 60 to 99 are never reached within the hour: the next one rings.
    if (alarm.hour == 23)
        return std::nullopt;
    return (alarm.hour + 1) * 60;
}

std::vector<ReminderRow> BuildReminderRows(
    const CProfileSnapshot &profile, const CHijriCalendar &hijri, int today)
{
    std::vector<ReminderRow> rows = readRows(profile);
    for (ReminderRow &row : rows) {
        if (!row.problem.empty())
            continue;
        if (const std::optional<int> day = NextReminderDay(row.parsed, hijri, today))
            setDay(row, hijri, *day, today);
        else
            row.problem = noDayProblem(row, hijri);
    }
    sortRows(rows);
    return rows;
}

std::vector<ReminderRow> BuildUpcomingRows(
    const CProfileSnapshot &profile, const CHijriCalendar &hijri, int today, int lastDay)
{
    std::vector<ReminderRow> upcoming;
    for (const ReminderRow &row : readRows(profile)) {
        if (!row.problem.empty())
            continue;
        for (const int day : ReminderDaysBetween(row.parsed, hijri, today, lastDay)) {
            upcoming.push_back(row);
            setDay(upcoming.back(), hijri, day, today);
        }
    }
    sortRows(upcoming);
    return upcoming;
}

#include "agenda/reminder_list.h"

#include "agenda/hijri_month_starts.h"
#include "agenda/kind_key.h"
#include "agenda/sentence.h"
#include "calendar/calendar.h"
#include "reminders/reminder_entries.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr const char *kNoDayLeft = ZX_TRANSLATE_NOOP(
    "Reminders", "it falls on no day before 31 December 3000, the last day Zamanix supports");
constexpr const char *kOnlyLeapYears = ZX_TRANSLATE_NOOP("Reminders", "only in leap years");
constexpr const char *kOnlyLongMonths =
    ZX_TRANSLATE_NOOP("Reminders", "only in the years whose %1 has 30 days");
constexpr const char *kHijriMonthEnd =
    ZX_TRANSLATE_NOOP("Reminders", "on the 29th of the months that have 29 days");
constexpr const char *kChristianMonthEnd =
    ZX_TRANSLATE_NOOP("Reminders", "on the last day of the months that have fewer than %1 days");

} // namespace

std::string ReminderNote(const ParsedReminderKey &key)
{
    const bool hijri = key.calendar == ReminderCalendar::Hijri;
    if (key.kind == ReminderKind::Yearly && hijri && key.day == 30)
        return FillSentence(
            Translate("Reminders", kOnlyLongMonths), {ReminderMonthName(*key.calendar, key.month)});
    if (key.kind == ReminderKind::Yearly && !hijri && key.month == 2 && key.day == 29)
        return Translate("Reminders", kOnlyLeapYears);
    if (key.kind == ReminderKind::Monthly && hijri && key.day == 30)
        return Translate("Reminders", kHijriMonthEnd);
    if (key.kind == ReminderKind::Monthly && !hijri && key.day > 28)
        return FillSentence(Translate("Reminders", kChristianMonthEnd), {std::to_string(key.day)});
    return {};
}

std::string NoReminderDayProblem(const ParsedReminderKey &key, const CHijriCalendar &hijri)
{
    if (key.kind != ReminderKind::Yearly)
        return Translate("Reminders", kNoDayLeft);
    return FillSentence(
        Translate("Reminders", "%1 has no day %2 in the next %3 years under the %4 calendar"),
        {ReminderMonthShownName(*key.calendar, key.month), std::to_string(key.day),
            std::to_string(kReminderSearchYears), hijri.DisplayName()});
}

namespace {

// The rows of one section's reminders, without their days yet; `problem`
// set for one that can never fall due.
void readRows(std::vector<ReminderRow> &rows, const CProfileSnapshot &profile, bool yearly)
{
    const std::string_view memos = yearly ? kReminderSection : kMoreReminderSection;
    const std::string_view alarms = yearly ? kAlarmSection : kMoreAlarmSection;
    // Most profiles give no notice: no lookup of it for each of thousands.
    const bool notices = !profile.Entries(kNoticeSection).empty();
    for (ProfileEntryValue &entry : profile.Entries(memos)) {
        ReminderRow row;
        row.parsed = yearly ? ParseReminderKey(entry.name) : ParseKindKey(entry.name);
        row.alarm = ParseReminderAlarm(profile.Find(alarms, entry.name));
        row.notice = notices ? ParseNoticeDays(profile.Find(kNoticeSection, entry.name)) : 0;
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
        row.note = row.problem.empty() ? ReminderNote(row.parsed) : std::string();
        rows.push_back(std::move(row));
    }
}

std::vector<ReminderRow> readRows(const CProfileSnapshot &profile)
{
    std::vector<ReminderRow> rows;
    readRows(rows, profile, true);
    readRows(rows, profile, false);
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

// Due rows first, by day and alarm time, then the past ones, the latest
// first; a stable sort keeps the profile's order otherwise, and the rows
// that never fall due last.
void sortRows(std::vector<ReminderRow> &rows)
{
    const auto rank = [](const ReminderRow &row) { return !row.day ? 2 : row.past ? 1 : 0; };
    std::stable_sort(rows.begin(), rows.end(), [&](const ReminderRow &a, const ReminderRow &b) {
        if (rank(a) != rank(b))
            return rank(a) < rank(b);
        if (!a.day)
            return false;
        if (*a.day != *b.day)
            return a.past ? *a.day > *b.day : *a.day < *b.day;
        return a.ringsAt.value_or(0) < b.ringsAt.value_or(0);
    });
}

// The row's next day, the day of a past once reminder, or why none.
void placeRow(ReminderRow &row, const CHijriCalendar &hijri, int today)
{
    if (row.parsed.kind == ReminderKind::Once) {
        const OnceDate once = OnceReminderDay(row.parsed, hijri);
        if (!once.day)
            row.problem = once.problem;
        else {
            setDay(row, hijri, *once.day, today);
            row.past = *once.day < today;
        }
        return;
    }
    if (const std::optional<int> day = NextReminderDay(row.parsed, hijri, today))
        setDay(row, hijri, *day, today);
    else
        row.problem = NoReminderDayProblem(row.parsed, hijri);
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
    for (ReminderRow &row : rows)
        if (row.problem.empty())
            placeRow(row, hijri, today);
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

#include "agenda/reminder_draft.h"

#include "agenda/kind_key.h"
#include "agenda/sentence.h"
#include "reminders/alarm_value.h"
#include "text/translate.h"

namespace {

constexpr std::string_view kOnDate = "%1 / %2";
constexpr const char *kNextOn = ZX_TRANSLATE_NOOP("Reminders", "Next on %1 / %2");
constexpr const char *kNextOnWithNote = ZX_TRANSLATE_NOOP("Reminders", "Next on %1 / %2 (%3)");
constexpr const char *kGoneBy =
    ZX_TRANSLATE_NOOP("Reminders", "%1 / %2: this day has gone by, so it will not ring");
constexpr const char *kNever = ZX_TRANSLATE_NOOP("Reminders", "It never falls due: %1.");
constexpr const char *kEmptyMemo =
    ZX_TRANSLATE_NOOP("Reminders", "Write a memo: an empty memo never rings.");
constexpr const char *kCannotKeep =
    ZX_TRANSLATE_NOOP("Reminders", "This reminder cannot be kept: %1.");

ParsedReminderKey draftKey(const ReminderDraft &draft)
{
    ParsedReminderKey key;
    key.kind = draft.kind;
    if (draft.kind != ReminderKind::Weekly)
        key.calendar = draft.calendar;
    key.year = draft.year;
    key.month = draft.month;
    key.day = draft.day;
    key.weekday = draft.weekday;
    return key;
}

// The key as the lists read it back, with why it never falls due.
ParsedReminderKey parsedDraft(const ReminderDraft &draft)
{
    const std::string key = DraftKey(draft);
    return draft.kind == ReminderKind::Yearly ? ParseReminderKey(key) : ParseKindKey(key);
}

std::string bothCalendars(std::string_view pattern, const CHijriCalendar &hijri, int day)
{
    return FillSentence(pattern, {CivilDayText(day), HijriDayText(hijri.HijriOfDay(day))});
}

} // namespace

std::string DraftKey(const ReminderDraft &draft)
{
    return KindKeyText(draftKey(draft));
}

std::string DraftPreview(const ReminderDraft &draft, const CHijriCalendar &hijri, int today)
{
    const ParsedReminderKey key = parsedDraft(draft);
    if (!key.CanFallDue())
        return FillSentence(Translate("Reminders", kNever), {key.problem});
    if (key.kind == ReminderKind::Once) {
        const OnceDate once = OnceReminderDay(key, hijri);
        if (!once.day)
            return FillSentence(Translate("Reminders", kNever), {once.problem});
        return bothCalendars(
            *once.day < today ? Translate("Reminders", kGoneBy) : kOnDate, hijri, *once.day);
    }
    const std::string note = ReminderNote(key);
    const std::optional<int> next = NextReminderDay(key, hijri, today);
    if (!next)
        return FillSentence(Translate("Reminders", kNever), {NoReminderDayProblem(key, hijri)});
    if (note.empty())
        return bothCalendars(Translate("Reminders", kNextOn), hijri, *next);
    return FillSentence(Translate("Reminders", kNextOnWithNote),
        {CivilDayText(*next), HijriDayText(hijri.HijriOfDay(*next)), note});
}

std::string DraftProblem(const ReminderDraft &draft, const CHijriCalendar &hijri)
{
    const ParsedReminderKey key = parsedDraft(draft);
    if (!key.CanFallDue())
        return FillSentence(Translate("Reminders", kCannotKeep), {key.problem});
    if (key.kind == ReminderKind::Once)
        if (const OnceDate once = OnceReminderDay(key, hijri); once.outOfRange)
            return FillSentence(Translate("Reminders", kCannotKeep), {once.problem});
    if (draft.memo.empty())
        return Translate("Reminders", kEmptyMemo);
    return {};
}

ReminderDraft DraftOfRow(const ReminderRow &row)
{
    ReminderDraft draft;
    const ParsedReminderKey &key = row.parsed;
    draft.kind = key.kind;
    draft.calendar = key.calendar.value_or(ReminderCalendar::Hijri);
    if (key.kind == ReminderKind::Once && key.year != 0)
        draft.year = key.year;
    draft.month = key.month >= 1 && key.month <= 12 ? key.month : 1;
    draft.day = key.day >= 1 && key.day <= 31 ? key.day : 1;
    draft.weekday = key.kind == ReminderKind::Weekly ? key.weekday : draft.weekday;
    draft.memo = row.memo;
    if (row.ringsAt) {
        draft.hour = *row.ringsAt / 60;
        draft.minute = *row.ringsAt % 60;
    }
    draft.every = row.alarm.every;
    draft.notice = row.notice;
    return draft;
}

ReminderEntry DraftEntry(const ReminderDraft &draft, const std::string &key)
{
    return {key, draft.kind, draft.memo, FormatAlarmValue(draft.hour, draft.minute, draft.every),
        draft.notice};
}

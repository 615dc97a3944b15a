#include "cli/reminder_edit.h"

#include "agenda/kind_key.h"
#include "agenda/month_spelling.h"
#include "agenda/next_date.h"
#include "agenda/reminder_changes.h"
#include "agenda/sentence.h"
#include "cli/date_text.h"
#include "cli/typed_key.h"
#include "reminders/alarm_value.h"
#include "text/translate.h"

namespace {

constexpr const char *kCannotAdd = ZX_TRANSLATE_NOOP("RemindersProgram", "cannot add %1: %2");
constexpr const char *kEmptyMemo = ZX_TRANSLATE_NOOP(
    "RemindersProgram",
    "the memo is empty; an empty memo never rings (use remove to delete a reminder)");
constexpr const char *kGoneBy = ZX_TRANSLATE_NOOP("RemindersProgram",
    "%1 fell on %2, which has gone by: the reminder is kept, but it will not ring");
constexpr const char *kNeverRingsYet = ZX_TRANSLATE_NOOP(
    "RemindersProgram",
    "%1: %2; the reminder is kept, and rings only if that month gets its 30th day");
constexpr const char *kNoReminder =
    ZX_TRANSLATE_NOOP("RemindersProgram", "there is no reminder %1 in %2");

struct TypedKey {
    std::string key; // as the program keeps it
    ParsedReminderKey parsed;
};

// The key with the month as its table spells it (from any of its common
// spellings, or its name in the user's language) and, for the other kinds, written the program's
// one way.
TypedKey typedKey(const std::string &typed)
{
    TypedKey result{TypedReminderKey(KeyOfLocalNames(typed)), {}};
    result.parsed = ParseAnyReminderKey(result.key);
    if (result.parsed.CanFallDue() && result.parsed.kind != ReminderKind::Yearly)
        result.key = KindKeyText(result.parsed);
    return result;
}

// Why a key cannot be added, with the nearest month names for a month that
// none of its spellings names.
std::string keyProblem(const std::string &typed, const TypedKey &key)
{
    std::string problem = key.parsed.problem;
    const std::size_t slash = key.key.find('/');
    const bool namesMonth =
        key.parsed.kind == ReminderKind::Yearly || key.parsed.kind == ReminderKind::Once;
    if (!key.parsed.calendar && namesMonth && slash != std::string::npos)
        problem += MonthNameHint(key.key.substr(0, slash));
    return FillSentence(Translate("RemindersProgram", kCannotAdd), {QuoteInput(typed), problem});
}

// A once date outside the supported days is refused; one that has gone by,
// or that the calendar lacks, is told.
void checkOnce(ReminderEdit &edit, const TypedKey &key, const CHijriCalendar &hijri, int today,
    const std::string &typed)
{
    const OnceDate once = OnceReminderDay(key.parsed, hijri);
    if (once.outOfRange)
        edit.error = FillSentence(
            Translate("RemindersProgram", kCannotAdd), {QuoteInput(typed), once.problem});
    else if (!once.day)
        edit.warnings.push_back(
            FillSentence(Translate("RemindersProgram", kNeverRingsYet), {key.key, once.problem}));
    else if (*once.day < today)
        edit.warnings.push_back(FillSentence(
            Translate("RemindersProgram", kGoneBy), {key.key, CivilDayText(*once.day)}));
}

} // namespace

ReminderEdit AddReminderEdit(const AddRequest &request, const CProfileSnapshot &profile,
    const CHijriCalendar &hijri, int today)
{
    ReminderEdit edit;
    const TypedKey key = typedKey(request.key);
    if (!key.parsed.CanFallDue()) {
        edit.error = keyProblem(request.key, key);
        return edit;
    }
    if (key.parsed.kind == ReminderKind::Once)
        checkOnce(edit, key, hijri, today, request.key);
    if (edit.error.empty() && request.memo.empty())
        edit.error = Translate("RemindersProgram", kEmptyMemo);
    if (!edit.error.empty()) {
        edit.warnings.clear();
        return edit;
    }
    // What is not given stays as stored, as the form shows it before Add; a
    // new reminder gets the default.
    ReminderAlarm alarm =
        ParseReminderAlarm(profile.Find(AlarmSectionOf(key.parsed.kind), key.key));
    if (alarm.hour < 0 || alarm.hour > 23 || alarm.minute < 0 || alarm.minute > 59)
        alarm = ParseReminderAlarm(std::nullopt);
    const ReminderEntry entry{key.key, key.parsed.kind, request.memo,
        FormatAlarmValue(request.hour.value_or(alarm.hour), request.minute.value_or(alarm.minute),
            request.every.value_or(alarm.every)),
        request.notice};
    edit.changes = KeepReminderChanges(entry);
    return edit;
}

ReminderEdit RemoveReminderEdit(const std::string &typed, const CProfileSnapshot &profile)
{
    const ReminderKind kind =
        IsKindKeyForm(typed) ? ParseKindKey(typed).kind : ReminderKind::Yearly;
    const auto stored = [&](const std::string &key) {
        return profile.Find(MemoSectionOf(kind), key) || profile.Find(AlarmSectionOf(kind), key);
    };
    ReminderEdit edit;
    const std::string key = stored(typed) ? typed : typedKey(typed).key;
    if (!stored(key))
        edit.error = FillSentence(Translate("RemindersProgram", kNoReminder),
            {QuoteInput(typed), profile.File().string()});
    else
        edit.changes = ForgetReminderChanges(key, kind);
    return edit;
}

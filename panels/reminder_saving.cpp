#include "panels/reminder_saving.h"

#include "agenda/kind_key.h"
#include "framework/message_box.h"
#include "reminders/profile_text.h"
#include "session/zamanix_profile.h"

#include <QCoreApplication>

namespace {

// Whether the draft falls on the days the edited reminder falls on.
bool sameDays(const ReminderDraft &a, const ReminderDraft &b)
{
    if (a.kind != b.kind)
        return false;
    if (a.kind == ReminderKind::Weekly)
        return a.weekday == b.weekday;
    return a.calendar == b.calendar && a.day == b.day &&
        (a.kind == ReminderKind::Monthly || a.month == b.month) &&
        (a.kind != ReminderKind::Once || a.year == b.year);
}

std::string keyOf(const ReminderDraft &draft, const ReminderRow *edited)
{
    if (edited && edited->parsed.CanFallDue() && sameDays(draft, DraftOfRow(*edited)))
        return edited->key;
    return DraftKey(draft);
}

// A reminder other than the edited one stands under `key`: replaced when
// the user says so.
bool mayReplace(const CZamanixProfile &profile, const ReminderDraft &draft, const std::string &key,
    const ReminderRow *edited)
{
    if (edited && edited->parsed.kind == draft.kind && ProfileNamesEqual(edited->key, key))
        return true;
    const std::optional<std::string> memo = profile.Snapshot().Find(MemoSectionOf(draft.kind), key);
    if (!memo)
        return true;
    const QString question =
        QCoreApplication::translate("CAllRemindersWindow",
            "A reminder for %1 exists already:\n\n%2\n\nReplace it with this one?")
            .arg(QString::fromStdString(key), QString::fromStdString(memo->substr(0, 300)));
    return AfxMessageBox(question.toStdString(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

} // namespace

bool KeepReminderDraft(
    CZamanixProfile &profile, const ReminderDraft &draft, const ReminderRow *edited)
{
    const std::string key = keyOf(draft, edited);
    if (!mayReplace(profile, draft, key, edited))
        return false;
    std::optional<std::pair<std::string, ReminderKind>> replaced;
    if (edited)
        replaced.emplace(edited->key, edited->parsed.kind);
    std::string error;
    if (profile.SaveReminder(DraftEntry(draft, key), replaced, error))
        return true;
    AfxMessageBox(QCoreApplication::translate(
                      "CAllRemindersWindow", "The reminder for %1 could not be saved.\n\n%2")
                      .arg(QString::fromStdString(key), QString::fromStdString(error))
                      .toStdString(),
        MB_ICONEXCLAMATION);
    return false;
}

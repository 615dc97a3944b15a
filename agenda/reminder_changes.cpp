#include "agenda/reminder_changes.h"

#include "agenda/kind_key.h"
#include "reminders/reminder_entries.h"

std::vector<ProfileChange> KeepReminderChanges(const ReminderEntry &entry)
{
    std::vector<ProfileChange> changes{
        ProfileChange::Set(MemoSectionOf(entry.kind), entry.key, entry.memo),
        ProfileChange::Set(AlarmSectionOf(entry.kind), entry.key, entry.alarm)};
    if (entry.notice && *entry.notice > 0)
        changes.push_back(
            ProfileChange::Set(kNoticeSection, entry.key, NoticeValue(*entry.notice)));
    else if (entry.notice)
        changes.push_back(ProfileChange::Remove(kNoticeSection, entry.key));
    return changes;
}

std::vector<ProfileChange> ForgetReminderChanges(std::string_view key, ReminderKind kind)
{
    return {ProfileChange::Remove(MemoSectionOf(kind), key),
        ProfileChange::Remove(AlarmSectionOf(kind), key),
        ProfileChange::Remove(kNoticeSection, key)};
}

std::string NoticeValue(int days)
{
    return std::to_string(days);
}

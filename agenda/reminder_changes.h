// The writes that keep and forget reminders of every kind, as the form,
// All Reminders, its New Reminder dialog and zamanix-reminders make them:
// the memo and its alarm in the sections of the key's kind (kind_key.h),
// and its notice, in one write, so that a reminder is never found half
// written or with another's alarm.
#pragma once

#include "agenda/day_reminders.h"
#include "reminders/profile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ReminderEntry {
    std::string key; // as it is to be stored
    ReminderKind kind = ReminderKind::Yearly;
    std::string memo;
    std::string alarm; // an alarm value, "07:30 15"
    // Days of notice, 0 for none; nothing leaves the stored notice as it is
    // (the form, which has no notice field, writes only memo and alarm).
    std::optional<int> notice;
};

// Sets the memo and the alarm, and the notice when given (a notice of 0
// removes the entry).
std::vector<ProfileChange> KeepReminderChanges(const ReminderEntry &entry);

// Removes the memo, the alarm and the notice of a key of the kind given.
std::vector<ProfileChange> ForgetReminderChanges(std::string_view key, ReminderKind kind);

// The value a notice of 1..kMaxNoticeDays days is stored as.
std::string NoticeValue(int days);

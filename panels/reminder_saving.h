// Keeping what the New Reminder and Edit Reminder dialog accepted, through
// the profile object: the key the reminder is kept under, a reminder that
// stands there already replaced only when the user agrees, the edited
// reminder's old key forgotten in the same write, and a failed write told.
#pragma once

#include "agenda/reminder_draft.h"

class CZamanixProfile;

// Keeps the draft, in place of `edited` (the row that Edit opened; none for
// New). An edited reminder whose kind and day stay as they were keeps its
// key as stored (its day spelled as it was). Whether it was kept.
bool KeepReminderDraft(
    CZamanixProfile &profile, const ReminderDraft &draft, const ReminderRow *edited);

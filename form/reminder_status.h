// What Add and Delete tell the user: why Add cannot keep a reminder that
// could never ring, and in the status bar what each command did.
#pragma once

#include "framework/cstring.h"

// Why Add must not keep `memo` under `key`, in the words All Reminders uses
// for a reminder that never falls due (agenda/reminder_key.h): a day that
// no year of the month has, a day text the due check never builds, an
// empty memo. Empty when it can be kept.
CString AddRefusal(const CString &key, const CString &memo);

// The status bar after Add kept the reminder: "Reminder kept for 27
// Ramadhan, every year", or, for a day that only some years have (a Hijri
// day 30, 29 February), in which years it rings.
CString KeptReminderMessage(const CString &key);

// The status bar after Delete: "Reminder of 27 Ramadhan deleted", or that
// there was none (`existed` false).
CString DeletedReminderMessage(const CString &key, bool existed);

// What zamanix-reminders add and remove write: a reminder of any kind
// (agenda/kind_key.h) with its alarm and notice, or a reminder forgotten, as
// the desktop program writes them; or why nothing is written.
#pragma once

#include "calendar/icu/hijri_calendar.h"
#include "reminders/profile.h"
#include "reminders/profile_snapshot.h"

#include <optional>
#include <string>
#include <vector>

struct ReminderEdit {
    std::vector<ProfileChange> changes; // in one write
    std::string error; // set: refused, and nothing is to be written
    std::vector<std::string> warnings; // written, but the user should know
};

struct AddRequest {
    std::string key; // as typed
    std::string memo;
    std::optional<int> hour, minute, every, notice; // none: as stored, or the default
};

// The key as the program keeps it (a yearly key's day as typed, its month
// as its table spells it; a key of the other kinds as KindKeyText writes
// it), with its memo, its alarm (what is not given stays as stored; a new
// reminder gets 08:00 every 60 minutes) and its notice (kept when not
// given). Refused: a key that never falls due, a date outside the
// supported days, an empty memo. A once date that has gone by, or a Hijri
// day 30 of a month that has 29 days under `hijri`, is kept with a warning.
ReminderEdit AddReminderEdit(const AddRequest &request, const CProfileSnapshot &profile,
    const CHijriCalendar &hijri, int today);

// Forgets the reminder of the key as stored, else as add would have stored
// it ("Ramadan/1" for "Ramadhan/1", "friday" for "Friday"): its memo, alarm
// and notice. Refused when there is none.
ReminderEdit RemoveReminderEdit(const std::string &typed, const CProfileSnapshot &profile);

// The names people type for the months: the tables' own spellings
// ("Ramadhan", "Thul Hijjah") and the common transliterations of the Arabic
// names of the Hijri months ("Ramadan", "Ramazan", "Dhul Hijjah", "Dhu
// al-Hijjah", "Rabi al-Awwal", "Jumada al-Ula"). Only what a user types is
// read this way: a key is stored with the month as its table spells it,
// and a stored key keeps its meaning (reminder_key.h).
#pragma once

#include "agenda/day_reminders.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The month `name` stands for: either table's name, or a transliteration
// of a Hijri month, compared regardless of case, of blanks, hyphens,
// underscores, dots and apostrophes, of doubled letters, of a final "h"
// after "a" (Hijja, Hijjah) and of the macrons and dots of scholarly
// transliteration (Ramaḍān). Nothing when it is none of them.
std::optional<std::pair<ReminderCalendar, int>> FindMonthSpelling(std::string_view name);

// The key as typed with its month spelled as its table spells it
// ("Ramadan/27" gives "Ramadhan/27"); a key whose month is no spelling of
// a month is kept as it is.
std::string TypedReminderKey(std::string_view typed);

// The months whose names lie nearest to `name` (a few letters off, or
// beginning as it does), as their tables spell them, nearest first, at
// most three; none when no month's name is near.
std::vector<std::string> NearestMonthNames(std::string_view name);

// What to tell a user who typed `name` for a month that none of its
// spellings names: "; did you mean Ramadhan?", or the Hijri months' names
// when none is near.
std::string MonthNameHint(std::string_view name);

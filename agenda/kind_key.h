// The keys of the reminders that are not yearly (reminders/
// reminder_entries.h names their forms and sections): once on a date of
// either calendar ("Ramadhan/27/1448", "March/06/2027"), every month of a
// calendar on a day ("Hijri/13", "Christian/01"), every week on a weekday
// ("Friday"); and the notice any reminder may give some days before.
//
// Names match regardless of ASCII case, as the profile's do; a day 1 to 9
// falls due written as "5" or "05", as in a yearly key. The program writes
// each key one way (KindKeyText), so that one reminder has one key.
#pragma once

#include "agenda/reminder_key.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Whether a key is written in one of these forms rather than the yearly
// "month/day": two "/", no "/" at all, or "Hijri/" or "Christian/" before
// the day. Tells a typed key's kind, and so its sections, before it is
// checked.
bool IsKindKeyForm(std::string_view key);

// A key of these forms read back, with the problem that keeps it from ever
// falling due (a month in neither table, day 31 of a Hijri month, a day
// that its month never has, a year that is not one or lies outside the
// supported Christian years, a date dropped by the Gregorian reform, an
// unknown weekday). Whether a once key's Hijri date exists depends on the
// Hijri calendar: next_date.h tells.
ParsedReminderKey ParseKindKey(std::string_view key);

// A key typed by a user, of any kind: ParseKindKey for the forms above,
// ParseReminderKey for a yearly key.
ParsedReminderKey ParseAnyReminderKey(std::string_view key);

// The key as the program writes it, for a key that can fall due: the
// month as its table spells it, the Christian day in two digits and the
// Hijri day without a leading zero (as the due check spells a yearly key),
// the year as written, the weekday's English name.
std::string KindKeyText(const ParsedReminderKey &key);

// The sections that hold the memo and the alarm of a key of this kind.
std::string_view MemoSectionOf(ReminderKind kind);
std::string_view AlarmSectionOf(ReminderKind kind);

// The keys under which the reminders of these kinds that fall on a civil
// day are stored, each spelling of the day: the weekday's; the day of the
// month in each calendar, and on a month's last day the days its month
// lacks (30 of a Hijri month of 29 days, 29 to 31 after 28 February, 5 to
// 14 October 1582 on the 15th); the date with its year in each calendar.
// `hijriMonthLength` is the length of the Hijri date's month.
std::vector<DayKey> DayKindKeys(
    int dayNumber, const YearMonthDay &christian, const YearMonthDay &hijri, int hijriMonthLength);

// The notice a "Notice" entry gives: 1..kMaxNoticeDays days; 0 for none,
// for a missing entry and for any other value.
int ParseNoticeDays(const std::optional<std::string> &value);

// "yearly", "once", "monthly", "weekly": as zamanix-reminders writes it.
std::string_view KindWord(ReminderKind kind);

// The Hijri month starts the user recorded, as the profile keeps them
// (section "HijriMonthStarts", one entry a month: "1448/9=2027-02-07"): read
// into the Hijri calendar, the warnings a reader owes the user about entries
// it could not keep, and the changes that record, remove or replace them.
#pragma once

#include "calendar/icu/hijri_calendar.h"
#include "reminders/profile.h"
#include "reminders/profile_snapshot.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

// The calendar with the records of the profile in place of any it held:
// every entry of the section that reads as a record, in the profile's
// order. The calendar refuses those it cannot keep (RefusedMonthStarts).
CHijriCalendar WithProfileMonthStarts(
    const CHijriCalendar &calendar, const CProfileSnapshot &profile);

// An entry of the section, as a list of the records shows it.
struct MonthStartEntry {
    std::string name, value; // as the profile holds them
    std::optional<HijriMonthStart> record; // nothing when the entry says no record
    std::string problem; // why the calendar does not keep it; empty when it does
};

// Every entry of the section, in the profile's order, with what the
// calendar (which holds the profile's records, WithProfileMonthStarts)
// makes of it.
std::vector<MonthStartEntry> ProfileMonthStartEntries(
    const CProfileSnapshot &profile, const CHijriCalendar &calendar);

// One sentence for each entry of the section that the calendar does not
// keep, in the profile's order: "[HijriMonthStarts] 1448/13=2027-02-07 is
// ignored: Hijri month 13 does not exist; months run from 1 to 12". The
// calendar holds the profile's records (WithProfileMonthStarts), under any
// rule and adjustment.
std::vector<std::string> ProfileMonthStartWarnings(
    const CProfileSnapshot &profile, const CHijriCalendar &calendar);

// Records the month's start: its entry is set, and any other entry of the
// same month (spelled "1448/09", say) removed, so that the new record is
// the one read.
std::vector<ProfileChange> RecordMonthStartChanges(
    const CProfileSnapshot &profile, const HijriMonthStart &record);
// Removes every entry of the month: the rule's start holds again.
std::vector<ProfileChange> RemoveMonthStartChanges(
    const CProfileSnapshot &profile, int year, int month);
// Removes an entry by its name as the profile spells it: every entry of the
// month it names, or the entry alone when its name names no month.
std::vector<ProfileChange> RemoveMonthStartEntryChanges(
    const CProfileSnapshot &profile, const std::string &name);
// Replaces the whole section with the records, in their order (an import).
std::vector<ProfileChange> ReplaceMonthStartsChanges(std::span<const HijriMonthStart> records);

// The reminders as repeating events, for the calendar programs that know
// other calendars' years (RFC 7529, RSCALE; libical and so GNOME's calendar
// stack, Cyrus): one event per reminder that falls due, from the first day
// it falls due on, repeating without end as the reminder does. A yearly
// Hijri key repeats under RSCALE=ISLAMIC-UMALQURA or ISLAMIC-CIVIL on its
// month and day; a yearly Christian key under a plain yearly rule. A day
// that a year's month lacks (day 30 of a Hijri month of 29 days,
// February/29 outside leap years) is left out, as the due check leaves it
// out: SKIP=OMIT, the rule's default, which libical leaves unwritten. A
// monthly Hijri key repeats under the same RSCALE, a Hijri month without
// its day 30 taking the 29th (SKIP=BACKWARD); a monthly Christian key and a
// weekly one under plain rules (a day a month lacks as the first of the day
// and the month's last day, BYSETPOS=1); a once reminder is one event.
//
// Only the tabular rules have such a name: the astronomical rule, an
// adjusted calendar and one with recorded month starts that differ from its
// rule are described by none.
#pragma once

#include "agenda/day_reminders.h"
#include "agenda/ical_export.h"

#include <optional>
#include <string>

// The RSCALE name of the Hijri calendar ("ISLAMIC-UMALQURA",
// "ISLAMIC-CIVIL"); nothing when none describes it, and `problem` then says
// why.
std::optional<std::string> RscaleNameOf(const CHijriCalendar &hijri, std::string &problem);

// The iCalendar text; `what.firstDay` is the first day an event may start
// on, `what.lastDay` is not used. The Hijri calendar must have an RSCALE
// name.
std::string ExportRepeatingReminders(
    const CProfileSnapshot &profile, const CHijriCalendar &hijri, const ICalendarExport &what);

// The UID of a reminder's repeating event: its kind ("yearly-", "monthly-",
// ...) and its key.
std::string RepeatingEventUid(const std::string &key, ReminderKind kind);

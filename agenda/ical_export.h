// The reminders as an iCalendar file (RFC 5545), for calendar programs on
// phones and desktops that know nothing of this program's calendars: every
// day on which a reminder falls due in a span of days becomes an event of
// its own at the time its alarm rings, with a display alarm at its start.
// Hijri reminders are expanded day by day under the chosen Hijri calendar,
// since other programs cannot compute it.
//
// Each event's UID is made of the reminder's key and the event's date, so
// that importing a later export again updates the events instead of adding
// them twice. Times are local times of the user's time zone, which the file
// carries as a VTIMEZONE; when the zone is not known they are floating
// (each calendar program takes them in its own zone).
#pragma once

#include "agenda/export_request.h"
#include "calendar/icu/hijri_calendar.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class CProfileSnapshot;

// The iCalendar text of the reminders of `profile`.
std::string ExportRemindersToICalendar(
    const CProfileSnapshot &profile, const CHijriCalendar &hijri, const ICalendarExport &what);

// Each event of that text as a calendar object of its own (RFC 4791): a
// VCALENDAR with the zone's VTIMEZONE and the one VEVENT, the same UID,
// start, summary and alarm as in the export, in the export's order.
std::vector<ReminderEventObject> ExportReminderEvents(
    const CProfileSnapshot &profile, const CHijriCalendar &hijri, const ICalendarExport &what);

// How every UID of the reminders' events ends.
inline constexpr const char *kReminderUidDomain = "@zamanix.org";

// The UID of a reminder's event on a date: the date and the key in
// URL-safe Base64, the month name spelled as its table spells it (the
// profile takes "ramadhan/5" for "Ramadhan/5").
std::string ReminderEventUid(const std::string &key, const YearMonthDay &date);

// What the iCalendar files of the reminders share: a reminder's event at its
// alarm time in the user's zone, with its display alarm, inside a calendar
// that carries the zone's definition. For ical_export.cpp and
// ical_repeating.cpp; through libical.
#pragma once

#include "agenda/reminder_list.h"

#include <libical/ical.h>

#include <memory>
#include <string>
#include <string_view>

struct ComponentDeleter {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using IcalComponent = std::unique_ptr<icalcomponent, ComponentDeleter>;

// The zone the events' times are given in: a named zone, UTC, or none
// (floating times).
struct EventZone {
    icaltimezone *zone = nullptr;
    std::string name;
    bool utc = false;
};

// The zone of an IANA name; an empty name, or one that libical does not
// know, gives floating times.
EventZone EventZoneOf(const std::string &name);

// A VCALENDAR with VERSION, PRODID and CALSCALE and the zone's VTIMEZONE:
// a calendar object of one event.
IcalComponent NewReminderCalendar(const EventZone &zone);
// The same as a file to import: with METHOD:PUBLISH and the calendar's name.
IcalComponent NewExportCalendar(const EventZone &zone);

// The VEVENT of a reminder that falls due on `row.christian`: the memo as its
// summary, a start at the time its alarm rings, a display alarm at the start
// and, for a reminder with notice, another that many days before it.
icalcomponent *NewReminderEvent(
    const ReminderRow &row, const EventZone &zone, icaltimetype stamp, const std::string &uid);

// The time of an export (seconds since 1970) as a DTSTAMP.
icaltimetype EventStamp(std::int64_t seconds);

// The component as iCalendar text.
std::string ComponentText(icalcomponent *component);

// The key in URL-safe Base64 without padding, spelled as the program
// writes it (the month name as its table spells it; a key of the other
// kinds as KindKeyText writes it): the part of a UID that names the
// reminder.
std::string ReminderKeyId(std::string_view key);

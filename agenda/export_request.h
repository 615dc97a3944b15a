// What an export of the reminders as iCalendar text asks for (its span of
// days, its stamp and the time zone of its times) and what it gives back
// for each event: the plain part of agenda/ical_export.h, which a caller
// can use without linking libical.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

struct ICalendarExport {
    int firstDay = 0; // the span of days, both included (day numbers)
    int lastDay = 0;
    // The time of the export (seconds since 1970): the events' DTSTAMP.
    std::int64_t stamp = 0;
    // An IANA time zone name ("Europe/Berlin"); empty, or one that the
    // system's zone information does not hold, gives floating times.
    std::string timeZone;
};

// One event of an export as a calendar object of its own (RFC 4791).
struct ReminderEventObject {
    std::string uid;
    std::string text;
};

// The user's time zone as an IANA name: from TZ (":Europe/Berlin",
// "Europe/Berlin", or a path into a zoneinfo folder) when it is set, else
// from where `localtime` (/etc/localtime) links into a zoneinfo folder, else
// from the file `timezoneFile` (/etc/timezone). Empty when none tells: TZ
// holding a rule such as "CET-1CEST" names no zone.
std::string LocalTimeZoneName(const char *tzVariable,
    const std::filesystem::path &localtime = "/etc/localtime",
    const std::filesystem::path &timezoneFile = "/etc/timezone");

// The span of an export of `years` years from `firstDay` on: the day before
// the same date `years` years later, or the last supported day.
int ExportLastDay(int firstDay, int years);

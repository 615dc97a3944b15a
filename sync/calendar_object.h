// A reminder's event as the program keeps it on a CalDAV server: the object's
// name in the calendar, and what the program reads back from an object to
// know whether it is its own and whether it changed. Through libical.
#pragma once

#include <string>
#include <string_view>

// "zamanix-20270306-UmFtYWRoYW4vMjc.ics" for the UID
// "20270306-UmFtYWRoYW4vMjc@zamanix.org": the name under which the event is
// published.
std::string ReminderObjectName(const std::string &uid);
// Whether an object's name is one the program gives its objects.
bool IsReminderObjectName(std::string_view name);

// What an object of the calendar holds, as far as publishing cares.
struct CalendarObjectFacts {
    bool readable = false; // iCalendar text with one VEVENT
    std::string uid;
    // The digest of what the event says (ContentDigest), and the one the
    // program wrote into it (X-ZAMANIX-DIGEST; empty when there is none).
    std::string digest;
    std::string storedDigest;

    // An object of the program's: its UID is one the program gives.
    bool IsReminderEvent() const;
};

CalendarObjectFacts ReadCalendarObject(std::string_view text);

// The digest of what an object's event says: its properties and its alarms'
// properties, as libical reads them (so that a server's way of writing them
// does not matter), less those that say when or by whom it was written
// (DTSTAMP, CREATED, LAST-MODIFIED, SEQUENCE, X-ZAMANIX-DIGEST). Empty for
// text that is no such object.
std::string ContentDigest(std::string_view text);

// The object as published: `text` with its digest kept in the event as
// X-ZAMANIX-DIGEST; `digest` is set to it.
std::string WithContentDigest(std::string_view text, std::string &digest);

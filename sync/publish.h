// Publishing the reminders' events to a CalDAV calendar (RFC 4791): the face
// of sync/ that needs no Qt, for zamanix-reminders and any other caller that
// runs a publish to its end. The desktop program drives the same publish
// without waiting, through CCalendarPublisher (calendar_publisher.h).
//
// What a publish does, and what callers may rely on:
// - The calendar at the URL is looked at (PROPFIND); one that does not exist
//   is created (MKCALENDAR). A URL that names something else than a calendar
//   is a failure, and nothing is written.
// - Each event is one calendar object, named after its UID
//   ("zamanix-<UID without @zamanix.org>.ics"): those names are what marks an
//   object as the program's. No other object of the calendar is read,
//   changed or deleted.
// - A PUT goes out only for an event that is new (If-None-Match: *) or whose
//   reminder changed (If-Match: the ETag just read); a DELETE (If-Match) only
//   for an object of the program's that no event wants any more. With
//   nothing changed nothing is written.
// - Each object keeps, in X-ZAMANIX-DIGEST, a digest of what the program
//   wrote. An object changed since by another program (a phone) keeps that
//   change until its reminder changes; then the reminder wins. An object
//   that changes between the look and the write (the server answers 412) is
//   left as it is and counted as a conflict: the next publish looks again.
// - Nothing is kept locally: the calendar itself tells what was published.
#pragma once

#include "agenda/export_request.h"
#include "calendar/icu/hijri_calendar.h"

#include <cstdint>
#include <string>
#include <vector>

class CProfileSnapshot;

// Where to publish: the calendar's URL (http or https; TLS certificates are
// verified), the user name and password (none: no authentication).
struct CalendarServer {
    std::string url;
    std::string user;
    std::string password;
};

// What made a publish fail.
enum class PublishFailure {
    None,
    ServerStatus, // the server answered with an error status, or not as CalDAV
    PasswordRefused, // 401: the user name or password was refused
    NoConnection, // the host could not be found or reached
    BadCertificate, // the TLS certificate could not be verified
    Timeout, // the server did not answer in time
    Unavailable, // this installation cannot publish: its publishing module did not load
};

// How far a publish has come.
enum class PublishStage {
    Looking, // at the calendar (PROPFIND)
    CreatingCalendar, // MKCALENDAR
    Reading, // the program's objects (REPORT)
    Writing, // PUT and DELETE: `done` of `total`
};

struct PublishResult {
    PublishFailure failure = PublishFailure::None;
    int status = 0; // the HTTP status of a ServerStatus failure
    // What failed, in words for a user ("the server answered 403 Forbidden
    // to PUT /cal/zamanix-...ics"); empty on success.
    std::string message;
    bool createdCalendar = false;
    int added = 0, changed = 0, removed = 0; // objects written
    int unchanged = 0; // events the calendar held as they are
    int keptEdited = 0; // objects changed by another program, left so
    int conflicts = 0; // objects that changed between the look and the write

    bool Succeeded() const { return failure == PublishFailure::None; }
    // "2 added, 1 changed, 0 removed, 195 unchanged", with the kept and
    // conflicting objects when there are any.
    std::string Summary() const;
};

// The events a publish sends: those that zamanix-reminders export --years
// `years` writes on the day `today` (a day number) at `now` (seconds since
// 1970), their times in `timeZone` (an IANA name; empty: floating).
std::vector<ReminderEventObject> EventsToPublish(const CProfileSnapshot &profile,
    const CHijriCalendar &hijri, int today, std::int64_t now, int years,
    const std::string &timeZone);

// How long a request may go without any answer before the publish gives
// up (milliseconds).
inline constexpr int kPublishRequestTimeout = 20000;

// Makes the calendar at `server.url` hold exactly `events`, as above, and
// returns when that is done or has failed. Runs Qt's event loop meanwhile
// (a QCoreApplication is made when there is none).
PublishResult PublishReminderEvents(const CalendarServer &server,
    const std::vector<ReminderEventObject> &events, int requestTimeout = kPublishRequestTimeout);

// Whether `url` can name a calendar: http or https, with a host. False, with
// `error` saying what is wrong, otherwise.
bool CheckCalendarUrl(const std::string &url, std::string &error);

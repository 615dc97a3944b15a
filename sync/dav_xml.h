// The WebDAV and CalDAV bodies a publish sends (RFC 4918, RFC 4791), and the
// multistatus answers it reads.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One <response> of a multistatus: its href as the server wrote it
// (percent-encoded), the status of its properties (or of itself), and the
// properties a publish asks for.
struct DavResponse {
    QString href;
    int status = 0;
    bool isCalendar = false; // resourcetype holds CalDAV's calendar
    QByteArray etag;
    QByteArray calendarData;
};

// The responses of a 207 Multi-Status body; false when it is not one.
bool ParseMultistatus(const QByteArray &body, QList<DavResponse> &responses);

// PROPFIND for the resource type and ETag of a collection and its members.
QByteArray PropfindBody();
// MKCALENDAR of a calendar named `displayName` that holds events.
QByteArray MkcalendarBody(const QString &displayName);
// calendar-multiget REPORT of the ETags and data of `hrefs`.
QByteArray MultigetBody(const QList<QString> &hrefs);

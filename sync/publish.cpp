#include "sync/publish.h"

#include "agenda/ical_export.h"

#include "sync/calendar_publisher.h"
#include "sync/qt_application.h"

#include <QEventLoop>

std::vector<ReminderEventObject> EventsToPublish(const CProfileSnapshot &profile,
    const CHijriCalendar &hijri, int today, std::int64_t now, int years,
    const std::string &timeZone)
{
    ICalendarExport what;
    what.firstDay = today;
    what.lastDay = ExportLastDay(today, years);
    what.stamp = now;
    what.timeZone = timeZone;
    return ExportReminderEvents(profile, hijri, what);
}

PublishResult PublishReminderEvents(const CalendarServer &server,
    const std::vector<ReminderEventObject> &events, int requestTimeout)
{
    const std::unique_ptr<QCoreApplication> application = MakeApplicationIfNone();

    CCalendarPublisher publisher;
    publisher.SetRequestTimeout(requestTimeout);
    PublishResult result;
    QEventLoop loop;
    QObject::connect(
        &publisher, &CCalendarPublisher::Finished, &loop, [&](const PublishResult &finished) {
            result = finished;
            loop.quit();
        });
    publisher.Start(server, events);
    loop.exec();
    return result;
}

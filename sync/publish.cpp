#include "sync/publish.h"

#include "sync/calendar_publisher.h"
#include "sync/qt_application.h"

#include <QEventLoop>
#include <QUrl>

std::string PublishResult::Summary() const
{
    std::string text = std::to_string(added) + " added, " + std::to_string(changed) + " changed, " +
        std::to_string(removed) + " removed, " + std::to_string(unchanged) + " unchanged";
    if (keptEdited > 0)
        text += ", " + std::to_string(keptEdited) + " changed elsewhere and kept";
    if (conflicts > 0)
        text += ", " + std::to_string(conflicts) + " left as another program changed them";
    return createdCalendar ? "calendar created; " + text : text;
}

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

bool CheckCalendarUrl(const std::string &url, std::string &error)
{
    const QUrl parsed(QString::fromStdString(url), QUrl::StrictMode);
    const QString scheme = parsed.scheme();
    if (parsed.isValid() && (scheme == QLatin1String("https") || scheme == QLatin1String("http")) &&
        !parsed.host().isEmpty() && parsed.userInfo().isEmpty())
        return true;
    error = "\"" + url +
        "\" is not the URL of a calendar: write https:// (or http://), the server's name and the "
        "calendar's path, such as https://dav.example.org/anna/zamanix/";
    return false;
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

#include "sync/publish.h"

#include "sync/calendar_publisher.h"
#include "sync/qt_application.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <QEventLoop>
#include <QUrl>

std::string PublishResult::Summary() const
{
    auto n = [](int count) { return std::to_string(count); };
    std::string text =
        FillSentence(Translate("Publishing", "%1 added, %2 changed, %3 removed, %4 unchanged"),
            {n(added), n(changed), n(removed), n(unchanged)});
    if (keptEdited > 0)
        text = FillSentence(
            Translate("Publishing", "%1, %2 changed elsewhere and kept"), {text, n(keptEdited)});
    if (conflicts > 0)
        text = FillSentence(Translate("Publishing", "%1, %2 left as another program changed them"),
            {text, n(conflicts)});
    return createdCalendar ? FillSentence(Translate("Publishing", "calendar created; %1"), {text})
                           : text;
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
    error = FillSentence(Translate("Publishing",
                             "\"%1\" is not the URL of a calendar: write https:// (or http://), "
                             "the server's name and the calendar's path, such as "
                             "https://dav.example.org/anna/zamanix/"),
        {url});
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

// Publishes the reminders' events to a CalDAV calendar without blocking:
// the requests run on Qt's event loop, Progress tells how far it is, and
// Finished brings the result, with what failed (publish.h says what a
// publish does). The desktop program keeps one of these; zamanix-reminders
// runs one to its end through PublishReminderEvents.
//
//   auto *publisher = new CCalendarPublisher(this);
//   connect(publisher, &CCalendarPublisher::Finished, this, &CFrame::OnPublished);
//   publisher->Start(server, ExportReminderEvents(snapshot, hijri, span));
#pragma once

#include "sync/publish.h"
#include "sync/publish_metatype.h"
#include "sync/publish_plan.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>

#include <memory>

class QNetworkReply;

class CCalendarPublisher : public QObject {
    Q_OBJECT
public:
    explicit CCalendarPublisher(QObject *parent = nullptr);
    ~CCalendarPublisher() override;

    // Starts a publish of `events` to `server`; false while one runs (it is
    // then not started). Finished always follows a start, never within it.
    bool Start(const CalendarServer &server, std::vector<ReminderEventObject> events);
    bool IsRunning() const { return m_bRunning; }
    // The longest a request may wait for any answer (default
    // kPublishRequestTimeout).
    void SetRequestTimeout(int milliseconds) { m_nTimeout = milliseconds; }

signals:
    void Progress(PublishStage stage, int done, int total);
    void Finished(const PublishResult &result);

private:
    QNetworkReply *send(const QByteArray &verb, const QUrl &url, const QByteArray &body,
        const QList<std::pair<QByteArray, QByteArray>> &headers = {});
    void look();
    void onLooked(QNetworkReply *reply);
    void createCalendar();
    void read(const QList<QString> &hrefs);
    void onRead(QNetworkReply *reply);
    void write(std::vector<ServerObject> held);
    void sendNextSteps();
    void onWritten(QNetworkReply *reply, const PublishStep &step);
    void fail(QNetworkReply *reply, const QString &what);
    void failWith(PublishFailure failure, const QString &message, int status = 0);
    void finish();

    QNetworkAccessManager m_manager;
    CalendarServer m_server;
    QUrl m_urlCalendar; // its path ends in "/"
    std::vector<WantedObject> m_wanted;
    PublishPlan m_plan;
    std::size_t m_nNextStep = 0;
    int m_nInFlight = 0;
    int m_nDone = 0;
    PublishResult m_result;
    int m_nTimeout = kPublishRequestTimeout;
    bool m_bRunning = false;
};

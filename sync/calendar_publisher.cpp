#include "sync/calendar_publisher.h"

#include "sync/calendar_object.h"
#include "sync/dav_xml.h"
#include "text/translate.h"

#include <QNetworkReply>
#include <QSslError>
#include <QTimer>

namespace {

// Requests in flight at once while writing: enough to hide the round trips,
// few enough for a small server.
constexpr int kParallelWrites = 4;

const QByteArray kXmlType = "application/xml; charset=utf-8";
const QByteArray kCalendarType = "text/calendar; charset=utf-8";

int statusOf(QNetworkReply *reply)
{
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

// The last segment of a URL's path, decoded.
QString nameOf(const QUrl &url)
{
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

bool samePath(const QUrl &a, const QUrl &b)
{
    QString left = a.path(), right = b.path();
    while (left.endsWith(QLatin1Char('/')))
        left.chop(1);
    while (right.endsWith(QLatin1Char('/')))
        right.chop(1);
    return left == right;
}

QString verbOf(PublishStepKind kind)
{
    return kind == PublishStepKind::Remove ? QStringLiteral("DELETE") : QStringLiteral("PUT");
}

} // namespace

CCalendarPublisher::CCalendarPublisher(QObject *parent)
    : QObject(parent)
{
    // Credentials go with every request (send), and nothing answers Qt's
    // authenticationRequired: a 401 ends its reply as a refused password.
    // A redirect may go from http to https, never back.
    m_manager.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

CCalendarPublisher::~CCalendarPublisher()
{
    for (QNetworkReply *reply : m_manager.findChildren<QNetworkReply *>()) {
        disconnect(reply, nullptr, this, nullptr);
        reply->abort();
    }
}

bool CCalendarPublisher::Start(
    const CalendarServer &server, std::vector<ReminderEventObject> events)
{
    if (m_bRunning)
        return false;
    m_bRunning = true;
    m_server = server;
    m_result = {};
    m_plan = {};
    m_nNextStep = 0;
    m_nInFlight = m_nDone = 0;
    m_wanted.clear();
    for (const ReminderEventObject &event : events) {
        WantedObject object;
        object.name = ReminderObjectName(event.uid);
        object.text = WithContentDigest(event.text, object.digest);
        m_wanted.push_back(std::move(object));
    }
    std::string error;
    const bool valid = CheckCalendarUrl(server.url, error);
    m_urlCalendar = QUrl(QString::fromStdString(server.url));
    if (!m_urlCalendar.path().endsWith(QLatin1Char('/')))
        m_urlCalendar.setPath(m_urlCalendar.path() + QLatin1Char('/'));
    QTimer::singleShot(0, this, [this, valid, error] {
        if (valid)
            look();
        else {
            failWith(PublishFailure::ServerStatus, QString::fromStdString(error));
            finish();
        }
    });
    return true;
}

QNetworkReply *CCalendarPublisher::send(const QByteArray &verb, const QUrl &url,
    const QByteArray &body, const QList<std::pair<QByteArray, QByteArray>> &headers)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(m_nTimeout);
    request.setRawHeader("User-Agent", "Zamanix");
    if (!m_server.user.empty())
        request.setRawHeader("Authorization",
            "Basic " +
                QByteArray::fromStdString(m_server.user + ":" + m_server.password).toBase64());
    for (const auto &[name, value] : headers)
        request.setRawHeader(name, value);
    QNetworkReply *reply = m_manager.sendCustomRequest(request, verb, body);
    connect(reply, &QNetworkReply::sslErrors, this, [reply](const QList<QSslError> &errors) {
        QStringList texts;
        for (const QSslError &error : errors)
            texts << error.errorString();
        reply->setProperty("sslErrors", texts.join(QStringLiteral("; ")));
    });
    return reply;
}

void CCalendarPublisher::look()
{
    emit Progress(PublishStage::Looking, 0, 0);
    QNetworkReply *reply = send(
        "PROPFIND", m_urlCalendar, PropfindBody(), {{"Depth", "1"}, {"Content-Type", kXmlType}});
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onLooked(reply); });
}

void CCalendarPublisher::onLooked(QNetworkReply *reply)
{
    reply->deleteLater();
    const int status = statusOf(reply);
    if (status == 404)
        return createCalendar();
    QList<DavResponse> responses;
    if (status != 207 || !ParseMultistatus(reply->readAll(), responses)) {
        fail(reply, QStringLiteral("PROPFIND ") + m_urlCalendar.path());
        return finish();
    }
    bool isCalendar = false;
    QList<QString> hrefs;
    for (const DavResponse &response : responses) {
        const QUrl url = m_urlCalendar.resolved(QUrl(response.href));
        if (samePath(url, m_urlCalendar))
            isCalendar = response.isCalendar;
        else if (IsReminderObjectName(nameOf(url).toStdString()))
            hrefs.append(response.href);
    }
    if (!isCalendar) {
        failWith(PublishFailure::ServerStatus,
            QString::fromStdString(
                Translate("Publishing",
                    "%1 is not a calendar: give the URL of a calendar, or of one that does not "
                    "exist yet to have it created"))
                .arg(m_urlCalendar.toDisplayString()));
        return finish();
    }
    if (hrefs.isEmpty())
        return write({});
    read(hrefs);
}

void CCalendarPublisher::createCalendar()
{
    emit Progress(PublishStage::CreatingCalendar, 0, 0);
    QNetworkReply *reply = send("MKCALENDAR", m_urlCalendar,
        MkcalendarBody(QStringLiteral("Zamanix reminders")), {{"Content-Type", kXmlType}});
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        if (statusOf(reply) != 201) {
            fail(reply, QStringLiteral("MKCALENDAR ") + m_urlCalendar.path());
            return finish();
        }
        m_result.createdCalendar = true;
        write({});
    });
}

void CCalendarPublisher::read(const QList<QString> &hrefs)
{
    emit Progress(PublishStage::Reading, 0, 0);
    QNetworkReply *reply = send(
        "REPORT", m_urlCalendar, MultigetBody(hrefs), {{"Depth", "1"}, {"Content-Type", kXmlType}});
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onRead(reply); });
}

void CCalendarPublisher::onRead(QNetworkReply *reply)
{
    reply->deleteLater();
    QList<DavResponse> responses;
    if (statusOf(reply) != 207 || !ParseMultistatus(reply->readAll(), responses)) {
        fail(reply, QStringLiteral("REPORT ") + m_urlCalendar.path());
        return finish();
    }
    std::vector<ServerObject> held;
    for (const DavResponse &response : responses)
        if (response.status / 100 == 2 && !response.calendarData.isEmpty())
            held.push_back({nameOf(m_urlCalendar.resolved(QUrl(response.href))).toStdString(),
                response.etag.toStdString(), response.calendarData.toStdString()});
    write(std::move(held));
}

void CCalendarPublisher::write(std::vector<ServerObject> held)
{
    m_plan = PlanPublish(m_wanted, held);
    m_result.unchanged = m_plan.unchanged;
    m_result.keptEdited = m_plan.keptEdited;
    m_result.conflicts = m_plan.foreign;
    emit Progress(PublishStage::Writing, 0, static_cast<int>(m_plan.steps.size()));
    if (m_plan.steps.empty())
        return finish();
    sendNextSteps();
}

void CCalendarPublisher::sendNextSteps()
{
    while (m_nInFlight < kParallelWrites && m_nNextStep < m_plan.steps.size()) {
        const PublishStep &step = m_plan.steps[m_nNextStep++];
        const QUrl url = m_urlCalendar.resolved(QUrl(QString::fromStdString(step.name)));
        QList<std::pair<QByteArray, QByteArray>> headers;
        if (step.kind == PublishStepKind::Add)
            headers.emplaceBack("If-None-Match", "*");
        else
            headers.emplaceBack("If-Match", QByteArray::fromStdString(step.etag));
        QByteArray body;
        if (step.object) {
            headers.emplaceBack("Content-Type", kCalendarType);
            body = QByteArray::fromStdString(step.object->text);
        }
        QNetworkReply *reply = send(verbOf(step.kind).toLatin1(), url, body, headers);
        ++m_nInFlight;
        connect(reply, &QNetworkReply::finished, this,
            [this, reply, &step] { onWritten(reply, step); });
    }
}

void CCalendarPublisher::onWritten(QNetworkReply *reply, const PublishStep &step)
{
    reply->deleteLater();
    --m_nInFlight;
    ++m_nDone;
    const int status = statusOf(reply);
    if (status / 100 == 2 || (step.kind == PublishStepKind::Remove && status == 404))
        ++(step.kind == PublishStepKind::Add           ? m_result.added
                : step.kind == PublishStepKind::Change ? m_result.changed
                                                       : m_result.removed);
    else if (status == 412)
        ++m_result.conflicts; // changed meanwhile: left as it is, looked at again next time
    else {
        fail(reply, verbOf(step.kind) + QLatin1Char(' ') + reply->url().path());
        // Without a connection or a password nothing more can go through.
        if (status == 0 || status == 401)
            m_nNextStep = m_plan.steps.size();
    }
    emit Progress(PublishStage::Writing, m_nDone, static_cast<int>(m_plan.steps.size()));
    if (m_nInFlight == 0 && m_nNextStep >= m_plan.steps.size())
        return finish();
    sendNextSteps();
}

void CCalendarPublisher::fail(QNetworkReply *reply, const QString &what)
{
    const int status = statusOf(reply);
    const QString host = m_urlCalendar.host();
    if (status == 401 && m_server.user.empty())
        return failWith(PublishFailure::PasswordRefused,
            QString::fromStdString(
                Translate("Publishing", "the server %1 asks for a user name and password (401)"))
                .arg(host),
            status);
    if (status == 401)
        return failWith(PublishFailure::PasswordRefused,
            QString::fromStdString(
                Translate(
                    "Publishing", "the server %1 refused the user name %2 or its password (401)"))
                .arg(host, QString::fromStdString('"' + m_server.user + '"')),
            status);
    if (status > 0) {
        const QString reason =
            reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        return failWith(PublishFailure::ServerStatus,
            QString::fromStdString(Translate("Publishing", "the server %1 answered %2 %3 to %4"))
                .arg(host)
                .arg(status)
                .arg(reason, what),
            status);
    }
    switch (reply->error()) {
    case QNetworkReply::SslHandshakeFailedError: {
        const QString errors = reply->property("sslErrors").toString();
        return failWith(PublishFailure::BadCertificate,
            QString::fromStdString(
                Translate("Publishing", "the certificate of %1 could not be verified: %2"))
                .arg(host, errors.isEmpty() ? reply->errorString() : errors));
    }
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        return failWith(PublishFailure::Timeout,
            QString::fromStdString(Translate("Publishing", "%1 did not answer within %2 seconds"))
                .arg(host)
                .arg(m_nTimeout / 1000));
    default:
        return failWith(PublishFailure::NoConnection,
            QString::fromStdString(Translate("Publishing", "cannot reach %1: %2"))
                .arg(host, reply->errorString()));
    }
}

void CCalendarPublisher::failWith(PublishFailure failure, const QString &message, int status)
{
    if (m_result.failure != PublishFailure::None)
        return; // the first failure is the one to tell
    m_result.failure = failure;
    m_result.message = message.toStdString();
    m_result.status = status;
}

void CCalendarPublisher::finish()
{
    m_bRunning = false;
    const PublishResult result = m_result;
    emit Finished(result);
}

#include "shell/one_copy.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusError>
#include <QDBusMessage>
#include <QFileInfo>
#include <QMetaObject>
#include <QUrl>
#include <QVariantMap>

#include <utility>

namespace {

const QString kInterface = QStringLiteral("org.freedesktop.Application");

// How long a call of the start waits for the bus to answer, past which the
// start goes on as a copy of its own; the bus answered a moment before
// (framework/session_bus.h), so only one that has just stopped takes it.
constexpr int kBusTimeout = 2000; // ms
// How long a start waits for the running copy to take it over: it answers
// from its event loop, also while a message box of its own is open.
constexpr int kHandOverTimeout = 5000; // ms

bool sessionBusNamed()
{
    // Asking without an address would launch a bus of our own.
    return !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS");
}

// How the desktop vouches for the start that asks to be shown, so that the
// window may come to the front: a Wayland activation token or an X11
// startup id, as the launcher handed them to that start.
QString tokenOf(const QVariantMap &platformData)
{
    const QString token = platformData.value(QStringLiteral("activation-token")).toString();
    return token.isEmpty() ? platformData.value(QStringLiteral("desktop-startup-id")).toString()
                           : token;
}

QVariantMap ownPlatformData()
{
    QVariantMap data;
    if (const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN"); !token.isEmpty())
        data[QStringLiteral("activation-token")] = token;
    if (const QString id = qEnvironmentVariable("DESKTOP_STARTUP_ID"); !id.isEmpty())
        data[QStringLiteral("desktop-startup-id")] = id;
    return data;
}

} // namespace

// org.freedesktop.Application, as the running copy answers it. Each request
// is answered at once and carried out from the event loop, so that the
// caller never waits for a window or a message box. One is carried out at
// a time: those that come meanwhile (while its message box is open) are
// merged into one that follows it, so that a burst of requests leaves at
// most one message on the screen and one request waiting.
class CApplicationService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    explicit CApplicationService(COneCopy::Requests requests)
        : m_requests(std::move(requests))
    {
    }

public slots:
    void Activate(const QVariantMap &platformData) { take({}, tokenOf(platformData)); }

    void Open(const QStringList &uris, const QVariantMap &platformData)
    {
        QStringList files;
        for (const QString &uri : uris)
            if (const QUrl url(uri); url.isLocalFile())
                files << url.toLocalFile();
        if (files.isEmpty()) {
            sendErrorReply(QDBusError::InvalidArgs,
                QCoreApplication::translate("COneCopy", "Zamanix opens local files only"));
            return;
        }
        take(files, tokenOf(platformData));
    }

    // The desktop entry names no actions.
    void ActivateAction(const QString &name, const QVariantList &, const QVariantMap &)
    {
        sendErrorReply(QDBusError::InvalidArgs,
            QCoreApplication::translate("COneCopy", "Zamanix has no action %1").arg(name));
    }

private:
    // The request that waits: the files of the last Open among those merged
    // (every request shows the window), and the last token.
    void take(const QStringList &files, const QString &token)
    {
        if (!files.isEmpty())
            m_waitingFiles = files;
        m_strWaitingToken = token;
        if (m_bWaiting)
            return;
        m_bWaiting = true;
        if (!m_bCarryingOut)
            QMetaObject::invokeMethod(this, &CApplicationService::carryOut, Qt::QueuedConnection);
    }

    void carryOut()
    {
        m_bCarryingOut = true;
        while (m_bWaiting) {
            const QStringList files = std::exchange(m_waitingFiles, {});
            const QString token = std::exchange(m_strWaitingToken, {});
            m_bWaiting = false;
            if (files.isEmpty())
                m_requests.activate(token);
            else
                m_requests.open(files, token);
        }
        m_bCarryingOut = false;
    }

    COneCopy::Requests m_requests;
    bool m_bCarryingOut = false;
    bool m_bWaiting = false;
    QStringList m_waitingFiles;
    QString m_strWaitingToken;
};

COneCopy::COneCopy(const QString &appId)
    : m_strAppId(appId)
{
}

COneCopy::~COneCopy()
{
    if (m_pService) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterObject(ObjectPath(m_strAppId));
        // Not waited for: a bus that stopped answering must not hold the
        // exit, and the name goes with the connection in any case.
        bus.interface()->asyncCall(QStringLiteral("ReleaseName"), m_strAppId);
    }
}

QString COneCopy::ObjectPath(const QString &appId)
{
    QString path = QLatin1Char('/') + appId;
    path.replace(QLatin1Char('.'), QLatin1Char('/'));
    path.replace(QLatin1Char('-'), QLatin1Char('_'));
    return path;
}

CopyClaim COneCopy::Claim(Requests requests)
{
    if (!sessionBusNamed())
        return CopyClaim::NoBus;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return CopyClaim::NoBus;
    bus.interface()->setTimeout(kBusTimeout);
    // The object first: a request may come as soon as the name is ours.
    auto service = std::make_unique<CApplicationService>(std::move(requests));
    if (!bus.registerObject(ObjectPath(m_strAppId), service.get(), QDBusConnection::ExportAllSlots))
        return CopyClaim::NoBus;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(m_strAppId, QDBusConnectionInterface::DontQueueService,
            QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        m_pService = std::move(service);
        return CopyClaim::Claimed;
    }
    bus.unregisterObject(ObjectPath(m_strAppId));
    return reply.isValid() ? CopyClaim::HeldElsewhere : CopyClaim::NoBus;
}

bool COneCopy::HandOver(const QStringList &files, QString &error) const
{
    QDBusMessage call = QDBusMessage::createMethodCall(m_strAppId, ObjectPath(m_strAppId),
        kInterface, files.isEmpty() ? QStringLiteral("Activate") : QStringLiteral("Open"));
    if (!files.isEmpty()) {
        QStringList uris;
        for (const QString &file : files)
            uris << QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString();
        call << uris;
    }
    call << ownPlatformData();
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(call, QDBus::Block, kHandOverTimeout);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return true;
    error = reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
    return false;
}

#include "one_copy.moc"

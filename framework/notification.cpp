#include "framework/notification.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");

std::function<void(const CString &, const CString &)> s_notifier;
uint s_lastId = 0;

bool busAvailable()
{
    // Without an address there is no session bus to talk to; asking would
    // start a bus of its own.
    return qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") &&
        QDBusConnection::sessionBus().isConnected();
}

QDBusMessage notifyCall(const QString &method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

} // namespace

void SetNotifier(std::function<void(const CString &, const CString &)> notifier)
{
    s_notifier = std::move(notifier);
}

void ShowDesktopNotification(const CString &summary, const CString &body)
{
    if (s_notifier) {
        s_notifier(summary, body);
        return;
    }
    if (!busAvailable())
        return;
    const QString appId = QGuiApplication::desktopFileName();
    QVariantMap hints;
    hints[QStringLiteral("urgency")] =
        QVariant::fromValue(uchar(2)); // critical: stays until dismissed
    hints[QStringLiteral("category")] = QStringLiteral("x-zamanix.reminder");
    hints[QStringLiteral("suppress-sound")] =
        true; // the program plays its own, if the user wants one
    if (!appId.isEmpty())
        hints[QStringLiteral("desktop-entry")] = appId;
    QDBusMessage call = notifyCall(QStringLiteral("Notify"));
    // Servers may read the body as markup: a memo's "<" or "&" stays text.
    const QString text = QString::fromStdString(body).trimmed().toHtmlEscaped();
    call << QGuiApplication::applicationDisplayName() << s_lastId << appId
         << QString::fromStdString(summary) << text << QStringList() << hints << int(0);
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call));
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, watcher, [](QDBusPendingCallWatcher *w) {
            const QDBusPendingReply<uint> reply = *w;
            if (reply.isValid())
                s_lastId = reply.value();
            w->deleteLater();
        });
}

void CloseDesktopNotification()
{
    if (s_notifier) {
        s_notifier({}, {});
        return;
    }
    if (s_lastId == 0 || !busAvailable())
        return;
    QDBusMessage call = notifyCall(QStringLiteral("CloseNotification"));
    call << s_lastId;
    QDBusConnection::sessionBus().asyncCall(call);
    s_lastId = 0;
}

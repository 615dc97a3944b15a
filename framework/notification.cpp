#include "framework/notification.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QPointer>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");

std::function<void(const CString &, const CString &)> s_notifier;
uint s_lastId = 0;
// Each notification asked for counts one up; a reply that comes after its
// notification was withdrawn (its number not above s_closedUpTo) withdraws
// what it made.
int s_asked = 0;
int s_closedUpTo = 0;
std::function<void(const CString &)> s_onAction; // of the notification s_lastId
QString s_server; // the connection of the service that showed s_lastId

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

void closeNotification(uint id)
{
    QDBusMessage call = notifyCall(QStringLiteral("CloseNotification"));
    call << id;
    QDBusConnection::sessionBus().asyncCall(call);
}

} // namespace

// Hears the service's signals about the notifications of every program and
// keeps those about this program's own.
class CNotificationSignals : public QObject {
    Q_OBJECT

public:
    static void Listen()
    {
        static QPointer<CNotificationSignals> s_listener;
        if (s_listener)
            return;
        s_listener = new CNotificationSignals(QCoreApplication::instance());
        // From any sender: naming the service would make Qt ask the bus for
        // its owner and wait for the answer, holding the alarm's tick while
        // the bus does not answer. The sender is checked in the slots.
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), s_listener,
            SLOT(OnActionInvoked(uint, QString, QDBusMessage)));
        bus.connect(QString(), kPath, kInterface, QStringLiteral("NotificationClosed"), s_listener,
            SLOT(OnNotificationClosed(uint, uint, QDBusMessage)));
    }

private slots:
    void OnActionInvoked(uint id, const QString &key, const QDBusMessage &signal)
    {
        if (id == 0 || id != s_lastId || signal.service() != s_server || !s_onAction)
            return;
        // The answer withdraws the notification and with it this function.
        const std::function<void(const CString &)> onAction = s_onAction;
        onAction(key.toStdString());
    }
    void OnNotificationClosed(uint id, uint, const QDBusMessage &signal)
    {
        if (id != 0 && id == s_lastId && signal.service() == s_server) {
            s_lastId = 0;
            s_onAction = {};
        }
    }

private:
    using QObject::QObject;
};

namespace {

void notify(const CString &summary, const CString &body,
    const std::vector<NotificationAction> &actions, int asked)
{
    const QString appId = QGuiApplication::desktopFileName();
    QVariantMap hints;
    hints[QStringLiteral("urgency")] =
        QVariant::fromValue(uchar(2)); // critical: stays until dismissed
    hints[QStringLiteral("category")] = QStringLiteral("x-zamanix.reminder");
    hints[QStringLiteral("suppress-sound")] =
        true; // the program plays its own, if the user wants one
    if (!appId.isEmpty())
        hints[QStringLiteral("desktop-entry")] = appId;
    QStringList actionList;
    for (const NotificationAction &action : actions)
        actionList << QString::fromStdString(action.key) << QString::fromStdString(action.label);
    QDBusMessage call = notifyCall(QStringLiteral("Notify"));
    // Servers may read the body as markup: a memo's "<" or "&" stays text.
    const QString text = QString::fromStdString(body).trimmed().toHtmlEscaped();
    call << QGuiApplication::applicationDisplayName() << s_lastId << appId
         << QString::fromStdString(summary) << text << actionList << hints << int(0);
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call));
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, watcher, [asked](QDBusPendingCallWatcher *w) {
            const QDBusPendingReply<uint> reply = *w;
            w->deleteLater();
            if (!reply.isValid())
                return;
            if (asked <= s_closedUpTo) {
                closeNotification(reply.value()); // withdrawn before it was shown
            } else {
                s_lastId = reply.value();
                s_server = w->reply().service();
            }
        });
}

} // namespace

void SetNotifier(std::function<void(const CString &, const CString &)> notifier)
{
    s_notifier = std::move(notifier);
}

void ShowDesktopNotification(const CString &summary, const CString &body,
    std::vector<NotificationAction> actions, std::function<void(const CString &)> onAction)
{
    if (s_notifier) {
        s_notifier(summary, body);
        return;
    }
    if (!busAvailable())
        return;
    const int asked = ++s_asked;
    s_onAction = std::move(onAction);
    if (actions.empty()) {
        notify(summary, body, actions, asked);
        return;
    }
    // Buttons only where the service shows them: elsewhere they would be
    // dropped, or shown as a menu the user cannot find.
    CNotificationSignals::Listen();
    auto *watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(notifyCall(QStringLiteral("GetCapabilities"))));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
        [summary, body, actions = std::move(actions), asked](QDBusPendingCallWatcher *w) {
            const QDBusPendingReply<QStringList> reply = *w;
            w->deleteLater();
            if (asked <= s_closedUpTo)
                return;
            const bool buttons =
                reply.isValid() && reply.value().contains(QStringLiteral("actions"));
            notify(summary, body, buttons ? actions : std::vector<NotificationAction>(), asked);
        });
}

void CloseDesktopNotification()
{
    if (s_notifier) {
        s_notifier({}, {});
        return;
    }
    s_closedUpTo = s_asked;
    s_onAction = {};
    if (s_lastId == 0 || !busAvailable())
        return;
    closeNotification(s_lastId);
    s_lastId = 0;
}

#include "notification.moc"

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

#include <map>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");

std::function<void(const CString &, const CString &)> s_notifier;

// The notification of one kind on the screen.
struct Shown {
    uint lastId = 0;
    // Each notification asked for counts one up; a reply that comes after
    // its notification was withdrawn (its number not above closedUpTo)
    // withdraws what it made.
    int asked = 0;
    int closedUpTo = 0;
    std::function<void(const CString &)> onAction; // of the notification lastId
    QString server; // the connection of the service that showed lastId
};

// By the kind's name; an entry lives as long as the program.
std::map<CString, Shown> s_shown;

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

// The notification of any kind that a service's signal speaks of.
Shown *shownWith(uint id, const QDBusMessage &signal)
{
    for (auto &[name, shown] : s_shown)
        if (id != 0 && id == shown.lastId && signal.service() == shown.server)
            return &shown;
    return nullptr;
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
        Shown *shown = shownWith(id, signal);
        if (!shown || !shown->onAction)
            return;
        // The answer withdraws the notification and with it this function.
        const std::function<void(const CString &)> onAction = shown->onAction;
        onAction(key.toStdString());
    }
    void OnNotificationClosed(uint id, uint, const QDBusMessage &signal)
    {
        if (Shown *shown = shownWith(id, signal)) {
            shown->lastId = 0;
            shown->onAction = {};
        }
    }

private:
    using QObject::QObject;
};

namespace {

void notify(const CString &summary, const CString &body,
    const std::vector<NotificationAction> &actions, const NotificationKind &kind, int asked)
{
    const QString appId = QGuiApplication::desktopFileName();
    QVariantMap hints;
    // Critical stays until dismissed; a notification of normal urgency too,
    // as it is sent without an expiry, but the desktop may file it away.
    hints[QStringLiteral("urgency")] = QVariant::fromValue(uchar(kind.urgent ? 2 : 1));
    hints[QStringLiteral("category")] =
        QStringLiteral("x-zamanix.") + QString::fromStdString(kind.name);
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
    call << QGuiApplication::applicationDisplayName() << s_shown[kind.name].lastId << appId
         << QString::fromStdString(summary) << text << actionList << hints << int(0);
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
        [asked, name = kind.name](QDBusPendingCallWatcher *w) {
            const QDBusPendingReply<uint> reply = *w;
            w->deleteLater();
            if (!reply.isValid())
                return;
            Shown &shown = s_shown[name];
            if (asked <= shown.closedUpTo) {
                closeNotification(reply.value()); // withdrawn before it was shown
            } else {
                shown.lastId = reply.value();
                shown.server = w->reply().service();
            }
        });
}

} // namespace

void SetNotifier(std::function<void(const CString &, const CString &)> notifier)
{
    s_notifier = std::move(notifier);
}

void ShowDesktopNotification(const CString &summary, const CString &body,
    std::vector<NotificationAction> actions, std::function<void(const CString &)> onAction,
    const NotificationKind &kind)
{
    if (s_notifier) {
        s_notifier(summary, body);
        return;
    }
    if (!busAvailable())
        return;
    Shown &shown = s_shown[kind.name];
    const int asked = ++shown.asked;
    shown.onAction = std::move(onAction);
    if (actions.empty()) {
        notify(summary, body, actions, kind, asked);
        return;
    }
    // Buttons only where the service shows them: elsewhere they would be
    // dropped, or shown as a menu the user cannot find.
    CNotificationSignals::Listen();
    auto *watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(notifyCall(QStringLiteral("GetCapabilities"))));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
        [summary, body, actions = std::move(actions), kind, asked](QDBusPendingCallWatcher *w) {
            const QDBusPendingReply<QStringList> reply = *w;
            w->deleteLater();
            if (asked <= s_shown[kind.name].closedUpTo)
                return;
            const bool buttons =
                reply.isValid() && reply.value().contains(QStringLiteral("actions"));
            notify(
                summary, body, buttons ? actions : std::vector<NotificationAction>(), kind, asked);
        });
}

void CloseDesktopNotification(const NotificationKind &kind)
{
    if (s_notifier) {
        s_notifier({}, {});
        return;
    }
    Shown &shown = s_shown[kind.name];
    shown.closedUpTo = shown.asked;
    shown.onAction = {};
    if (shown.lastId == 0 || !busAvailable())
        return;
    closeNotification(shown.lastId);
    shown.lastId = 0;
}

#include "notification.moc"

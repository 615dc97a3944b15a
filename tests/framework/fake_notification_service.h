// A notification service of the tests' own, for a session bus of their own
// (gui_test_main.cpp): it records what it is asked, answers with ids from
// 42 on, and can offer buttons (the "actions" capability) and press one.
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <vector>

class CFakeNotificationService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Shown {
        QString appName, summary, body;
        uint replaces;
        QStringList actions;
        QVariantMap hints;
    };
    std::vector<Shown> shown;
    std::vector<uint> closed;
    bool offersActions = false;
    // When not empty: the button pressed as soon as a notification shows.
    QString press;

    // Serves on a connection of its own, as another program would.
    bool Serve()
    {
        m_bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "notifications");
        return m_bus.isConnected() &&
            m_bus.registerObject(
                "/org/freedesktop/Notifications", this, QDBusConnection::ExportAllSlots) &&
            m_bus.registerService("org.freedesktop.Notifications");
    }
    ~CFakeNotificationService() override
    {
        if (m_bus.isConnected()) {
            m_bus.unregisterService("org.freedesktop.Notifications");
            m_bus.unregisterObject("/org/freedesktop/Notifications");
        }
        QDBusConnection::disconnectFromBus("notifications");
    }

    // What a server sends when the user presses a button.
    void Press(uint id, const QString &key)
    {
        emitSignal("ActionInvoked", {id, key});
        emitSignal("NotificationClosed", {id, 2u}); // dismissed with it
    }

public slots:
    uint Notify(const QString &appName, uint replacesId, const QString &, const QString &summary,
        const QString &body, const QStringList &actions, const QVariantMap &hints, int)
    {
        shown.push_back({appName, summary, body, replacesId, actions, hints});
        const uint id = 41 + static_cast<uint>(shown.size());
        if (!press.isEmpty())
            QTimer::singleShot(0, this, [this, id] { Press(id, press); });
        return id;
    }
    void CloseNotification(uint id) { closed.push_back(id); }
    QStringList GetCapabilities()
    {
        QStringList capabilities = {QStringLiteral("body"), QStringLiteral("body-markup")};
        if (offersActions)
            capabilities << QStringLiteral("actions");
        return capabilities;
    }

private:
    void emitSignal(const char *name, const QVariantList &arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal("/org/freedesktop/Notifications",
            "org.freedesktop.Notifications", QString::fromLatin1(name));
        signal.setArguments(arguments);
        m_bus.send(signal);
    }

    QDBusConnection m_bus{QString()};
};

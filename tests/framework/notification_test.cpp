// A notification reaches a notification service on the session bus: a bus
// of the tests' own (see gui_test_main.cpp) with a small service of the
// test's own. The tests wait in real time for the bus's replies.
#include "framework/notification.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

// Records what the notification service is asked.
class CFakeNotificationService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Shown {
        QString appName, summary, body;
        uint replaces;
        QVariantMap hints;
    };
    std::vector<Shown> shown;
    std::vector<uint> closed;

public slots:
    uint Notify(const QString &appName, uint replacesId, const QString &, const QString &summary,
        const QString &body, const QStringList &, const QVariantMap &hints, int)
    {
        shown.push_back({appName, summary, body, replacesId, hints});
        return 41 + static_cast<uint>(shown.size());
    }
    void CloseNotification(uint id) { closed.push_back(id); }
    QStringList GetCapabilities()
    {
        return {QStringLiteral("body"), QStringLiteral("body-markup")};
    }
};

// Lets replies on the bus arrive.
void pump(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void waitFor(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Whether the tests run on a private session bus.
bool onPrivateBus()
{
    return qEnvironmentVariableIsSet("ZAMANIX_TEST_PRIVATE_BUS") &&
        qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS");
}

constexpr const char *kNoBus = "no session bus of the tests' own: dbus-run-session (package "
                               "dbus-daemon) could not be run";

TEST(RealTimeDesktopNotification, ReachesTheServiceAndIsWithdrawn)
{
    if (!onPrivateBus())
        GTEST_SKIP() << kNoBus;
    QDBusConnection serviceBus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, "service");
    ASSERT_TRUE(serviceBus.isConnected());
    CFakeNotificationService service;
    ASSERT_TRUE(serviceBus.registerObject(
        "/org/freedesktop/Notifications", &service, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serviceBus.registerService("org.freedesktop.Notifications"));

    QGuiApplication::setDesktopFileName(QStringLiteral("zamanix"));
    ShowDesktopNotification("Zamanix Reminder", "Buy bread & <milk>\n");
    waitFor([&] { return !service.shown.empty(); });
    ASSERT_EQ(service.shown.size(), 1u);
    EXPECT_EQ(service.shown[0].summary, "Zamanix Reminder");
    EXPECT_EQ(service.shown[0].body, "Buy bread &amp; &lt;milk&gt;") << "markup stays text";
    EXPECT_EQ(service.shown[0].hints.value("urgency").toInt(), 2);
    EXPECT_EQ(service.shown[0].hints.value("desktop-entry").toString(), "zamanix");
    EXPECT_EQ(service.shown[0].replaces, 0u);

    pump(300); // the reply with the notification's id
    ShowDesktopNotification("Zamanix Reminder", "again");
    waitFor([&] { return service.shown.size() == 2; });
    ASSERT_EQ(service.shown.size(), 2u);
    EXPECT_EQ(service.shown[1].replaces, 42u) << "a repeat replaces the one shown before";

    pump(300);
    CloseDesktopNotification();
    waitFor([&] { return !service.closed.empty(); });
    EXPECT_EQ(service.closed, std::vector<uint>{43u});
    serviceBus.unregisterService("org.freedesktop.Notifications");
}

TEST(RealTimeDesktopNotification, NoServiceIsNoFailure)
{
    if (!onPrivateBus())
        GTEST_SKIP() << kNoBus;
    ShowDesktopNotification("Zamanix Reminder", "nobody listens");
    pump(300);
    CloseDesktopNotification();
    SUCCEED();
}

} // namespace

#include "notification_test.moc"

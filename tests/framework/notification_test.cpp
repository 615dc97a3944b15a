// A notification reaches a notification service on the session bus: a bus
// of the tests' own (see gui_test_main.cpp) with a small service of the
// test's own. The tests wait in real time for the bus's replies.
#include "framework/notification.h"

#include "tests/framework/fake_notification_service.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

// Returns once the notification service has handled all that this program
// sent it so far, and this program all that the service sent back: the bus
// keeps the order of each connection's messages, so the answer to a call
// comes after them. Twice, for what the first answers set off.
void roundTrip()
{
    for (int i = 0; i < 2; ++i) {
        QDBusConnection::sessionBus().call(
            QDBusMessage::createMethodCall("org.freedesktop.Notifications",
                "/org/freedesktop/Notifications", "org.freedesktop.Notifications",
                "GetCapabilities"),
            QDBus::BlockWithGui, 10000);
        QCoreApplication::processEvents();
    }
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
    CFakeNotificationService service;
    ASSERT_TRUE(service.Serve());

    QGuiApplication::setDesktopFileName(QStringLiteral("zamanix"));
    ShowDesktopNotification("Zamanix Reminder", "Buy bread & <milk>\n");
    waitFor([&] { return !service.shown.empty(); });
    ASSERT_EQ(service.shown.size(), 1u);
    EXPECT_EQ(service.shown[0].summary, "Zamanix Reminder");
    EXPECT_EQ(service.shown[0].body, "Buy bread &amp; &lt;milk&gt;") << "markup stays text";
    EXPECT_EQ(service.shown[0].hints.value("urgency").toInt(), 2);
    EXPECT_EQ(service.shown[0].hints.value("desktop-entry").toString(), "zamanix");
    EXPECT_EQ(service.shown[0].replaces, 0u);

    roundTrip(); // the reply with the notification's id
    ShowDesktopNotification("Zamanix Reminder", "again");
    waitFor([&] { return service.shown.size() == 2; });
    ASSERT_EQ(service.shown.size(), 2u);
    EXPECT_EQ(service.shown[1].replaces, 42u) << "a repeat replaces the one shown before";

    roundTrip();
    CloseDesktopNotification();
    waitFor([&] { return !service.closed.empty(); });
    EXPECT_EQ(service.closed, std::vector<uint>{43u});
}

TEST(RealTimeDesktopNotification, AWithdrawalBeforeTheServiceAnswersStillWithdraws)
{
    if (!onPrivateBus())
        GTEST_SKIP() << kNoBus;
    for (const bool buttons : {false, true}) {
        SCOPED_TRACE(buttons ? "with buttons" : "without buttons");
        CFakeNotificationService service;
        service.offersActions = true;
        ASSERT_TRUE(service.Serve());
        // An alarm answered at once: the service has not said the id yet.
        ShowDesktopNotification("Zamanix Reminder", "quick",
            buttons ? std::vector<NotificationAction>{{"done", "Done"}}
                    : std::vector<NotificationAction>{},
            [](const CString &) {});
        CloseDesktopNotification();
        roundTrip();
        EXPECT_EQ(service.shown.size(), buttons ? 0u : 1u)
            << "with buttons, nothing is shown once the capabilities come";
        EXPECT_EQ(service.closed.size(), service.shown.size()) << "nothing stays on the screen";
    }
}

TEST(RealTimeDesktopNotification, ButtonsWhereTheServiceOffersThemAnswerOnce)
{
    if (!onPrivateBus())
        GTEST_SKIP() << kNoBus;
    const std::vector<NotificationAction> actions = {
        {"later", "Remind me again in 5 minutes"}, {"done", "Done for today"}};
    const struct {
        const char *name;
        bool offered;
        QString press;
        QStringList shownActions;
        std::vector<CString> answers;
    } cases[] = {
        {"no buttons where none are offered", false, "", {}, {}},
        {"the button pressed", true, "done",
            {"later", "Remind me again in 5 minutes", "done", "Done for today"}, {"done"}},
        {"an unknown key is passed on as it is", true, "default",
            {"later", "Remind me again in 5 minutes", "done", "Done for today"}, {"default"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CFakeNotificationService service;
        service.offersActions = c.offered;
        service.press = c.press;
        ASSERT_TRUE(service.Serve());
        std::vector<CString> answers;
        ShowDesktopNotification("Zamanix Reminder", "memo", actions,
            [&](const CString &key) { answers.push_back(key); });
        waitFor([&] { return !service.shown.empty(); });
        ASSERT_EQ(service.shown.size(), 1u);
        EXPECT_EQ(service.shown[0].actions, c.shownActions);
        roundTrip(); // the press, if any, and its signals
        EXPECT_EQ(answers, c.answers);
        // The service closed it with the press: a later withdrawal finds
        // nothing to withdraw, and a stray press of it answers nothing.
        CloseDesktopNotification();
        if (!c.press.isEmpty())
            service.Press(42, c.press);
        roundTrip();
        EXPECT_EQ(answers, c.answers);
        EXPECT_EQ(service.closed.size(), c.press.isEmpty() ? 1u : 0u);
    }
}

// A notification that no service took leaves nothing behind: the next one,
// once a service is there, is a new one, and withdrawing it withdraws it.
TEST(RealTimeDesktopNotification, WithoutAServiceNothingIsLeftBehind)
{
    if (!onPrivateBus())
        GTEST_SKIP() << kNoBus;
    ShowDesktopNotification("Zamanix Reminder", "nobody listens");
    roundTrip();
    CloseDesktopNotification();
    ShowDesktopNotification(
        "Zamanix Reminder", "nobody listens either", {{"done", "Done"}}, [](const CString &) {});
    roundTrip();

    CFakeNotificationService service;
    ASSERT_TRUE(service.Serve());
    ShowDesktopNotification("Zamanix Reminder", "now someone does");
    waitFor([&] { return !service.shown.empty(); });
    ASSERT_EQ(service.shown.size(), 1u);
    EXPECT_EQ(service.shown[0].replaces, 0u) << "nothing to replace";
    roundTrip();
    CloseDesktopNotification();
    waitFor([&] { return !service.closed.empty(); });
    EXPECT_EQ(service.closed, std::vector<uint>{42u});
}

// A reminder's notification and a question's stand side by side: neither
// replaces the other, each button answers its own, and withdrawing one
// leaves the other.
TEST(RealTimeDesktopNotification, KindsStandSideBySide)
{
    if (!onPrivateBus())
        GTEST_SKIP() << kNoBus;
    CFakeNotificationService service;
    service.offersActions = true;
    ASSERT_TRUE(service.Serve());
    const NotificationKind question{"question", false};
    std::vector<CString> reminderAnswers, questionAnswers;
    ShowDesktopNotification("Zamanix Reminder", "memo", {{"done", "Done for today"}},
        [&](const CString &key) { reminderAnswers.push_back(key); });
    waitFor([&] { return service.shown.size() == 1; });
    roundTrip();
    ShowDesktopNotification(
        "Has the new moon been seen?", "", {{"yes", "Yes"}},
        [&](const CString &key) { questionAnswers.push_back(key); }, question);
    waitFor([&] { return service.shown.size() == 2; });
    roundTrip();
    ASSERT_EQ(service.shown.size(), 2u);
    EXPECT_EQ(service.shown[1].replaces, 0u) << "the reminder's stays";
    EXPECT_EQ(service.shown[0].hints.value("category").toString(), "x-zamanix.reminder");
    EXPECT_EQ(service.shown[1].hints.value("category").toString(), "x-zamanix.question");
    EXPECT_EQ(service.shown[1].hints.value("urgency").toInt(), 1);

    service.Press(43, "yes");
    roundTrip();
    EXPECT_EQ(questionAnswers, std::vector<CString>{"yes"});
    EXPECT_TRUE(reminderAnswers.empty());
    ShowDesktopNotification(
        "Has the new moon been seen?", "again", {{"yes", "Yes"}},
        [&](const CString &key) { questionAnswers.push_back(key); }, question);
    waitFor([&] { return service.shown.size() == 3; });
    roundTrip();
    CloseDesktopNotification(question);
    roundTrip();
    EXPECT_EQ(service.closed, std::vector<uint>{44u}) << "the question's alone";
    service.Press(42, "done");
    roundTrip();
    EXPECT_EQ(reminderAnswers, std::vector<CString>{"done"});
    CloseDesktopNotification();
}

// Only the service that showed the notification answers for it: the same
// signal sent by another program on the bus is not heard.
TEST(RealTimeDesktopNotification, AnotherProgramCannotPressItsButtons)
{
    if (!onPrivateBus())
        GTEST_SKIP() << kNoBus;
    CFakeNotificationService service;
    service.offersActions = true;
    ASSERT_TRUE(service.Serve());
    std::vector<CString> answers;
    ShowDesktopNotification("Zamanix Reminder", "memo", {{"done", "Done for today"}},
        [&](const CString &key) { answers.push_back(key); });
    waitFor([&] { return !service.shown.empty(); });
    roundTrip();
    QDBusConnection forger = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "forger");
    QDBusMessage press = QDBusMessage::createSignal(
        "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked");
    press << 42u << QString("done");
    forger.send(press);
    forger.call(QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus",
        "org.freedesktop.DBus", "GetId")); // the signal is out before this answer
    roundTrip();
    EXPECT_TRUE(answers.empty()) << "a press by another program";
    service.Press(42, "done");
    waitFor([&] { return !answers.empty(); });
    EXPECT_EQ(answers, std::vector<CString>{"done"}) << "the service's own press";
    QDBusConnection::disconnectFromBus("forger");
}

} // namespace

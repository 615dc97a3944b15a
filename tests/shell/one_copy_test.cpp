// One running copy per session, on a session bus of the tests' own
// (gui_test_main.cpp): the program runs here, and the built program is
// started beside it as a second copy. The tests wait in real time for the
// second copy and the bus.
#include "tests/form/form_fixture.h"
#include "tests/framework/fake_notification_service.h"
#include "tests/framework/private_bus.h"
#include "tests/reminders/temp_folder.h"

#include "framework/notification.h"
#include "reminders/reminder_entries.h"
#include "shell/one_copy.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <QUrl>

#include <csignal>
#include <fstream>

namespace {

const QString kAppId = QStringLiteral("org.zamanix.zamanix");
const char *const kNoBus = "no session bus of the tests' own: dbus-run-session (package "
                           "dbus-daemon) could not be run";

bool onPrivateBus()
{
    return qEnvironmentVariableIsSet("ZAMANIX_TEST_PRIVATE_BUS") &&
        qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS");
}

// Runs the event loop until `done` or 30 s have passed.
void waitFor(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

class OneCopyTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        if (!onPrivateBus())
            GTEST_SKIP() << kNoBus;
        std::filesystem::create_directories(m_dir / "second" / "runtime");
        std::filesystem::permissions(
            m_dir / "second" / "runtime", std::filesystem::perms::owner_all);
    }
    void TearDown() override
    {
        if (m_second.state() != QProcess::NotRunning) {
            m_second.kill();
            m_second.waitForFinished();
        }
        ProgramTest::TearDown();
    }

    // Starts the program here as main() does: keeping one copy.
    void StartTheFirst()
    {
        ASSERT_TRUE(StartWith({}, [this] { m_app->KeepOneCopy(); }));
    }

    // Starts the built program with a profile folder of its own, on this
    // bus.
    void StartTheSecond(const QStringList &args)
    {
        StartTheSecondOn(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), args);
    }
    // The same on the bus at `address`, or with none when it is empty.
    void StartTheSecondOn(const QString &address, const QStringList &args = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString((m_dir / "second").string()));
        environment.insert(
            "XDG_RUNTIME_DIR", QString::fromStdString((m_dir / "second" / "runtime").string()));
        if (address.isEmpty())
            environment.remove("DBUS_SESSION_BUS_ADDRESS");
        else
            environment.insert("DBUS_SESSION_BUS_ADDRESS", address);
        m_second.setProcessEnvironment(environment);
        m_second.start(QStringLiteral(ZAMANIX_BINARY_DIR "/zamanix"), args);
        ASSERT_TRUE(m_second.waitForStarted());
    }

    std::string SecondsProfile() const { return ReadBytes(m_dir / "second" / "zamanix.INI"); }

    QMainWindow *Window() const { return Frame()->GetMainWindow(); }

    QProcess m_second;
};

TEST_F(OneCopyTest, RealTimeASecondStartShowsTheFirstAndEndsWithStatus0)
{
    StartTheFirst();
    EXPECT_TRUE(QDBusConnection::sessionBus().interface()->isServiceRegistered(kAppId));
    Window()->showMinimized();
    QApplication::processEvents();
    ASSERT_TRUE(Window()->isMinimized());

    StartTheSecond({});
    waitFor([&] { return m_second.state() == QProcess::NotRunning; });
    QApplication::processEvents(); // the request, carried out from the loop
    EXPECT_EQ(m_second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_second.exitCode(), 0) << m_second.readAllStandardError().toStdString();
    EXPECT_TRUE(Window()->isVisible());
    EXPECT_FALSE(Window()->isMinimized()) << "restored";
    EXPECT_EQ(SecondsProfile(), "") << "the second copy wrote nothing";
}

TEST_F(OneCopyTest, RealTimeASecondStartWithAFileOpensItInTheFirst)
{
    StartTheFirst();
    const std::filesystem::path file = m_dir / "notes.zam";
    std::ofstream(file) << "x";
    // A name relative to the second copy's folder.
    m_second.setWorkingDirectory(QString::fromStdString(m_dir.string()));
    StartTheSecond({"notes.zam"});
    waitFor([&] { return m_second.state() == QProcess::NotRunning; });
    QApplication::processEvents();
    EXPECT_EQ(m_second.exitCode(), 0) << m_second.readAllStandardError().toStdString();
    EXPECT_EQ(Window()->windowTitle(), "notes.zam - Zamanix");
}

TEST_F(OneCopyTest, RealTimeWithoutASessionBusEveryStartRuns)
{
    StartTheFirst();
    StartTheSecondOn({});
    // A start that runs records its first check in its own profile.
    waitFor([&] {
        return m_second.state() == QProcess::NotRunning ||
            SecondsProfile().find(kLastCheckEntry) != std::string::npos;
    });
    EXPECT_EQ(m_second.state(), QProcess::Running) << m_second.readAllStandardError().toStdString();
    EXPECT_NE(SecondsProfile().find(kLastCheckEntry), std::string::npos);
}

// A bus that takes the connection and never answers (its daemon stopped,
// or a socket that says nothing) holds a start two seconds at most: the
// program says so and runs as a copy of its own.
TEST_F(OneCopyTest, RealTimeAStartGoesOnWhenTheBusDoesNotAnswer)
{
    CPrivateBus stopped;
    ASSERT_TRUE(stopped.Start(m_dir)) << "dbus-daemon (package dbus-daemon)";
    stopped.Stop();
    CSilentSocket silent;
    ASSERT_TRUE(silent.Listen((m_dir / "silent").string()));
    for (const QString &address : {stopped.Address(), silent.Address()}) {
        SCOPED_TRACE(address.toStdString());
        std::filesystem::remove(m_dir / "second" / "zamanix.INI");
        StartTheSecondOn(address);
        waitFor([&] {
            return m_second.state() == QProcess::NotRunning ||
                SecondsProfile().find(kLastCheckEntry) != std::string::npos;
        });
        EXPECT_NE(SecondsProfile().find(kLastCheckEntry), std::string::npos)
            << "the window is up and the alarm ticks";
        EXPECT_EQ(m_second.state(), QProcess::Running);
        m_second.kill();
        m_second.waitForFinished();
        const std::string said = m_second.readAllStandardError().toStdString();
        EXPECT_NE(said.find("zamanix: the session bus at " + address.toStdString() +
                      " does not answer within 2 seconds; going on without it"),
            std::string::npos)
            << said;
    }
}

// Neither the exit nor a notification waits for a bus that has stopped
// answering; what they asked of it is done once it answers again.
TEST_F(OneCopyTest, RealTimeAStoppedBusHoldsNeitherTheAlarmNorTheExit)
{
    StartTheFirst();
    CFakeNotificationService service;
    service.offersActions = true;
    ASSERT_TRUE(service.Serve());
    const uint bus = QDBusConnection::sessionBus()
                         .interface()
                         ->servicePid(QStringLiteral("org.freedesktop.DBus"))
                         .value();
    ASSERT_GT(bus, 0u);
    QElapsedTimer clock;
    clock.start();
    ::kill(static_cast<pid_t>(bus), SIGSTOP);
    ShowDesktopNotification(
        "Zamanix Reminder", "memo", {{"done", "Done for today"}}, [](const CString &) {});
    m_app.reset(); // the exit gives the name up
    const qint64 held = clock.elapsed();
    ::kill(static_cast<pid_t>(bus), SIGCONT);
    // A call that waited for the bus would take the library's 25 seconds.
    EXPECT_LT(held, 5000);
    waitFor([&] { return !service.shown.empty(); });
    EXPECT_EQ(service.shown.size(), 1u) << "shown once the bus answers";
    waitFor([&] {
        return !QDBusConnection::sessionBus().interface()->isServiceRegistered(kAppId).value();
    });
    EXPECT_FALSE(QDBusConnection::sessionBus().interface()->isServiceRegistered(kAppId).value());
}

// A burst of Open requests of a file that is not there leaves one message
// on the screen at a time, and two in all: the first, and one for all that
// came while it was open.
TEST_F(OneCopyTest, RealTimeABurstOfRequestsShowsOneMessageAtATime)
{
    StartTheFirst();
    SetMessageBoxResponder({}); // real message boxes, with their own loops
    const qsizetype windows = QApplication::topLevelWidgets().size();
    QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "burst");
    std::vector<QDBusPendingCall> calls;
    for (int i = 0; i < 1000; ++i) {
        QDBusMessage open = QDBusMessage::createMethodCall(
            kAppId, "/org/zamanix/zamanix", "org.freedesktop.Application", "Open");
        open << QStringList{QUrl::fromLocalFile(
                    QString::fromStdString((m_dir / ("missing-" + std::to_string(i))).string()))
                                .toString()}
             << QVariantMap();
        calls.push_back(other.asyncCall(open));
    }
    const auto answered = [&] {
        return std::all_of(
            calls.begin(), calls.end(), [](const QDBusPendingCall &c) { return c.isFinished(); });
    };
    // Counts the message boxes on the screen; once every request is in, it
    // answers each as it comes.
    int mostOpen = 0, shown = 0;
    QPointer<QWidget> last;
    QTimer watch;
    watch.callOnTimeout([&] {
        int open = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (qobject_cast<QMessageBox *>(window) && window->isVisible()) {
                ++open;
                shown += window != last.data();
                last = window;
            }
        mostOpen = std::max(mostOpen, open);
        if (open > 0 && answered())
            QApplication::activeModalWidget()->close();
    });
    watch.start(20);
    // A request that waits is carried out as soon as the box before it
    // closes: with none open, all are done.
    waitFor([&] { return answered() && shown > 0 && !QApplication::activeModalWidget(); });
    watch.stop();
    EXPECT_TRUE(answered());
    EXPECT_EQ(mostOpen, 1);
    EXPECT_GE(shown, 1);
    EXPECT_LE(shown, 2) << "the first, and one for all that came while it was open";
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windows) << "nothing left behind";
    for (const QDBusPendingCall &call : calls)
        EXPECT_FALSE(call.isError()) << call.error().message().toStdString();
    QDBusConnection::disconnectFromBus("burst");
}

TEST_F(OneCopyTest, RealTimeTheRunningCopyAnswersTheFreedesktopInterface)
{
    StartTheFirst();
    EXPECT_EQ(COneCopy::ObjectPath(kAppId), "/org/zamanix/zamanix");
    std::ofstream(m_dir / "x.zam") << "x";
    const QString file =
        QUrl::fromLocalFile(QString::fromStdString((m_dir / "x.zam").string())).toString();
    QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "other");
    const auto call = [&](const char *method, const QVariantList &arguments) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            kAppId, "/org/zamanix/zamanix", "org.freedesktop.Application", method);
        message.setArguments(arguments);
        return other.call(message, QDBus::BlockWithGui).type();
    };
    const struct {
        const char *name, *method;
        QVariantList arguments;
        QDBusMessage::MessageType answer;
    } cases[] = {
        {"Activate", "Activate", {QVariantMap()}, QDBusMessage::ReplyMessage},
        {"Open a file", "Open", {QStringList{file}, QVariantMap()}, QDBusMessage::ReplyMessage},
        {"Open what is no file", "Open", {QStringList{"https://example.org/x"}, QVariantMap()},
            QDBusMessage::ErrorMessage},
        {"an action, of which there are none", "ActivateAction",
            {QString("anything"), QVariantList(), QVariantMap()}, QDBusMessage::ErrorMessage},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(call(c.method, c.arguments), c.answer);
    }
    QDBusConnection::disconnectFromBus("other");
}

// The session bus starts the program when a desktop asks for its id: a bus
// of the test's own whose only service file is the one built from the
// installed one, naming the built program.
TEST(DBusActivation, RealTimeTheBusStartsTheProgramThroughItsServiceFile)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
        ("zamanix-activation-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "runtime");
    std::filesystem::permissions(dir / "runtime", std::filesystem::perms::owner_all);
    CPrivateBus daemon;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // What the bus hands on to the program it starts.
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(dir.string()));
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString((dir / "runtime").string()));
    ASSERT_TRUE(daemon.Start(dir, ZAMANIX_TEST_SERVICE_DIR, environment))
        << "dbus-daemon (package dbus-daemon) could not be run";
    const QString address = daemon.Address();
    QDBusConnection bus = QDBusConnection::connectToBus(address, "activation");
    ASSERT_TRUE(bus.isConnected()) << address.toStdString();

    QDBusMessage activate = QDBusMessage::createMethodCall(
        kAppId, "/org/zamanix/zamanix", "org.freedesktop.Application", "Activate");
    activate << QVariantMap();
    const QDBusMessage reply = bus.call(activate, QDBus::Block, 60000);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    const QDBusReply<uint> pid = bus.interface()->servicePid(kAppId);
    ASSERT_TRUE(pid.isValid());
    EXPECT_EQ(std::filesystem::read_symlink("/proc/" + std::to_string(pid.value()) + "/exe"),
        std::filesystem::path(ZAMANIX_BINARY_DIR "/zamanix"));
    // It started as every start does: the window, then the first record.
    const auto recorded = [&] {
        return ReadBytes(dir / "zamanix.INI").find(kLastCheckEntry) != std::string::npos;
    };
    waitFor(recorded);
    EXPECT_TRUE(recorded());

    ::kill(static_cast<pid_t>(pid.value()), SIGTERM);
    QDBusConnection::disconnectFromBus("activation");
    std::filesystem::remove_all(dir);
}

} // namespace

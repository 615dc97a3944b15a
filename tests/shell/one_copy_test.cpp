// One running copy per session, on a session bus of the tests' own
// (gui_test_main.cpp): the program runs here, and the built program is
// started beside it as a second copy. The tests wait in real time for the
// second copy and the bus.
#include "tests/form/form_fixture.h"
#include "tests/reminders/temp_folder.h"

#include "reminders/reminder_entries.h"
#include "shell/one_copy.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
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
    // bus unless `withBus` is false.
    void StartTheSecond(const QStringList &args, bool withBus = true)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString((m_dir / "second").string()));
        environment.insert(
            "XDG_RUNTIME_DIR", QString::fromStdString((m_dir / "second" / "runtime").string()));
        if (!withBus)
            environment.remove("DBUS_SESSION_BUS_ADDRESS");
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
    StartTheSecond({}, false);
    // A start that runs records its first check in its own profile.
    waitFor([&] {
        return m_second.state() == QProcess::NotRunning ||
            SecondsProfile().find(kLastCheckEntry) != std::string::npos;
    });
    EXPECT_EQ(m_second.state(), QProcess::Running) << m_second.readAllStandardError().toStdString();
    EXPECT_NE(SecondsProfile().find(kLastCheckEntry), std::string::npos);
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
    std::ofstream(dir / "bus.conf")
        << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
           " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
           "<busconfig><type>session</type><listen>unix:tmpdir=" +
            dir.string() +
            "</listen><servicedir>" ZAMANIX_TEST_SERVICE_DIR
            "</servicedir><policy context=\"default\">"
            "<allow send_destination=\"*\" eavesdrop=\"true\"/>"
            "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n";
    QProcess daemon;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // What the bus hands on to the program it starts.
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(dir.string()));
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString((dir / "runtime").string()));
    daemon.setProcessEnvironment(environment);
    daemon.start("dbus-daemon",
        {"--nofork", "--print-address", "--config-file",
            QString::fromStdString((dir / "bus.conf").string())});
    if (!daemon.waitForStarted())
        GTEST_SKIP() << "dbus-daemon (package dbus-daemon) could not be run";
    while (!daemon.canReadLine() && daemon.waitForReadyRead(10000)) { }
    ASSERT_TRUE(daemon.canReadLine()) << "the bus says where it listens";
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
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
    // It started as every start does: the window, the first record.
    EXPECT_NE(ReadBytes(dir / "zamanix.INI").find(kLastCheckEntry), std::string::npos);

    ::kill(static_cast<pid_t>(pid.value()), SIGTERM);
    QDBusConnection::disconnectFromBus("activation");
    daemon.terminate();
    daemon.waitForFinished();
    std::filesystem::remove_all(dir);
}

} // namespace

// The session bus asked with a deadline at start: a bus of the test's own,
// working and stopped, a socket that never answers, and addresses of every
// form a session bus is named by.
#include "framework/session_bus.h"

#include "tests/framework/private_bus.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <optional>

#include <unistd.h>

namespace {

// Where sockets of the test live, for the length of the test.
class CSocketFolder {
public:
    CSocketFolder()
    {
        char pattern[] = "/tmp/zamanix-bus-XXXXXX";
        m_path = ::mkdtemp(pattern);
    }
    ~CSocketFolder() { std::filesystem::remove_all(m_path); }
    const std::filesystem::path &Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

TEST(SessionBus, AskedWithADeadline)
{
    CSocketFolder folder;
    CPrivateBus working, stopped;
    std::filesystem::create_directories(folder.Path() / "working");
    std::filesystem::create_directories(folder.Path() / "stopped");
    ASSERT_TRUE(working.Start(folder.Path() / "working")) << "dbus-daemon (package dbus-daemon)";
    ASSERT_TRUE(stopped.Start(folder.Path() / "stopped"));
    stopped.Stop();
    CSilentSocket silent, silentAbstract;
    ASSERT_TRUE(silent.Listen((folder.Path() / "silent socket").string()));
    const std::string abstractName = "zamanix-test-" + std::to_string(::getpid());
    ASSERT_TRUE(silentAbstract.Listen(abstractName, true));
    const std::string missing = "unix:path=" + (folder.Path() / "nothing").string();
    const struct {
        const char *name;
        std::string address;
        BusAnswer answer;
    } cases[] = {
        {"a bus at work", working.Address().toStdString(), BusAnswer::Answered},
        {"a bus whose daemon is stopped", stopped.Address().toStdString(), BusAnswer::Silent},
        {"a socket that takes connections and says nothing", silent.Address().toStdString(),
            BusAnswer::Silent},
        {"its path escaped as addresses escape it",
            "unix:path=" + (folder.Path() / "silent%20socket").string(), BusAnswer::Silent},
        {"a silent socket in the abstract namespace", silentAbstract.Address().toStdString(),
            BusAnswer::Silent},
        {"nothing there", missing, BusAnswer::Unreachable},
        {"nothing there, then a bus at work", missing + ";" + working.Address().toStdString(),
            BusAnswer::Answered},
        {"a stopped bus before one at work",
            stopped.Address().toStdString() + ";" + working.Address().toStdString(),
            BusAnswer::Silent},
        {"another transport", "tcp:host=localhost,port=1", BusAnswer::NotAsked},
        {"a form only servers listen on", "unix:tmpdir=/tmp", BusAnswer::NotAsked},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(AskSessionBus(c.address, std::chrono::milliseconds(500)), c.answer);
        // A deadline, not a speed: the D-Bus library itself waits for ever.
        EXPECT_LT(clock.elapsed(), 5000);
    }
}

TEST(SessionBus, GuardedAtStart)
{
    CSocketFolder folder;
    CPrivateBus working;
    std::filesystem::create_directories(folder.Path() / "working");
    ASSERT_TRUE(working.Start(folder.Path() / "working")) << "dbus-daemon (package dbus-daemon)";
    CSilentSocket silent;
    ASSERT_TRUE(silent.Listen((folder.Path() / "silent").string()));
    const struct {
        const char *name;
        std::optional<std::string> address; // none: unset
        bool usable;
        std::string after;
    } cases[] = {
        {"a bus at work", working.Address().toStdString(), true, working.Address().toStdString()},
        {"a silent bus", silent.Address().toStdString(), false, kNoSessionBus},
        // Never a bus of the library's own for the display.
        {"no address", std::nullopt, false, kNoSessionBus},
        {"an empty address", std::string(), false, kNoSessionBus},
    };
    const std::optional<std::string> kept = std::getenv("DBUS_SESSION_BUS_ADDRESS")
        ? std::optional<std::string>(std::getenv("DBUS_SESSION_BUS_ADDRESS"))
        : std::nullopt;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (c.address)
            ::setenv("DBUS_SESSION_BUS_ADDRESS", c.address->c_str(), 1);
        else
            ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
        EXPECT_EQ(GuardSessionBus("zamanix", std::chrono::milliseconds(500)), c.usable);
        const char *after = std::getenv("DBUS_SESSION_BUS_ADDRESS");
        EXPECT_EQ(after ? std::string(after) : std::string("(unset)"), c.after);
    }
    if (kept)
        ::setenv("DBUS_SESSION_BUS_ADDRESS", kept->c_str(), 1);
    else
        ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
}

} // namespace

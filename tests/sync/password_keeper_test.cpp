// The calendar server's password: in a real keyring (a GNOME keyring on a
// session bus of the test's own, tests/sync/with_keyring.sh), where
// zamanix-reminders publish finds it, and for the session only where no
// keyring answers (no session bus).
#include "sync/password_keeper.h"
#include "sync/qt_application.h"
#include "sync/server_password.h"
#include "tests/cli/program_run.h"
#include "tests/sync/radicale_process.h"

#include <QEventLoop>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const QString kUrl = QStringLiteral("https://dav.example.org/anna/zamanix/");
const QString kUser = QStringLiteral("anna");

struct Stored {
    bool inKeyring = false;
    QString problem;
};
struct Read {
    bool found = false;
    QString password;
    bool sessionOnly = false;
};

class PasswordKeeperTest : public testing::Test {
protected:
    static void SetUpTestSuite() { s_application = MakeApplicationIfNone(); }
    static void TearDownTestSuite() { s_application.reset(); }

    Stored Store(const QString &password, const QString &url = kUrl)
    {
        Stored stored;
        QEventLoop loop;
        const auto c = QObject::connect(&m_keeper, &CServerPasswordKeeper::PasswordStored,
            [&](bool inKeyring, const QString &problem) {
                stored = {inKeyring, problem};
                loop.quit();
            });
        m_keeper.Store(url, kUser, password);
        loop.exec();
        QObject::disconnect(c);
        return stored;
    }

    Read ReadBack()
    {
        Read read;
        QEventLoop loop;
        const auto c = QObject::connect(&m_keeper, &CServerPasswordKeeper::PasswordRead,
            [&](bool found, const QString &password, bool sessionOnly) {
                read = {found, password, sessionOnly};
                loop.quit();
            });
        m_keeper.Read(kUrl, kUser);
        loop.exec();
        QObject::disconnect(c);
        return read;
    }

    static std::unique_ptr<QCoreApplication> s_application;
    CServerPasswordKeeper m_keeper;
};

std::unique_ptr<QCoreApplication> PasswordKeeperTest::s_application;

TEST_F(PasswordKeeperTest, KeyringKeepsItAndPublishFindsIt)
{
    ASSERT_NE(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr);
    const Stored stored = Store(QStringLiteral("secret"));
    EXPECT_TRUE(stored.inKeyring) << stored.problem.toStdString();
    const Read read = ReadBack();
    EXPECT_TRUE(read.found);
    EXPECT_EQ(read.password, QStringLiteral("secret"));
    EXPECT_FALSE(read.sessionOnly);
    const KeyringPassword kept = ReadKeyringPassword(kUrl.toStdString(), "anna");
    EXPECT_EQ(kept.answer, KeyringPassword::Found);
    EXPECT_EQ(kept.password, "secret");

    // zamanix-reminders publish takes it from the keyring.
    CTempFolder folder;
    std::filesystem::create_directories(folder / "server");
    CRadicaleProcess server((folder / "server").string());
    const std::string url = server.Url("anna/zamanix/");
    ASSERT_TRUE(Store(QStringLiteral("secret"), QString::fromStdString(url)).inKeyring);
    WriteBytes(folder / "zamanix.INI",
        "[Reminder]\nMarch/06=Dentist\n[CalendarServer]\nURL=" + url + "\nUser=anna\n");
    const ProgramOutcome run = RunProgram({ZAMANIX_BINARY_DIR "/zamanix-reminders", "--profile",
                                              (folder / "zamanix.INI").string(), "publish"},
        {"TZ=UTC",
            std::string("DBUS_SESSION_BUS_ADDRESS=") + std::getenv("DBUS_SESSION_BUS_ADDRESS"),
            std::string("XDG_RUNTIME_DIR=") + std::getenv("XDG_RUNTIME_DIR"),
            std::string("HOME=") + std::getenv("HOME")},
        folder.Path());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find("published to " + url + ": calendar created; "), 0u) << run.out;

    m_keeper.Forget(kUrl, kUser);
    EXPECT_EQ(ReadKeyringPassword(kUrl.toStdString(), "anna").answer, KeyringPassword::NotFound);
}

TEST_F(PasswordKeeperTest, WithoutAKeyringItIsKeptForTheSessionAndSaysSo)
{
    const Stored stored = Store(QStringLiteral("secret"));
    EXPECT_FALSE(stored.inKeyring);
    EXPECT_FALSE(stored.problem.isEmpty());
    const Read read = ReadBack();
    EXPECT_TRUE(read.found);
    EXPECT_EQ(read.password, QStringLiteral("secret"));
    EXPECT_TRUE(read.sessionOnly);
    EXPECT_EQ(ReadKeyringPassword(kUrl.toStdString(), "anna").answer, KeyringPassword::NoKeyring);
    m_keeper.Forget(kUrl, kUser);
    EXPECT_FALSE(ReadBack().found);
}

} // namespace

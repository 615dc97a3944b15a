// The crescent question answered from its desktop notification: a
// notification service of the test's own on a session bus of the tests'
// own shows its three buttons and presses one, which answers the question
// as the window's button does. The test waits in real time for the bus.
#include "tests/form/alarm_fixture.h"
#include "tests/framework/fake_notification_service.h"

#include "reminders/reminder_entries.h"

#include <QDialog>
#include <QTest>

namespace {

class CrescentNotificationTest : public AlarmClockTest {
protected:
    void SetUp() override
    {
        AlarmClockTest::SetUp();
        if (!qEnvironmentVariableIsSet("ZAMANIX_TEST_PRIVATE_BUS") ||
            !qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
            GTEST_SKIP() << "no session bus of the tests' own: dbus-run-session (package "
                            "dbus-daemon) could not be run";
        SetNotifier({}); // the session bus
        // Thursday 19 March 2026 is 29 Ramadhan 1447 by the new moons.
        m_now = At(2026, 3, 19, 17, 59);
        Store("Defaults", "AskNewMoon", "ON");
    }
};

TEST_F(CrescentNotificationTest, RealTimeItsButtonsAnswerAsTheWindowsDo)
{
    const struct {
        const char *name;
        QString press;
        std::optional<std::string> recorded;
    } cases[] = {
        {"yes", "seen", "2026-03-20"},
        {"no", "not-seen", "2026-03-21"},
        {"not yet", "not-yet", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m_profile);
        Store("Defaults", "AskNewMoon", "ON");
        m_now = At(2026, 3, 19, 17, 59);
        CFakeNotificationService service;
        service.offersActions = true;
        service.press = c.press;
        ASSERT_TRUE(service.Serve());
        Start();
        Tick();
        ASSERT_NE(View()->CrescentPrompt().Window(), nullptr);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !View()->CrescentPrompt().Window(); }, 10000));
        ASSERT_EQ(service.shown.size(), 1u);
        EXPECT_EQ(service.shown[0].summary, "Has the new moon of Shawwal 1447 been seen?");
        EXPECT_EQ(service.shown[0].actions,
            (QStringList{"seen", "Yes: Shawwal begins tomorrow", "not-seen",
                "No: Ramadhan has 30 days", "not-yet", "Not yet"}));
        EXPECT_EQ(service.shown[0].hints.value("category").toString(), "x-zamanix.crescent");
        EXPECT_EQ(FindProfileEntry(m_profile, kHijriMonthStartsSection, "1447/10"), c.recorded);
        m_app.reset();
    }
}

} // namespace

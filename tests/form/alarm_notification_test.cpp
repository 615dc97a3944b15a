// The reminder prompt answered from its desktop notification: a
// notification service of the test's own on a session bus of the tests'
// own presses "Remind me again" or "Done for today", which close the prompt
// and do what Yes and No in it do. The tests wait in real time for the bus.
#include "tests/form/alarm_fixture.h"
#include "tests/framework/fake_notification_service.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const char *const kNoBus = "no session bus of the tests' own: dbus-run-session (package "
                           "dbus-daemon) could not be run";

class AlarmNotificationTest : public AlarmClockTest {
protected:
    void SetUp() override
    {
        AlarmClockTest::SetUp();
        if (!qEnvironmentVariableIsSet("ZAMANIX_TEST_PRIVATE_BUS") ||
            !qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
            GTEST_SKIP() << kNoBus;
        SetNotifier({}); // the session bus
        SetMessageBoxResponder({}); // real boxes
        m_giveUp.setSingleShot(true);
        m_giveUp.callOnTimeout([this] {
            if (QWidget *prompt = QApplication::activeModalWidget()) {
                m_bGaveUp = true;
                prompt->close();
            }
        });
    }

    // Presses the prompt's button once it is open and `ready`.
    static void PressWhenOpen(
        const QString &text, std::function<bool()> ready = [] { return true; }, int tries = 2000)
    {
        QTimer::singleShot(10, [text, ready, tries] {
            QWidget *prompt = QApplication::activeModalWidget();
            if (prompt && ready()) {
                for (QAbstractButton *button : prompt->findChildren<QAbstractButton *>())
                    if (button->text() == text)
                        button->click();
            } else if (tries > 0)
                PressWhenOpen(text, ready, tries - 1);
        });
    }

    // Closes a prompt that nothing answered within 20 s, so that the test
    // fails instead of hanging.
    void GiveUpOnThePrompt()
    {
        m_bGaveUp = false;
        m_giveUp.start(20000);
    }

    QTimer m_giveUp;
    bool m_bGaveUp = false;
};

TEST_F(AlarmNotificationTest, RealTimeItsButtonsDoWhatYesAndNoInThePromptDo)
{
    const struct {
        const char *name;
        QString press; // in the notification
        QString click; // in the prompt
        bool silenced;
    } cases[] = {
        {"Yes in the prompt", "", "&Yes", false},
        {"Remind me again in the notification", "later", "", false},
        {"No in the prompt", "", "&No", true},
        {"Done for today in the notification", "done", "", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CFakeNotificationService service;
        service.offersActions = true;
        service.press = c.press;
        ASSERT_TRUE(service.Serve());
        std::filesystem::remove(m_profile);
        Store("Reminder", "March/06", "Call home");
        Store("Alarm", "March/06", "07:00 5");
        m_now = At(1998, 3, 6, 7, 0);
        Start();
        if (!c.click.isEmpty())
            PressWhenOpen(c.click, [&] { return !service.shown.empty(); });
        GiveUpOnThePrompt();
        Tick(); // returns once the prompt is answered
        EXPECT_FALSE(m_bGaveUp) << "the prompt was answered";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        ASSERT_EQ(service.shown.size(), 1u);
        EXPECT_EQ(service.shown[0].actions,
            (QStringList{"later", "Remind me again in 5 minutes", "done", "Done for today"}));
        EXPECT_EQ(View()->m_strDoneKey, c.silenced ? "March/06" : "");
        if (c.press.isEmpty()) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !service.closed.empty(); }, 10000));
            EXPECT_EQ(service.closed, std::vector<uint>{42u}) << "the answer withdraws it";
        }
        // Again after the interval, unless silenced.
        SetMessageBoxResponder([this](const CString &text, UINT style) {
            m_boxes.push_back({text, style});
            return IDYES;
        });
        SetNotifier([](const CString &, const CString &) {});
        EXPECT_EQ(TicksToPrompt(10), c.silenced ? -1 : 5);
        SetMessageBoxResponder({});
        SetNotifier({});
        m_app.reset();
    }
}

TEST_F(AlarmNotificationTest, RealTimeAServiceWithoutButtonsGetsNone)
{
    CFakeNotificationService service;
    ASSERT_TRUE(service.Serve());
    Store("Reminder", "March/06", "Call home");
    Store("Alarm", "March/06", "07:00 5");
    Start();
    PressWhenOpen("&Yes", [&] { return !service.shown.empty(); });
    GiveUpOnThePrompt();
    Tick();
    EXPECT_FALSE(m_bGaveUp);
    ASSERT_EQ(service.shown.size(), 1u);
    EXPECT_EQ(service.shown[0].actions, QStringList());
}

} // namespace

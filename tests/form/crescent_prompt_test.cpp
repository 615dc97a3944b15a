// The crescent question on a fixed clock: asked at its time on the 29th of
// a Hijri month in a window of its own and a notification; "Yes" records the
// next month's start, "No" the 30-day month, "Not yet" asks again an hour
// later; a time missed while the program did not run asks nothing, and a
// reminder's prompt at the same minute is answered on its own.
#include "tests/form/alarm_fixture.h"

#include "reminders/reminder_entries.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace {

class CrescentPromptTest : public AlarmClockTest {
protected:
    void SetUp() override
    {
        AlarmClockTest::SetUp();
        // Thursday 19 March 2026 is 29 Ramadhan 1447 by the new moons.
        m_now = At(2026, 3, 19, 17, 58);
        Store("Defaults", "AskNewMoon", "ON");
    }

    QDialog *Question() const { return View()->CrescentPrompt().Window(); }
    // The question's button that says `text`.
    QPushButton *Button(const QString &text) const
    {
        for (QPushButton *button : Question()->findChildren<QPushButton *>())
            if (button->text() == text)
                return button;
        return nullptr;
    }
    // Ticks until the clock shows hour:minute; the times a question opened.
    std::vector<std::string> TicksUntil(int hour, int minute)
    {
        std::vector<std::string> asked;
        while (m_now < At(2026, 3, 19, hour, minute)) {
            const bool open = Question() != nullptr;
            Tick();
            if (!open && Question())
                asked.push_back(CTime(m_now).Format("%H:%M"));
        }
        return asked;
    }
    std::optional<std::string> Recorded() const
    {
        return FindProfileEntry(m_profile, kHijriMonthStartsSection, "1447/10");
    }
};

TEST_F(CrescentPromptTest, AskedAtSixOnThe29thAndAnsweredByKeyboard)
{
    const struct {
        const char *name;
        QString button;
        int key;
        std::optional<std::string> recorded;
        std::vector<std::string> askedAgain;
    } cases[] = {
        {"yes records tomorrow", "Yes: Shawwal begins tomorrow", Qt::Key_Space, "2026-03-20", {}},
        {"no records the day after the 30th", "No: Ramadhan has 30 days", Qt::Key_Space,
            "2026-03-21", {}},
        {"not yet asks again an hour later", "Not yet", Qt::Key_Space, std::nullopt, {"19:00"}},
        {"escape is not yet", "", Qt::Key_Escape, std::nullopt, {"19:00"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m_profile);
        Store("Defaults", "AskNewMoon", "ON");
        m_now = At(2026, 3, 19, 17, 58);
        m_notices.clear();
        Start();
        EXPECT_EQ(TicksUntil(18, 0), std::vector<std::string>{"18:00"});
        ASSERT_NE(Question(), nullptr);
        EXPECT_TRUE(Question()->isVisible());
        EXPECT_FALSE(Question()->isModal());
        const QString asked = Question()->findChild<QLabel *>()->text();
        EXPECT_TRUE(asked.startsWith("Has the new moon of Shawwal 1447 been seen?\n"))
            << asked.toStdString();
        ASSERT_EQ(m_notices.size(), 1u);
        EXPECT_EQ(m_notices[0].rfind("Has the new moon of Shawwal 1447 been seen?: Today is 29 "
                                     "Ramadhan 1447",
                      0),
            0u)
            << m_notices[0];
        for (const char *answer :
            {"Yes: Shawwal begins tomorrow", "No: Ramadhan has 30 days", "Not yet"})
            EXPECT_NE(Button(answer), nullptr) << answer;
        EXPECT_EQ(Question()->focusWidget(), Button("Not yet")) << "Enter alone records nothing";

        QTest::keyClick(c.button.isEmpty() ? static_cast<QWidget *>(Question()) : Button(c.button),
            static_cast<Qt::Key>(c.key));
        EXPECT_EQ(Question(), nullptr);
        EXPECT_EQ(m_notices.back(), "closed");
        EXPECT_EQ(Recorded(), c.recorded);
        EXPECT_EQ(TicksUntil(20, 30), c.askedAgain);
        EXPECT_TRUE(m_boxes.empty());
        if (Question())
            View()->CrescentPrompt().Answer(CrescentAnswer::NotYet);
        m_app.reset();
    }
}

TEST_F(CrescentPromptTest, NothingIsAskedForATimeMissedOrWhenTheOptionIsOff)
{
    const struct {
        const char *name;
        std::int64_t start;
        const char *ask;
    } cases[] = {
        {"started after six", At(2026, 3, 19, 18, 30), "ON"},
        {"the option off", At(2026, 3, 19, 17, 58), "OFF"},
        {"the 28th", At(2026, 3, 18, 17, 58), "ON"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Store("Defaults", "AskNewMoon", c.ask);
        m_now = c.start;
        Start();
        for (int i = 0; i < 6 * 60; ++i)
            Tick();
        EXPECT_EQ(Question(), nullptr);
        EXPECT_TRUE(m_notices.empty());
        m_app.reset();
    }
}

// A reminder that falls due at the same minute opens its prompt too; the
// two notifications are the reminder's and the question's, and the
// question waits for its answer after the prompt's.
TEST_F(CrescentPromptTest, AReminderDueAtTheSameMinuteIsAnsweredOnItsOwn)
{
    Store("Reminder", "Ramadhan/29", "Break the fast");
    Store("Alarm", "Ramadhan/29", "18:00 5");
    m_now = At(2026, 3, 19, 17, 59);
    m_answer = IDNO;
    Start();
    m_boxes.clear();
    Tick();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_NE(m_boxes[0].text.find("Break the fast"), std::string::npos);
    ASSERT_NE(Question(), nullptr) << "the question stays open after the reminder's No";
    EXPECT_EQ(m_notices.size(), 3u) << "the reminder's, the question's, and the reminder's closed";
    QTest::keyClick(Button("Yes: Shawwal begins tomorrow"), Qt::Key_Space);
    EXPECT_EQ(Recorded(), "2026-03-20");
    EXPECT_EQ(View()->m_strDoneKey, "March/19");
}

TEST_F(CrescentPromptTest, ARecordThatCannotBeWrittenIsTold)
{
    Start();
    TicksUntil(18, 0);
    ASSERT_NE(Question(), nullptr);
    m_app->m_pszProfileName.clear(); // no profile: nothing can be written
    QTest::keyClick(Button("Yes: Shawwal begins tomorrow"), Qt::Key_Space);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text.rfind("The start of Shawwal 1447 could not be recorded.\n\n", 0), 0u)
        << m_boxes[0].text;
}

} // namespace

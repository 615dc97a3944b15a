// The reminder prompt as a user meets it: a real modal box, answered with
// the keyboard or the close box, that stays within the screen whatever the
// memo, while the minute timer goes on ticking.
#include "tests/form/alarm_fixture.h"

#include "resources/resource.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

class AlarmPromptTest : public AlarmClockTest {
protected:
    void SetUp() override
    {
        AlarmClockTest::SetUp();
        SetMessageBoxResponder({}); // real boxes
    }

    // Calls `answer` with the prompt once it is open (it opens after the
    // tick that raised it).
    static void AnswerWhenOpen(std::function<void(QWidget *prompt)> answer, int tries = 100)
    {
        QTimer::singleShot(0, [answer = std::move(answer), tries]() mutable {
            if (QWidget *prompt = QApplication::activeModalWidget())
                answer(prompt);
            else if (tries > 0)
                AnswerWhenOpen(std::move(answer), tries - 1);
        });
    }

    // The whole prompt in view, its memo part scrolling, the memo's `last`
    // text in it.
    static void ExpectWithinTheScreen(QWidget *prompt, const QString &last)
    {
        const QRect screen = prompt->screen()->availableGeometry();
        EXPECT_TRUE(screen.contains(prompt->frameGeometry()))
            << prompt->frameGeometry().height() << " px tall";
        for (const char *text : {"&Yes", "&No"}) {
            QAbstractButton *button = Button(prompt, QString::fromUtf8(text));
            ASSERT_NE(button, nullptr) << text;
            EXPECT_TRUE(
                prompt->rect().contains(QRect(button->mapTo(prompt, QPoint(0, 0)), button->size())))
                << text << " is in view";
        }
        const auto *memo = prompt->findChild<QPlainTextEdit *>();
        ASSERT_NE(memo, nullptr);
        EXPECT_GT(memo->verticalScrollBar()->maximum(), 0) << "the memo part scrolls";
        EXPECT_TRUE(memo->toPlainText().trimmed().endsWith(last));
    }

    static QAbstractButton *Button(QWidget *prompt, const QString &text)
    {
        for (QAbstractButton *button : prompt->findChildren<QAbstractButton *>())
            if (button->text() == text)
                return button;
        return nullptr;
    }
};

TEST_F(AlarmPromptTest, OnlyNoSilencesTheDayEscapeAndTheCloseBoxMeanNotNow)
{
    const struct {
        const char *name;
        void (*answer)(QWidget *prompt);
        bool silenced;
    } cases[] = {
        {"Escape", [](QWidget *prompt) { QTest::keyClick(prompt, Qt::Key_Escape); }, false},
        {"close box", [](QWidget *prompt) { prompt->close(); }, false},
        {"Enter", [](QWidget *prompt) { QTest::keyClick(prompt, Qt::Key_Return); }, false},
        {"Y", [](QWidget *prompt) { QTest::keyClick(prompt, Qt::Key_Y); }, false},
        {"N", [](QWidget *prompt) { QTest::keyClick(prompt, Qt::Key_N); }, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m_profile);
        Store("Reminder", "March/06", "Call home");
        Store("Alarm", "March/06", "07:00 5");
        m_now = At(1998, 3, 6, 7, 0);
        Start();
        bool answered = false;
        AnswerWhenOpen([&](QWidget *prompt) {
            answered = true;
            c.answer(prompt);
        });
        Tick();
        ASSERT_TRUE(answered);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(View()->m_strDoneKey, c.silenced ? "March/06" : "");
        SetMessageBoxResponder([this](const CString &text, UINT style) {
            m_boxes.push_back({text, style});
            return IDYES;
        });
        EXPECT_EQ(TicksToPrompt(10), c.silenced ? -1 : 5) << "again after the interval";
        SetMessageBoxResponder({});
        m_app.reset();
    }
}

// A screen reader reads the prompt's description as it opens: the memos are
// in it, not only in the box that holds them.
TEST_F(AlarmPromptTest, TheDescriptionAScreenReaderReadsHoldsTheMemos)
{
    Store("Reminder", "March/06", "Call home\nand the bank");
    Store("Alarm", "March/06", "07:00 5");
    Store("Reminder", "Thul Qi'dah/7", "Fast");
    m_now = At(1998, 3, 6, 9, 0);
    Start();
    QString description;
    AnswerWhenOpen([&](QWidget *prompt) {
        description = QAccessible::queryAccessibleInterface(prompt)->text(QAccessible::Description);
        QTest::keyClick(prompt, Qt::Key_Escape);
    });
    Tick();
    EXPECT_EQ(description,
        "Zamanix Reminder:\nFast\nCall home\nand the bank\nDo you want me to remind you again "
        "in 5 minutes?");
}

TEST_F(AlarmPromptTest, ALongMemoKeepsThePromptWithinTheScreen)
{
    std::string lines;
    for (int i = 1; i <= 200; ++i)
        lines += Format("Line %03d of a memo of ten thousand bytes ........\n", i);
    const struct {
        const char *name;
        std::string memo;
        const char *last; // the last text the memo part holds
    } cases[] = {
        {"10 KB in 200 lines", lines, "Line 200 of a memo of ten thousand bytes ........"},
        {"an unbroken line of 20 KB", std::string(20'000, 'x'), "too long to show whole.]"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m_profile);
        Store("Reminder", "March/06", c.memo);
        m_now = At(1998, 3, 6, 8, 59);
        Start();
        bool answered = false;
        AnswerWhenOpen([&](QWidget *prompt) {
            answered = true;
            ExpectWithinTheScreen(prompt, QString::fromUtf8(c.last));
            prompt->close();
        });
        Tick();
        EXPECT_TRUE(answered);
        m_app.reset();
    }
}

// The view's timer ticks every 20 ms of real time; the test's clock crosses
// midnight while the prompt is open.
TEST_F(AlarmPromptTest, TodaysLineFollowsTheClockWhileThePromptIsOpenRealTimer)
{
    Store("Reminder", "March/06", "Late");
    m_now = At(1998, 3, 6, 23, 59);
    Start();
    QLabel *today = Control<QLabel>(IDC_DATENOW);
    int prompts = 0; // prompts seen open at once, at most
    bool refreshedWhileOpen = false;
    QEventLoop loop;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget *prompt = QApplication::activeModalWidget();
        int open = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            open += window->isVisible() && qobject_cast<QDialog *>(window) ? 1 : 0;
        prompts = std::max(prompts, open);
        if (prompt && m_now < At(1998, 3, 7, 0, 0)) {
            m_now = At(1998, 3, 7, 0, 1);
        } else if (prompt && today->text().startsWith(QStringLiteral("Saturday March 07"))) {
            refreshedWhileOpen = true;
            QTest::mouseClick(Button(prompt, QStringLiteral("&Yes")), Qt::LeftButton);
        } else if (!prompt && refreshedWhileOpen) {
            loop.quit();
        }
    });
    QTimer::singleShot(10'000, &loop, [&] {
        if (QWidget *prompt = QApplication::activeModalWidget())
            prompt->close();
        loop.quit();
    });
    watch.start(10);
    View()->SetTimer(1, 20);
    loop.exec();
    watch.stop();
    EXPECT_TRUE(refreshedWhileOpen) << today->text().toStdString();
    EXPECT_EQ(prompts, 1) << "no second prompt over the first";
}

} // namespace

// Missed reminders as the user meets them, with a clock of the test's own:
// a start after days away and a suspend between two ticks list the days'
// reminders once in the Missed Reminders window; the first start lists
// nothing; the record of the last check follows the program.
#include "tests/form/alarm_fixture.h"

#include "reminders/reminder_entries.h"
#include "resources/resource.h"
#include "shell/main_frame.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>
#include <QWindow>

#include <fstream>

namespace {

class MissedRemindersTest : public AlarmClockTest {
protected:
    void Record(std::int64_t seconds) { Store("Defaults", "LastCheck", std::to_string(seconds)); }
    std::string Recorded() const
    {
        return ReadProfileEntry(m_profile, "Defaults", std::string(kLastCheckEntry), "none");
    }
    static std::string Seconds(std::int64_t seconds) { return std::to_string(seconds); }

    CMissedRemindersWindow *Missed() const
    {
        return static_cast<CMainFrame *>(Frame())->GetMissedRemindersWindow();
    }
    // Each row as "date | Hijri date | alarm | memo"; none without a window.
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        if (!Missed())
            return rows;
        const CMissedReminderModel &model = Missed()->Model();
        for (int row = 0; row < model.rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model.columnCount(); ++column)
                cells << model.index(row, column).data().toString();
            rows.push_back(cells.join(QStringLiteral(" | ")).toStdString());
        }
        return rows;
    }

    // FormText, and the month list's choice.
    QString Text(int id) const
    {
        auto *list = Control<QComboBox>(id);
        return list ? list->currentText() : FormText(id);
    }
};

// The program starts on Friday 6 March 1998 (7 Thul Qi'dah 1418) at 07:00.

TEST_F(MissedRemindersTest, AStartAfterThreeDaysAwayListsThoseDaysInBothCalendars)
{
    Record(At(1998, 3, 3, 12, 0)); // last checked on Tuesday at noon
    const struct {
        const char *key, *memo, *alarm;
    } reminders[] = {
        {"March/02", "before the last check's day", "18:00 60"},
        {"March/03", "heard before the computer went off", "09:00 60"},
        {"March/3", "Call the garage", "18:30 60"},
        {"Thul Qi'dah/5", "Fast", nullptr}, // Wednesday, 08:00 by default
        {"March/05", "Pay the rent\nby transfer", "07:15 60"},
        {"March/06", "today's, the due check's", "23:00 60"},
    };
    for (const auto &r : reminders) {
        Store("Reminder", r.key, r.memo);
        if (r.alarm)
            Store("Alarm", r.key, r.alarm);
    }
    Start();
    ASSERT_NE(Missed(), nullptr);
    EXPECT_TRUE(Missed()->isVisible());
    EXPECT_EQ(Rows(),
        (std::vector<std::string>{
            "Tuesday 3 March 1998 | 4 Thul Qi'dah 1418 | 18:30 | Call the garage",
            "Wednesday 4 March 1998 | 5 Thul Qi'dah 1418 | 08:00 | Fast",
            "Thursday 5 March 1998 | 6 Thul Qi'dah 1418 | 07:15 | Pay the rent / "
            "by transfer",
        }));
    EXPECT_EQ(Recorded(), Seconds(At(1998, 3, 6, 0, 0) - 1)) << "the days before today are done";

    // Told once: the next start lists nothing.
    m_app.reset();
    Start();
    EXPECT_EQ(Missed(), nullptr);
}

// Above the main window, active, and announced as a dialog with its name;
// a start at login that minimized the main window shows both.
TEST_F(MissedRemindersTest, TheWindowOpensAboveTheMainWindowAsADialogWithItsName)
{
    for (const bool minimized : {false, true}) {
        SCOPED_TRACE(minimized ? "--minimized" : "a plain start");
        std::filesystem::remove(m_profile);
        Record(At(1998, 3, 4, 12, 0));
        Store("Reminder", "March/05", "Pay the rent");
        ASSERT_TRUE(StartWith(
            minimized ? std::vector<std::string>{"--minimized"} : std::vector<std::string>{}));
        ASSERT_NE(Missed(), nullptr);
        EXPECT_TRUE(Missed()->isVisible());
        EXPECT_FALSE(Frame()->GetMainWindow()->isMinimized());
        EXPECT_EQ(Missed()->windowType(), Qt::Dialog);
        ASSERT_NE(Missed()->windowHandle(), nullptr);
        EXPECT_EQ(
            Missed()->windowHandle()->transientParent(), Frame()->GetMainWindow()->windowHandle());
        EXPECT_EQ(QApplication::activeWindow(), Missed());
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(Missed());
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->role(), QAccessible::Dialog);
        EXPECT_EQ(window->text(QAccessible::Name), "Missed Reminders");
        m_app.reset();
    }
}

TEST_F(MissedRemindersTest, TheFirstStartListsNothingAndRecordsIt)
{
    const struct {
        const char *name;
        const char *record; // nullptr: none
    } cases[] = {
        {"no record", nullptr},
        {"a record mended into no number", "last Tuesday"},
        {"a number and more", "889000000x"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m_profile);
        Store("Reminder", "March/05", "yesterday's");
        if (c.record)
            Store("Defaults", "LastCheck", c.record);
        Start();
        EXPECT_EQ(Missed(), nullptr);
        EXPECT_EQ(Recorded(), Seconds(m_now));
        m_app.reset();
    }
}

TEST_F(MissedRemindersTest, ASuspendOfADayBetweenTwoTicksListsThatDay)
{
    Record(m_now);
    Store("Reminder", "March/06", "Evening class");
    Store("Alarm", "March/06", "20:00 60");
    Store("Reminder", "March/07", "Market");
    Store("Alarm", "March/07", "09:00 60");
    Store("Reminder", "Thul Qi'dah/8", "Visit"); // Saturday 7 March, 08:00
    Start();
    Tick();
    Tick();
    EXPECT_EQ(Missed(), nullptr);
    EXPECT_TRUE(m_boxes.empty());
    // Asleep from 07:02 on Friday to 10:00 on Saturday.
    m_now = At(1998, 3, 7, 9, 59);
    m_answer = IDYES;
    Tick();
    EXPECT_EQ(Rows(),
        std::vector<std::string>{
            "Friday 6 March 1998 | 7 Thul Qi'dah 1418 | 20:00 | Evening class"});
    // Saturday's reminders are the due check's: they ring now.
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_NE(m_boxes[0].text.find("Visit\rMarket"), CString::npos) << m_boxes[0].text;
    EXPECT_EQ(Recorded(), Seconds(At(1998, 3, 7, 10, 0))) << "the prompt records its check";

    // A second suspend adds its days to the window that is open.
    Store("Reminder", "March/08", "Sunday lunch");
    m_now = At(1998, 3, 9, 6, 59);
    Tick();
    EXPECT_EQ(Rows().size(), 2u);
    EXPECT_EQ(Rows().back(), "Sunday 8 March 1998 | 9 Thul Qi'dah 1418 | 08:00 | Sunday lunch");
}

TEST_F(MissedRemindersTest, ASuspendCountsTowardsTheIntervalOfAnAnsweredPrompt)
{
    Record(m_now);
    Store("Reminder", "March/06", "Take the pills");
    Store("Alarm", "March/06", "07:00 30");
    Start();
    m_answer = IDYES;
    Tick(); // 07:01: the prompt, again in 30 minutes
    ASSERT_EQ(m_boxes.size(), 1u);
    m_now += 19 * 60; // asleep for 19 minutes
    const int ticks = TicksToPrompt(40);
    EXPECT_EQ(m_now, At(1998, 3, 6, 7, 31)) << "after " << ticks << " ticks";
    EXPECT_EQ(Missed(), nullptr) << "nothing of today is missed";
}

TEST_F(MissedRemindersTest, TheLastCheckIsRecordedAtExitNotAtEveryTick)
{
    Record(m_now);
    Start();
    const std::filesystem::file_time_type written = std::filesystem::last_write_time(m_profile);
    for (int i = 0; i < 3; ++i)
        Tick();
    EXPECT_EQ(std::filesystem::last_write_time(m_profile), written) << "quiet ticks write nothing";
    m_app.reset();
    EXPECT_EQ(Recorded(), Seconds(At(1998, 3, 6, 7, 3)));
}

TEST_F(MissedRemindersTest, APrintRunLeavesThemForTheNextStart)
{
    const std::int64_t lastCheck = At(1998, 3, 3, 12, 0);
    Record(lastCheck);
    Store("Reminder", "March/05", "Pay the rent");
    const std::string file = (m_dir / "print-me.zam").string();
    std::ofstream(file) << "x";
    EXPECT_FALSE(StartWith({"-p", file}, [this] {
        QPrinter *printer = m_app->FindPrinter();
        ASSERT_NE(printer, nullptr);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString((m_dir / "out.pdf").string()));
    }));
    m_app.reset();
    EXPECT_EQ(Recorded(), Seconds(lastCheck));
    Start();
    EXPECT_EQ(Rows().size(), 1u);
}

TEST_F(MissedRemindersTest, OpenInFormShowsTheSelectedReminderByKeyboard)
{
    Record(At(1998, 3, 3, 12, 0));
    Store("Reminder", "March/04", "Dentist");
    Store("Reminder", "Thul Qi'dah/06", "Fast"); // Thursday 5 March, with a leading zero
    Start();
    ASSERT_NE(Missed(), nullptr);
    QTreeView *list = Missed()->List();
    const struct {
        int row;
        bool hijri;
        const char *month, *day, *year, *memo;
    } cases[] = {
        {0, false, "March", "04", "1998", "Dentist"},
        {1, true, "Thul Qi'dah", "06", "1418", "Fast"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.memo);
        list->setFocus();
        list->setCurrentIndex(Missed()->Model().index(c.row, 0));
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_EQ(Control<QRadioButton>(IDC_HIJRI)->isChecked(), c.hijri);
        EXPECT_EQ(Text(IDC_MONTH), c.month);
        EXPECT_EQ(Text(IDC_DAY), c.day);
        EXPECT_EQ(Text(IDC_YEAR), c.year);
        EXPECT_EQ(Text(IDC_MEMO), c.memo);
    }
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(Missed()->isVisible());
}

} // namespace

// A month's start recorded from the month panel by keyboard alone: today's
// line with its tool tip, the form, the panel, All Reminders and the due
// check follow the record at once; Remove Record puts the rule back; the
// dialog offers only the days the rules allow, each in both calendars.
#include "tests/form/form_fixture.h"
#include "tests/reminders/temp_folder.h"

#include "framework/menu.h"
#include "panels/month_grid_view.h"
#include "panels/month_start_dialog.h"
#include "panels/reminder_export.h"
#include "panels/reminder_table_model.h"
#include "reminders/reminder_entries.h"
#include "resources/resource.h"
#include "shell/main_frame.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class MonthStartTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        // Thursday 19 February 2026: 1 Ramadhan 1447 by the new moons.
        m_now = At(2026, 2, 19, 9, 0);
    }

    CMainFrame *MainFrame() const { return static_cast<CMainFrame *>(Frame()); }
    CMonthPanel *Panel() const { return MainFrame()->GetMonthDock()->Panel(); }
    // The dialog open now (one closed goes once the event loop runs).
    CMonthStartDialog *Dialog() const
    {
        for (CMonthStartDialog *dialog : Panel()->findChildren<CMonthStartDialog *>())
            if (dialog->isVisible())
                return dialog;
        return nullptr;
    }
    QStringList Days() const
    {
        QStringList days;
        for (QRadioButton *button : Dialog()->findChildren<QRadioButton *>())
            days << button->text() + (button->isChecked() ? " *" : "");
        return days;
    }
    QString RowOf(const char *key, int column) const
    {
        const CReminderTableModel &model = MainFrame()->GetAllRemindersWindow()->Model();
        for (int row = 0; row < model.rowCount(); ++row)
            if (model.RowAt(row)->key == key)
                return model.index(row, column).data().toString();
        return {};
    }
    std::string Recorded() const
    {
        return ReadProfileEntry(m_profile, kHijriMonthStartsSection, "1447/9", "");
    }
};

TEST_F(MonthStartTest, RecordedFromThePanelByKeyboardEveryWindowFollows)
{
    Store("Reminder", "Ramadhan/1", "First fast");
    Start();
    QWidget *window = Frame()->GetMainWindow();
    QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier); // All Reminders
    EXPECT_EQ(RowOf("Ramadhan/1", CReminderTableModel::NextDate), "Thursday 19 February 2026");
    QTest::keyClick(window, Qt::Key_M, Qt::ControlModifier); // the month panel
    ASSERT_TRUE(Panel()->Grid()->hasFocus());
    EXPECT_EQ(Panel()->TitleLabel()->text(), "Ramadhan 1447");
    EXPECT_FALSE(Panel()->RemoveStartAction()->isEnabled()) << "nothing recorded yet";

    QTest::keyClick(Panel()->Grid(), Qt::Key_B, Qt::ControlModifier);
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_TRUE(Dialog()->isVisible());
    EXPECT_EQ(Dialog()->Explanation()->text(),
        "Ramadhan 1447 begins on Thursday 19 February 2026 under Astronomical. Choose the day "
        "your community announced.");
    EXPECT_EQ(Days(),
        (QStringList{"Tuesday 17 February 2026, now 29 Sha'ban 1447",
            "Wednesday 18 February 2026, now 30 Sha'ban 1447",
            "Thursday 19 February 2026, now 1 Ramadhan 1447 (the rule's start) *",
            "Friday 20 February 2026, now 2 Ramadhan 1447",
            "Saturday 21 February 2026, now 3 Ramadhan 1447"}));
    EXPECT_EQ(Dialog()->RemoveButton(), nullptr);
    Dialog()->activateWindow(); // as the desktop does with a dialog it shows
    ASSERT_TRUE(QTest::qWaitFor([this] { return Dialog()->isActiveWindow(); }));
    QTest::keyClick(Dialog()->focusWidget(), Qt::Key_Down);
    QTest::keyClick(Dialog()->focusWidget(), Qt::Key_Return);
    QApplication::processEvents();

    EXPECT_EQ(Recorded(), "2026-02-20");
    EXPECT_EQ(Control<QLabel>(IDC_DATENOW)->text(), "Thursday February 19, 2026 - 30 Sha'ban 1447");
    EXPECT_EQ(Control<QLabel>(IDC_DATENOW)->toolTip().toStdString(),
        "Astronomical, 1 Sha'ban moved by the recorded 1 Ramadhan");
    EXPECT_EQ(FormText(IDC_CORRESPONDING), "20 February 2026") << "1 Ramadhan 1447 in the form";
    EXPECT_EQ(Panel()->Month().days.front().dayNumber, ChristianDayNumber({2026, 2, 20}));
    EXPECT_TRUE(Panel()->RemoveStartAction()->isEnabled());
    EXPECT_EQ(RowOf("Ramadhan/1", CReminderTableModel::NextDate), "Friday 20 February 2026");
    EXPECT_TRUE(m_boxes.empty());
    // File > Export Reminders too.
    std::string error;
    ASSERT_TRUE(ExportRemindersFile(m_profile, m_dir / "r.ics", error)) << error;
    EXPECT_NE(ReadBytes(m_dir / "r.ics").find("DTSTART:20260220T080000Z"), std::string::npos);

    // Back to the rule, from the grid's context menu.
    EXPECT_TRUE(Panel()->Grid()->actions().contains(Panel()->RemoveStartAction()));
    EXPECT_EQ(Panel()->Grid()->contextMenuPolicy(), Qt::ActionsContextMenu);
    Panel()->RemoveStartAction()->trigger();
    EXPECT_EQ(Recorded(), "");
    EXPECT_EQ(Control<QLabel>(IDC_DATENOW)->text(), "Thursday February 19, 2026 - 1 Ramadhan 1447");
    EXPECT_EQ(RowOf("Ramadhan/1", CReminderTableModel::NextDate), "Thursday 19 February 2026");
}

// A recorded month offers its record and Remove Record; a Christian month
// works on the Hijri month of its selected day.
TEST_F(MonthStartTest, TheDialogMarksTheRecordAndTheRuleStart)
{
    Store("HijriMonthStarts", "1447/9", "2026-02-18");
    Start();
    Frame()->ExecuteCommand(ID_VIEW_MONTH);
    Panel()->ShowMonth({ReminderCalendar::Christian, 2026, 3}, ChristianDayNumber({2026, 3, 25}));
    EXPECT_EQ(Panel()->ShownHijriMonth(), (MonthId{ReminderCalendar::Hijri, 1447, 10}));
    EXPECT_FALSE(Panel()->RemoveStartAction()->isEnabled());
    Panel()->ShowMonth({ReminderCalendar::Christian, 2026, 3}, ChristianDayNumber({2026, 3, 2}));
    EXPECT_EQ(Panel()->ShownHijriMonth(), (MonthId{ReminderCalendar::Hijri, 1447, 9}));
    EXPECT_TRUE(Panel()->RemoveStartAction()->isEnabled());

    Panel()->RecordStartAction()->trigger();
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_EQ(Dialog()->Explanation()->text(),
        "Ramadhan 1447 began on Wednesday 18 February 2026, as recorded; Astronomical begins it "
        "on Thursday 19 February 2026. Choose the day your community announced.");
    EXPECT_TRUE(Days().contains("Wednesday 18 February 2026, now 1 Ramadhan 1447 (recorded) *"))
        << Days().join('\n').toStdString();
    EXPECT_TRUE(
        Days().contains("Thursday 19 February 2026, now 2 Ramadhan 1447 (the rule's start)"));
    ASSERT_NE(Dialog()->RemoveButton(), nullptr);
    Dialog()->RemoveButton()->click();
    EXPECT_EQ(Recorded(), "");

    // A month the record of the next one moved.
    Store("HijriMonthStarts", "1447/9", "2026-02-20");
    m_app->Profile().Refresh();
    Panel()->ShowMonth({ReminderCalendar::Hijri, 1447, 8});
    Panel()->RecordStartAction()->trigger();
    EXPECT_EQ(Dialog()->Explanation()->text(),
        "Sha'ban 1447 begins on Wednesday 21 January 2026, moved by the records of the months "
        "around it; Astronomical begins it on Tuesday 20 January 2026. Choose the day your "
        "community announced.");
    EXPECT_EQ(Days(),
        (QStringList{"Wednesday 21 January 2026, now 1 Sha'ban 1447 *",
            "Thursday 22 January 2026, now 2 Sha'ban 1447"}))
        << "a month of 31 days is no choice";
}

} // namespace

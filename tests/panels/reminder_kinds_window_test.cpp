// All Reminders with the kinds that are not yearly, as a user meets them by
// keyboard alone: the commands as buttons and in the context menu, the
// filter by Ctrl+F, a new reminder and an edited one in the dialog, a save
// that cannot be kept, delete and Open in Form on every kind, and the words
// of an empty list and of a past reminder.
#include "tests/panels/all_reminders_fixture.h"

#include "panels/reminder_dialog.h"
#include "tests/reminders/temp_folder.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimeEdit>

namespace {

class ReminderKindsWindowTest : public AllRemindersTest {
protected:
    CReminderDialog *Dialog() const { return Window()->Dialog(); }

    // A key pressed where the keyboard's focus is, as a user presses it.
    void Press(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
        QApplication::processEvents();
    }
    void Type(const QString &text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    void Activate(QWidget *window)
    {
        window->activateWindow();
        QApplication::setActiveWindow(window);
        QApplication::processEvents();
    }
    // Enter, from a box of numbers: Save, the dialog's default button
    // (Alt+S shows the button pressed for a moment first).
    void Save()
    {
        ASSERT_TRUE(qobject_cast<QAbstractSpinBox *>(QApplication::focusWidget()));
        Press(Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::string LastCheck() const
    {
        return "[Defaults]\nLastCheck=" + std::to_string(m_now) + "\n";
    }
};

TEST_F(ReminderKindsWindowTest, EveryCommandIsAButtonAndInTheMenuAndCtrlFGoesToTheFilter)
{
    Open("[MoreReminders]\nFriday=Prayer\n");
    Activate(Window());
    Select(0);
    const QStringList commands = {
        "&New Reminder...", "&Edit...", "&Open in Form", "&Delete", "E&xport..."};
    QStringList buttons, menu;
    for (QPushButton *button : Window()->findChildren<QPushButton *>())
        buttons << button->text();
    for (QAction *action : Window()->ContextMenu()->actions())
        if (!action->isSeparator())
            menu << action->text();
    EXPECT_EQ(buttons, commands);
    EXPECT_EQ(menu,
        (QStringList{"&Open in Form", "&Edit...", "&Delete", "&New Reminder...", "E&xport..."}));
    // Ctrl+F, and the Find key of a keyboard that has one (a key without
    // a character, sent as such).
    Window()->Table()->setFocus();
    QTest::keyClick(Window()->Table(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), Window()->FilterBox());
    Window()->Table()->setFocus();
    QTest::sendKeyEvent(QTest::Click, Window()->Table(), Qt::Key_Find, QString(), {});
    EXPECT_EQ(QApplication::focusWidget(), Window()->FilterBox());
}

TEST_F(ReminderKindsWindowTest, ANewWeeklyReminderByKeyboardAlone)
{
    Open("");
    EXPECT_TRUE(Window()->EmptyNote()->isVisibleTo(Window()));
    EXPECT_EQ(Window()->EmptyNote()->text(),
        "There are no reminders yet. Choose New Reminder... to add one of any kind, or in the "
        "main window choose a date, type a memo and choose Add.");
    Activate(Window());
    Press(Qt::Key_N, Qt::ControlModifier);
    ASSERT_NE(Dialog(), nullptr);
    Activate(Dialog());
    EXPECT_EQ(Dialog()->windowTitle(), "New Reminder - Zamanix");
    EXPECT_EQ(QApplication::focusWidget(), Dialog()->KindBox());
    Press(Qt::Key_End); // the last kind: every week
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Dialog()->WeekdayBox()) << "no calendar, no date";
    Type("F");
    EXPECT_EQ(Dialog()->PreviewText(), "Next on Friday 11 December 2026 / 2 Rajab 1448");
    EXPECT_EQ(Dialog()->WeekdayBox()->accessibleDescription(), Dialog()->PreviewText())
        << "a screen reader says the day with the control";
    Press(Qt::Key_Tab);
    Type("Friday prayer");
    Press(Qt::Key_Tab);
    Type("12:30");
    Press(Qt::Key_Tab);
    Type("15");
    Press(Qt::Key_Tab);
    Type("2");
    Save();
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_EQ(ReadBytes(m_profile),
        LastCheck() +
            "[MoreReminders]\nFriday=Friday prayer\n[MoreAlarms]\nFriday=12:30 15\n"
            "[Notice]\nFriday=2\n");
    ASSERT_EQ(Keys(), std::vector<std::string>{"Friday"});
    EXPECT_EQ(Cell(0, CReminderTableModel::Kind), "Every week");
    EXPECT_EQ(Cell(0, CReminderTableModel::Notice), "2 days before");
    EXPECT_FALSE(Window()->EmptyNote()->isVisibleTo(Window()));
}

TEST_F(ReminderKindsWindowTest, EditKeepsTheChangedReminderInPlaceOfTheOld)
{
    Open("[MoreReminders]\nHijri/13=Fast\n[MoreAlarms]\nHijri/13=05:00 15\n[Notice]\nHijri/13=1\n");
    Activate(Window());
    Select(0);
    Press(Qt::Key_Return); // another kind than yearly: its dialog
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_EQ(Dialog()->windowTitle(), "Edit Reminder - Zamanix");
    const std::vector<std::pair<QWidget *, QString>> names = {{Dialog()->KindBox(), "Kind"},
        {Dialog()->CalendarBox(), "Calendar"}, {Dialog()->DayBox(), "Day"},
        {Dialog()->MemoBox(), "Memo"}, {Dialog()->AlarmBox(), "Alarm time"},
        {Dialog()->EveryBox(), "Repeat interval in minutes"},
        {Dialog()->NoticeBox(), "Notice: days before each day it falls due"}};
    for (const auto &[widget, name] : names)
        EXPECT_EQ(widget->accessibleName(), name);
    EXPECT_EQ(Dialog()->DayBox()->value(), 13);
    EXPECT_EQ(Dialog()->AlarmBox()->time(), QTime(5, 0));
    EXPECT_EQ(Dialog()->NoticeBox()->value(), 1);
    Activate(Dialog());
    Dialog()->DayBox()->setFocus();
    Dialog()->DayBox()->selectAll();
    Type("14");
    EXPECT_EQ(Dialog()->PreviewText(), "Next on Wednesday 23 December 2026 / 14 Rajab 1448");
    Save();
    EXPECT_EQ(ReadBytes(m_profile),
        "[MoreReminders]\nHijri/14=Fast\n[MoreAlarms]\nHijri/14=05:00 15\n"
        "[Notice]\nHijri/14=1\n" +
            LastCheck());
}

TEST_F(ReminderKindsWindowTest, EditShowsEveryReminderAsItIs)
{
    Open("[Reminder]\nRamadhan/05=Yearly\nFebruary/29=Leap\n[MoreReminders]\n"
         "January/01/-5=Long before\nChristian/31=Month's end\nSaturday=Weekly\n"
         "Muharram/30/2000=Far ahead\n[MoreAlarms]\nSaturday=23:59 720\n[Notice]\n"
         "Saturday=30\nRamadhan/05=1\n");
    for (int row = 0; row < Window()->Model().rowCount(); ++row) {
        const ReminderRow reminder = *Window()->Model().RowAt(row);
        SCOPED_TRACE(reminder.key);
        Select(row);
        Window()->EditSelected();
        ASSERT_NE(Dialog(), nullptr);
        EXPECT_EQ(Dialog()->Draft(), DraftOfRow(reminder)) << "nothing changes on the way";
        Dialog()->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(ReminderKindsWindowTest, ASaveThatCannotBeKeptSaysWhyAndKeepsWhatWasTyped)
{
    const char profile[] = "[MoreReminders]\nFriday=Prayer\n";
    Open(profile);
    const std::string before = ReadBytes(m_profile);
    Window()->NewReminder();
    ASSERT_NE(Dialog(), nullptr);
    Dialog()->CalendarBox()->setCurrentIndex(1); // Christian
    Dialog()->MonthBox()->setCurrentIndex(1); // February
    Dialog()->DayBox()->setValue(29);
    Dialog()->YearBox()->setValue(2027);
    Dialog()->MemoBox()->setPlainText("Never was");
    Dialog()->accept();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "This reminder cannot be kept: February 2027 has only 28 days.");
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_TRUE(Dialog()->isVisible());
    EXPECT_EQ(Dialog()->MemoBox()->toPlainText(), "Never was");
    // A reminder that stands under the key is replaced only when the user
    // says so.
    Dialog()->KindBox()->setCurrentIndex(3); // every week, on Friday
    m_answer = IDNO;
    Dialog()->accept();
    ASSERT_EQ(m_boxes.size(), 2u);
    EXPECT_EQ(m_boxes[1].text,
        "A reminder for Friday exists already:\n\nPrayer\n\nReplace it with this one?");
    EXPECT_NE(Dialog(), nullptr);
    EXPECT_EQ(ReadBytes(m_profile), before);
    m_answer = IDYES;
    Dialog()->accept();
    EXPECT_EQ(ReadBytes(m_profile),
        "[MoreReminders]\nFriday=Never was\n" + before.substr(std::string(profile).size()) +
            "[MoreAlarms]\nFriday=08:00 60\n");
}

TEST_F(ReminderKindsWindowTest, DeleteAndOpenInFormWorkOnEveryKindAndAPastOneIsPast)
{
    Open("[MoreReminders]\nMarch/06/2020=Long ago\nFriday=Prayer\n[MoreAlarms]\nFriday=12:30 15\n"
         "[Notice]\nFriday=2\n");
    ASSERT_EQ(Keys(), (std::vector<std::string>{"Friday", "March/06/2020"}));
    using C = CReminderTableModel;
    EXPECT_EQ(Cell(1, C::Kind), "Once");
    EXPECT_EQ(Cell(1, C::NextDate), "Friday 6 March 2020");
    EXPECT_EQ(Cell(1, C::Days), "past, 2467 days ago");
    Select(1);
    EXPECT_EQ(Window()->Details()->text(),
        "March/06/2020 fell on Friday 6 March 2020, which has gone by; it will not ring again.");

    Select(0);
    Window()->OpenSelected();
    EXPECT_TRUE(Control<QRadioButton>(IDC_CHRISTIAN)->isChecked());
    EXPECT_EQ(Control<QComboBox>(IDC_MONTH)->currentText(), "December");
    EXPECT_EQ(FormText(IDC_DAY), "11");
    EXPECT_EQ(FormText(IDC_YEAR), "2026");

    m_answer = IDYES;
    Select(0);
    QTest::keyClick(Window()->Table(), Qt::Key_Delete);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Delete the reminder Friday?\n\nPrayer");
    EXPECT_EQ(ReadBytes(m_profile),
        "[MoreReminders]\nMarch/06/2020=Long ago\n[MoreAlarms]\n[Notice]\n" + LastCheck());
    EXPECT_EQ(Keys(), std::vector<std::string>{"March/06/2020"});
}

} // namespace

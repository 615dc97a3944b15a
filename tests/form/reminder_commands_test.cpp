// Add, View, Delete, the audible alarm switch and Paste, as a user does them.
#include "tests/form/form_fixture.h"

#include "framework/menu.h"
#include "reminders/profile.h"
#include "resources/resource.h"
#include "shell/main_frame.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <utility>
#include <vector>

namespace {

class ReminderCommandsTest : public ProgramTest {
protected:
    void Choose(int monthIndex, const QString &day, const QString &year = QStringLiteral("1418"))
    {
        Control<QComboBox>(IDC_MONTH)->setCurrentIndex(monthIndex);
        Set(IDC_DAY, day);
        Set(IDC_YEAR, year);
    }
    void Set(int id, const QString &text) { Control<QLineEdit>(id)->setText(text); }
    void SetMemo(const QString &text) { Control<QPlainTextEdit>(IDC_MEMO)->setPlainText(text); }
    QString Memo() const { return Control<QPlainTextEdit>(IDC_MEMO)->toPlainText(); }
    QString Shown(int id) const { return Control<QLineEdit>(id)->text(); }
    void Click(int id) { QTest::mouseClick(Control<QPushButton>(id), Qt::LeftButton); }
    CString Stored(const char *section, const char *key)
    {
        return ReadProfileEntry(m_profile, section, key, "<none>");
    }
    bool SoundChecked() const
    {
        return Frame()->GetMenu()->GetMenuState(ID_OPTIONS_AUDIBLEALARM, MF_BYCOMMAND) ==
            MF_CHECKED;
    }
};

TEST_F(ReminderCommandsTest, AddThenViewGivesBackWhatWasWritten)
{
    Start();
    Choose(8, "05"); // Ramadhan, typed with a leading zero
    SetMemo("Fast\nand pray");
    Set(IDC_HOUR, "7");
    Set(IDC_MINUTE, "30");
    Set(IDC_EVERY, "15");
    Click(IDC_ADD);
    EXPECT_EQ(Stored("Reminder", "Ramadhan/05"), "Fast\nand pray");
    EXPECT_EQ(Stored("Alarm", "Ramadhan/05"), "07:30 15");
    EXPECT_EQ(Stored("Reminder", "Ramadhan/5"), "<none>") << "the day text is kept as typed";

    Choose(0, "1");
    Click(IDC_VIEW);
    EXPECT_EQ(Memo(), "");
    EXPECT_EQ(Shown(IDC_HOUR), "8") << "no entry: the default alarm";
    EXPECT_EQ(Shown(IDC_MINUTE), "0");
    EXPECT_EQ(Shown(IDC_EVERY), "60");

    Choose(8, "05");
    Click(IDC_VIEW);
    EXPECT_EQ(Memo(), "Fast\nand pray");
    EXPECT_EQ(Shown(IDC_HOUR), "7");
    EXPECT_EQ(Shown(IDC_MINUTE), "30");
    EXPECT_EQ(Shown(IDC_EVERY), "15");
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(ReminderCommandsTest, AddRefusesWhatCouldNeverRingAndWritesNothing)
{
    const struct {
        const char *name;
        int month; // index in the list of the form's calendar
        const char *day, *memo;
        const char *key, *reason;
    } cases[] = {
        {"an empty memo", 1, "3", "", "Safar/3",
            "the memo is empty, and an empty memo never rings"},
        {"Hijri day 31", 0, "31", "Fast", "Muharram/31", "Muharram never has more than 30 days"},
        {"day 0", 0, "0", "Fast", "Muharram/0", "\"0\" is not a day"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        m_boxes.clear();
        Start();
        Choose(c.month, c.day);
        SetMemo(c.memo);
        Frame()->ExecuteCommand(ID_EDIT_ADD); // the menu's Add
        ASSERT_EQ(m_boxes.size(), 1u);
        EXPECT_NE(m_boxes[0].text.find(c.reason), CString::npos) << m_boxes[0].text;
        EXPECT_EQ(Stored("Reminder", c.key), "<none>") << "nothing was written";
        EXPECT_EQ(Stored("Alarm", c.key), "<none>");
        EXPECT_EQ(Memo(), c.memo) << "what the user typed stays";
        m_app.reset();
    }
}

TEST_F(ReminderCommandsTest, AddAndDeleteShowTheDayWrittenAndSayWhatWasDone)
{
    m_now = At(2026, 12, 7, 9, 30);
    Start();
    auto *frame = static_cast<CMainFrame *>(Frame());
    const QString today = FormText(IDC_DATENOW);
    ASSERT_EQ(FormText(IDC_CORRESPONDING), "7 December 2026");
    Choose(8, "27", "1448"); // 27 Ramadhan 1448
    SetMemo("Visit uncle");
    Click(IDC_ADD);
    EXPECT_EQ(FormText(IDC_CORRESPONDING), "6 March 2027");
    EXPECT_EQ(frame->m_statusBar.GetPaneText(0), "Reminder kept for 27 Ramadhan, every year");
    EXPECT_EQ(FormText(IDC_DATENOW), today);

    Choose(9, "30", "1448"); // Shawwal 1448 has 30 days
    Click(IDC_ADD);
    EXPECT_EQ(FormText(IDC_CORRESPONDING), "7 April 2027");
    EXPECT_EQ(frame->m_statusBar.GetPaneText(0),
        "Reminder kept for 30 Shawwal; it rings only in the years whose Shawwal has 30 days");

    Choose(8, "27", "1448");
    Click(IDC_DELETE);
    EXPECT_EQ(FormText(IDC_CORRESPONDING), "6 March 2027");
    EXPECT_EQ(frame->m_statusBar.GetPaneText(0), "Reminder of 27 Ramadhan deleted");
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(ReminderCommandsTest, DeleteClearsTheMemoAndKeepsTheAlarmFields)
{
    Store("Reminder", "Rajab/27", "Journey");
    Store("Alarm", "Rajab/27", "05:15 10");
    Start();
    Choose(6, "27");
    Click(IDC_VIEW);
    ASSERT_EQ(Memo(), "Journey");
    Click(IDC_DELETE);
    EXPECT_EQ(Memo(), "");
    EXPECT_EQ(Shown(IDC_HOUR), "5");
    EXPECT_EQ(Shown(IDC_EVERY), "10");
    EXPECT_EQ(Stored("Reminder", "Rajab/27"), "<none>");
    EXPECT_EQ(Stored("Alarm", "Rajab/27"), "<none>");
    Click(IDC_VIEW);
    EXPECT_EQ(Shown(IDC_HOUR), "8");
    Click(IDC_DELETE); // a key without entries is no error
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(ReminderCommandsTest, AddWritesNothingAfterARefusedField)
{
    Start();
    Choose(2, "9");
    SetMemo("Doctor");
    Set(IDC_HOUR, "24");
    Click(IDC_ADD);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Please enter an integer between 0 and 23.");
    EXPECT_EQ(Stored("Reminder", "Rabi'ul Awwal/9"), "<none>");
    EXPECT_EQ(Stored("Alarm", "Rabi'ul Awwal/9"), "<none>");
    EXPECT_EQ(Memo(), "Doctor") << "what the user typed stays";
}

TEST_F(ReminderCommandsTest, AFailedWriteIsToldAndNothingTypedIsLost)
{
    // The profile's folder is a file: no write can succeed, not even as root.
    std::ofstream(m_dir / "blocked") << "x";
    m_profile = m_dir / "blocked" / "zamanix.INI";
    Start();
    Choose(3, "12");
    SetMemo("Call home");
    Click(IDC_ADD);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_NE(m_boxes[0].text.find("could not be saved"), CString::npos) << m_boxes[0].text;
    EXPECT_NE(m_boxes[0].text.find("blocked"), CString::npos) << "it says where";
    EXPECT_EQ(Memo(), "Call home");

    m_boxes.clear();
    Click(IDC_DELETE);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(Memo(), "Call home") << "a failed delete leaves the memo";

    m_boxes.clear();
    Frame()->ExecuteCommand(ID_OPTIONS_AUDIBLEALARM);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_NE(m_boxes[0].text.find("sound setting"), CString::npos);
    EXPECT_FALSE(SoundChecked()) << "the switch still applies for this run";
}

TEST_F(ReminderCommandsTest, AudibleAlarmTwiceReturnsToWhereItWas)
{
    Start();
    ASSERT_TRUE(SoundChecked());
    Frame()->ExecuteCommand(ID_OPTIONS_AUDIBLEALARM);
    EXPECT_FALSE(SoundChecked());
    EXPECT_EQ(Stored("Defaults", "Audio"), "OFF");
    Frame()->ExecuteCommand(ID_OPTIONS_AUDIBLEALARM);
    EXPECT_TRUE(SoundChecked());
    EXPECT_EQ(Stored("Defaults", "Audio"), "ON");
}

TEST_F(ReminderCommandsTest, PasteReplacesTheMemoWithOneLine)
{
    Start();
    const struct {
        const char *name;
        QString clipboard;
        QString memo;
    } cases[] = {
        {"CR LF line ends give two blanks", QStringLiteral("one\r\ntwo"),
            QStringLiteral("one  two")},
        {"a leading line break gives a blank", QStringLiteral("\nnote"), QStringLiteral(" note")},
        {"non-ASCII text", QStringLiteral("رمضان كريم"), QStringLiteral("رمضان كريم")},
        // 1022 ASCII bytes and a two-byte letter: the letter would end past 1023.
        {"cut on a character boundary", QString(1022, QLatin1Char('a')) + QStringLiteral("é"),
            QString(1022, QLatin1Char('a'))},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SetMemo("old text");
        QApplication::clipboard()->setText(c.clipboard);
        Frame()->ExecuteCommand(ID_EDIT_PASTE);
        EXPECT_EQ(Memo(), c.memo);
    }
}

TEST_F(ReminderCommandsTest, PasteKeysRunPasteWhicheverFieldHasTheFocus)
{
    Start();
    Frame()->GetMainWindow()->activateWindow();
    QLineEdit *day = Control<QLineEdit>(IDC_DAY);
    day->setFocus();
    Set(IDC_YEAR, "1999"); // typed, never exchanged
    QApplication::clipboard()->setText(QStringLiteral("12"));
    QTest::keyClick(day, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Memo(), "12");
    EXPECT_EQ(Shown(IDC_DAY), "7") << "nothing is pasted into the day box";
    EXPECT_EQ(Shown(IDC_YEAR), "1999") << "what the user typed stays";

    QApplication::clipboard()->setText(QStringLiteral("by Shift+Insert"));
    QTest::keyClick(day, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Memo(), "by Shift+Insert");
}

// The fields the user typed after the last View are not yet the form's:
// Paste must not put the viewed ones back, or the next Add overwrites the
// viewed day.
TEST_F(ReminderCommandsTest, PasteChangesTheMemoOnly)
{
    Store("Reminder", "Safar/2", "Dentist");
    Store("Alarm", "Safar/2", "09:15 30");
    Start();
    Choose(1, "2");
    Click(IDC_VIEW);
    ASSERT_EQ(Memo(), "Dentist");
    Set(IDC_DAY, "3");
    Set(IDC_HOUR, "10");
    QApplication::clipboard()->setText(QStringLiteral("School trip"));
    Frame()->ExecuteCommand(ID_EDIT_PASTE);
    EXPECT_EQ(Memo(), "School trip");
    EXPECT_EQ(Shown(IDC_DAY), "3");
    EXPECT_EQ(Shown(IDC_HOUR), "10");
    Click(IDC_ADD);
    EXPECT_EQ(Stored("Reminder", "Safar/3"), "School trip");
    EXPECT_EQ(Stored("Alarm", "Safar/3"), "10:15 30");
    EXPECT_EQ(Stored("Reminder", "Safar/2"), "Dentist") << "the viewed day is untouched";
    EXPECT_EQ(Stored("Alarm", "Safar/2"), "09:15 30");
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(ReminderCommandsTest, WithoutAHomeFolderAddSaysWhatToSet)
{
    m_app = std::make_unique<CZamanixApp>();
    m_app->m_pszAppName = "Zamanix";
    std::vector<std::pair<const char *, std::optional<std::string>>> saved;
    for (const char *name : {"HOME", "XDG_CONFIG_HOME"}) {
        const char *value = std::getenv(name);
        saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        ::unsetenv(name);
    }
    m_app->InitApplicationNames("/usr/bin/zamanix");
    for (const auto &[name, value] : saved) {
        if (value)
            ::setenv(name, value->c_str(), 1);
    }
    ASSERT_TRUE(m_app->m_pszProfileName.empty());
    ASSERT_TRUE(m_app->InitInstance());
    ASSERT_TRUE(Started());
    Choose(8, "27");
    SetMemo("Pray");
    Click(IDC_ADD);
    ASSERT_EQ(m_boxes.size(), 1u);
    for (const char *said :
        {"could not be saved", "HOME is not set", "XDG_CONFIG_HOME", "Set HOME"})
        EXPECT_NE(m_boxes[0].text.find(said), CString::npos) << said << " in: " << m_boxes[0].text;
}

TEST_F(ReminderCommandsTest, EditingKeysStayWithTheEditField)
{
    Start();
    Frame()->GetMainWindow()->activateWindow();
    QLineEdit *year = Control<QLineEdit>(IDC_YEAR);
    year->setFocus();
    year->selectAll();
    QTest::keyClick(year, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "1418") << "Ctrl+C copies from the field";
    QTest::keyClicks(year, "2");
    EXPECT_EQ(year->text(), "2");
    QTest::keyClick(year, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(year->text(), "1418") << "Ctrl+Z undoes in the field";
    EXPECT_FALSE(Frame()->CommandAction(ID_EDIT_UNDO)->isEnabled());
    EXPECT_FALSE(Frame()->CommandAction(ID_EDIT_CUT)->isEnabled());
    EXPECT_FALSE(Frame()->CommandAction(ID_EDIT_COPY)->isEnabled());
}

TEST_F(ReminderCommandsTest, AHugeMemoShowsItsBeginningAndIsKeptWhole)
{
    const std::string huge = std::string(300'000, 'x') + "\nthe end";
    Store("Reminder", "Ramadhan/5", huge);
    Start();
    Choose(8, "5");
    Click(IDC_VIEW);
    QPlainTextEdit *memo = Control<QPlainTextEdit>(IDC_MEMO);
    EXPECT_TRUE(memo->isReadOnly()) << "too long to edit here";
    EXPECT_TRUE(Memo().startsWith(QStringLiteral("xxxx")));
    EXPECT_LT(Memo().size(), 110'000);
    Set(IDC_HOUR, "6");
    Click(IDC_ADD);
    EXPECT_EQ(Stored("Reminder", "Ramadhan/5"), huge) << "Add keeps the memo as it is";
    EXPECT_EQ(Stored("Alarm", "Ramadhan/5"), "06:00 60");

    Choose(8, "6");
    Click(IDC_VIEW);
    EXPECT_FALSE(memo->isReadOnly()) << "a memo of a usual size is edited as ever";
    EXPECT_EQ(Memo(), "");
}

} // namespace

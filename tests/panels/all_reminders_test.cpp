// All Reminders as a user meets it: opened from the View menu, sorted,
// filtered, opening a reminder in the form, deleting one, and following the
// profile; File > Export Reminders; and the form and zamanix-reminders
// writing the same bytes.
#include "tests/cli/program_run.h"
#include "tests/panels/all_reminders_fixture.h"

#include "framework/menu.h"
#include "panels/reminder_export.h"
#include "panels/reminder_table_model.h"
#include "resources/resource.h"
#include "resources/resources.h"
#include "shell/main_frame.h"

#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include <set>

namespace {

const char kProfile[] = "[Reminder]\n"
                        "April/31=Mend me\n"
                        "Ramadhan/27=Visit uncle\n"
                        "December/08=Dentist\n"
                        "Foo/3=Unknown month\n"
                        "December/07=Today's call\n"
                        "[Alarm]\n"
                        "Ramadhan/27=07:30 15\n";

TEST_F(AllRemindersTest, ViewMenuOpensItWithItsOwnShortcut)
{
    std::set<int> keys;
    for (const AcceleratorEntry &entry : kMainAcceleratorResource.entries)
        EXPECT_TRUE(keys.insert(entry.key.toCombined()).second)
            << "two commands share " << QKeySequence(entry.key).toString().toStdString();
    std::ofstream(m_profile) << kProfile;
    Start();
    ASSERT_NE(Frame()->GetMenu()->FindItem(ID_VIEW_ALL_REMINDERS), nullptr);
    EXPECT_EQ(Frame()->GetMenu()->FindItem(ID_VIEW_ALL_REMINDERS)->text(), "All &Reminders");
    EXPECT_EQ(
        Frame()->GetMenu()->FindItem(ID_VIEW_ALL_REMINDERS)->shortcut(), QKeySequence("Ctrl+R"));
    ASSERT_NE(Frame()->GetMenu()->FindItem(ID_FILE_EXPORT_REMINDERS), nullptr);
    EXPECT_TRUE(Frame()->GetMenu()->FindItem(ID_FILE_EXPORT_REMINDERS)->isEnabled());
    QTest::keyClick(Frame()->GetMainWindow(), Qt::Key_R, Qt::ControlModifier);
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->isVisible());
    EXPECT_EQ(Window()->FilterBox()->accessibleName(), "Filter reminders");
    EXPECT_EQ(Window()->Table()->accessibleName(), "All reminders");
    // A screen reader announces a window by its name as it opens.
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(Window());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "All Reminders - Zamanix");
    QTest::keyClick(Window()->Table(), Qt::Key_Escape);
    EXPECT_FALSE(Window()->isVisible());
    Frame()->ExecuteCommand(ID_VIEW_ALL_REMINDERS);
    EXPECT_TRUE(Window()->isVisible()) << "the same window again";
}

TEST_F(AllRemindersTest, SortedByNextDateWithWhatNeverFallsDueLast)
{
    Open(kProfile);
    EXPECT_EQ(Keys(),
        (std::vector<std::string>{
            "December/07", "December/08", "Ramadhan/27", "April/31", "Foo/3"}));
    using C = CReminderTableModel;
    const std::vector<QString> today = {Cell(0, C::Calendar), Cell(0, C::Key), Cell(0, C::Memo),
        Cell(0, C::Alarm), Cell(0, C::Every), Cell(0, C::NextDate), Cell(0, C::Days)};
    EXPECT_EQ(today,
        (std::vector<QString>{"Christian", "December/07", "Today's call", "08:00", "60 min",
            "Monday 7 December 2026", "today"}));
    EXPECT_EQ(Cell(2, C::Alarm), "07:30");
    EXPECT_EQ(Cell(2, C::NextDate), "Saturday 6 March 2027");
    EXPECT_EQ(Cell(2, C::HijriDate), "27 Ramadhan 1448");
    EXPECT_EQ(Cell(2, C::Days), "in 89 days");
    EXPECT_EQ(Cell(3, C::NextDate), "Never: April never has more than 30 days");
    EXPECT_EQ(Cell(4, C::Calendar), "Unknown");
    EXPECT_EQ(Window()->Model().index(3, C::NextDate).data(Qt::AccessibleTextRole).toString(),
        "Never: April never has more than 30 days");
    EXPECT_EQ(Window()->Model().headerData(C::Days, Qt::Horizontal, Qt::DisplayRole), "Days");
    EXPECT_EQ(Window()->findChild<QLabel *>()->text(), "5 reminders; 2 never fall due");
}

TEST_F(AllRemindersTest, FilterMatchesMemoAndKeyRegardlessOfCase)
{
    Open(kProfile);
    const struct {
        const char *typed;
        std::vector<std::string> keys;
    } cases[] = {
        {"UNCLE", {"Ramadhan/27"}},
        {"december", {"December/07", "December/08"}},
        {"o/3", {"Foo/3"}},
        {"nothing like it", {}},
        {"", {"December/07", "December/08", "Ramadhan/27", "April/31", "Foo/3"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        Window()->FilterBox()->clear();
        QTest::keyClicks(Window()->FilterBox(), c.typed);
        EXPECT_EQ(Keys(), c.keys);
    }
}

TEST_F(AllRemindersTest, EnterOrADoubleClickOpensTheReminderInTheForm)
{
    Open(kProfile);
    Select(2); // Ramadhan/27
    QTest::keyClick(Window()->Table(), Qt::Key_Return);
    EXPECT_TRUE(Control<QRadioButton>(IDC_HIJRI)->isChecked());
    EXPECT_EQ(Control<QComboBox>(IDC_MONTH)->currentText(), "Ramadhan");
    EXPECT_EQ(FormText(IDC_DAY), "27");
    EXPECT_EQ(FormText(IDC_YEAR), "1448");
    EXPECT_EQ(FormText(IDC_MEMO), "Visit uncle");
    EXPECT_EQ(FormText(IDC_HOUR), "7");
    EXPECT_EQ(FormText(IDC_MINUTE), "30");
    EXPECT_EQ(FormText(IDC_EVERY), "15");
    EXPECT_EQ(FormText(IDC_CORRESPONDING), "6 March 2027");

    QTableView *table = Window()->Table();
    const QRect cell = table->visualRect(Window()->Model().index(1, 0));
    // A double click: QTest sends its second press alone.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(Control<QRadioButton>(IDC_CHRISTIAN)->isChecked());
    EXPECT_EQ(Control<QComboBox>(IDC_MONTH)->currentText(), "December");
    EXPECT_EQ(FormText(IDC_DAY), "08");
    EXPECT_EQ(FormText(IDC_MEMO), "Dentist");
    EXPECT_TRUE(m_boxes.empty());

    Select(4); // Foo/3: no calendar to show it in
    QTest::keyClick(Window()->Table(), Qt::Key_Return);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_NE(m_boxes[0].text.find("Foo/3"), std::string::npos);
    EXPECT_EQ(FormText(IDC_MEMO), "Dentist") << "the form stays as it was";
}

TEST_F(AllRemindersTest, DeleteAsksThenRemovesBothEntriesInOneWrite)
{
    Open(kProfile);
    Select(2);
    m_answer = IDNO;
    QTest::keyClick(Window()->Table(), Qt::Key_Delete);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Delete the reminder Ramadhan/27?\n\nVisit uncle");
    // The first start recorded its check.
    const std::string record = "[Defaults]\nLastCheck=" + std::to_string(m_now) + "\n";
    EXPECT_EQ(ReadBytes(m_profile), kProfile + record);

    m_answer = IDYES;
    QTest::keyClick(Window()->Table(), Qt::Key_Delete);
    EXPECT_EQ(ReadBytes(m_profile),
        "[Reminder]\n"
        "April/31=Mend me\n"
        "December/08=Dentist\n"
        "Foo/3=Unknown month\n"
        "December/07=Today's call\n"
        "[Alarm]\n" +
            record);
    EXPECT_EQ(
        Keys(), (std::vector<std::string>{"December/07", "December/08", "April/31", "Foo/3"}));
    EXPECT_EQ(Window()->Table()->currentIndex().row(), 2) << "the next row takes its place";
}

TEST_F(AllRemindersTest, FollowsTheFormsAddAndDeleteAtOnce)
{
    Open(kProfile);
    Control<QRadioButton>(IDC_CHRISTIAN)->click();
    Control<QComboBox>(IDC_MONTH)->setCurrentIndex(0);
    Control<QLineEdit>(IDC_DAY)->setText("01");
    Control<QPlainTextEdit>(IDC_MEMO)->setPlainText("New year");
    QTest::mouseClick(Control<QPushButton>(IDC_ADD), Qt::LeftButton);
    EXPECT_EQ(Keys().size(), 6u);
    EXPECT_EQ(Keys()[2], "January/01");
    QTest::mouseClick(Control<QPushButton>(IDC_DELETE), Qt::LeftButton);
    EXPECT_EQ(Keys().size(), 5u);
}

TEST_F(AllRemindersTest, FollowsTheFormsHijriCalendar)
{
    Open(kProfile);
    ASSERT_EQ(Keys()[2], "Ramadhan/27");
    EXPECT_EQ(Cell(2, CReminderTableModel::NextDate), "Saturday 6 March 2027");
    Frame()->ExecuteCommand(ID_OPTIONS_HIJRI_ADJUST_PLUS1);
    EXPECT_EQ(Cell(2, CReminderTableModel::NextDate), "Friday 5 March 2027");
    EXPECT_EQ(Cell(2, CReminderTableModel::HijriDate), "27 Ramadhan 1448");
}

// Waits for the file system's notice of the change.
class RealTimeAllReminders : public AllRemindersTest { };

TEST_F(RealTimeAllReminders, FollowsAnotherProgramsWrite)
{
    Open(kProfile);
    ASSERT_TRUE(WriteProfileEntry(m_profile, "Reminder", "December/09", "From a script"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Keys().size() == 6; }, 10000));
    EXPECT_EQ(Keys()[2], "December/09");
}

TEST_F(AllRemindersTest, ExportWritesTheNextFiveYears)
{
    std::ofstream(m_profile) << kProfile;
    const std::filesystem::path file = m_dir / "reminders.ics";
    std::string error;
    ASSERT_TRUE(ExportRemindersFile(m_profile, file, error)) << error;
    const std::string text = ReadBytes(file);
    EXPECT_NE(text.find("DTSTART:20270306T073000Z\r\n"), std::string::npos) << "UTC in the tests";
    EXPECT_NE(text.find("DTSTART:20301207T080000Z\r\n"), std::string::npos);
    EXPECT_EQ(text.find("DTSTART:20311207"), std::string::npos) << "five years, no more";
    EXPECT_FALSE(ExportRemindersFile(m_profile, m_dir / "missing" / "r.ics", error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;
}

// The form's Add and Delete and the command line's add and remove, on
// profiles that start alike, leave the same bytes.
TEST_F(AllRemindersTest, FormAndCommandLineWriteTheSameBytes)
{
    std::ofstream(m_profile) << "; my reminders\n[Defaults]\nAudio=ON\n";
    Start();
    // As the start left it, with the record of its first check.
    const std::filesystem::path cli = m_dir / "cli.INI";
    std::filesystem::copy_file(m_profile, cli);
    const struct {
        bool hijri;
        int month;
        const char *day, *memo, *hour, *minute, *every;
        bool remove;
    } steps[] = {
        {true, 9, "27", "Visit uncle; \"bring\" dates", "7", "30", "15", false},
        {false, 3, "06", "  two\nlines  ", "0", "5", "0", false},
        {false, 2, "29", "Leap", "23", "59", "720", false},
        {true, 9, "27", "Call uncle instead", "6", "0", "60", false},
        {false, 3, "06", "", "", "", "", true},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.memo);
        Control<QRadioButton>(s.hijri ? IDC_HIJRI : IDC_CHRISTIAN)->click();
        Control<QComboBox>(IDC_MONTH)->setCurrentIndex(s.month - 1);
        Control<QLineEdit>(IDC_DAY)->setText(s.day);
        const std::string key =
            Control<QComboBox>(IDC_MONTH)->currentText().toStdString() + "/" + s.day;
        std::vector<std::string> args = {ZAMANIX_BINARY_DIR "/zamanix-reminders", "--profile",
            cli.string(), s.remove ? "remove" : "add", key};
        if (!s.remove) {
            Control<QPlainTextEdit>(IDC_MEMO)->setPlainText(s.memo);
            Control<QLineEdit>(IDC_HOUR)->setText(s.hour);
            Control<QLineEdit>(IDC_MINUTE)->setText(s.minute);
            Control<QLineEdit>(IDC_EVERY)->setText(s.every);
            args.insert(args.end(),
                {s.memo, "--alarm", std::string(s.hour) + ":" + (s.minute[1] ? "" : "0") + s.minute,
                    "--every", s.every});
        }
        QTest::mouseClick(Control<QPushButton>(s.remove ? IDC_DELETE : IDC_ADD), Qt::LeftButton);
        const ProgramOutcome run = RunProgram(args, {"TZ=UTC"}, m_dir);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(ReadBytes(cli), ReadBytes(m_profile));
    }
    EXPECT_TRUE(m_boxes.empty());
}

// A memo's tool tip shows it as typed, whatever it holds, and only its
// beginning: a memo of megabytes must neither stall the window nor cover
// the screen.
TEST(MemoToolTip, ShowsTheMemoAsTypedAndOnlyItsBeginning)
{
    const std::string ellipsis = "\u2026";
    const auto arabic = [](int letters) {
        std::string text;
        for (int i = 0; i < letters; ++i)
            text += "\u0645";
        return text;
    };
    const struct {
        const char *name;
        std::string memo;
        std::string html;
    } cases[] = {
        {"plain", "Buy dates", "Buy dates"},
        {"markup stays text", "<b>family</b> & <img src=x>",
            "&lt;b&gt;family&lt;/b&gt; &amp; &lt;img src=x&gt;"},
        {"every line break kept", "a\r\nb\rc\nd", "a<br>b<br>c<br>d"},
        {"500 characters whole", std::string(500, 'x'), std::string(500, 'x')},
        {"501 cut", std::string(501, 'x'), std::string(500, 'x') + ellipsis},
        {"5 MB on one line", std::string(5'000'000, 'y'), std::string(500, 'y') + ellipsis},
        // Two bytes a letter: counted in letters, not bytes.
        {"500 Arabic letters whole", arabic(500), arabic(500)},
        {"501 Arabic letters cut", arabic(501), arabic(500) + ellipsis},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MemoToolTip(c.memo).toStdString(), "<qt>" + c.html + "</qt>");
    }
}

} // namespace

// Options > Hijri Month Starts... as a user meets it: every record listed
// with the rule's start beside it, the entries the calendar ignores marked
// with why; Remove by the Delete key; Import from a file checked whole
// first; the question about the new moon switched on and timed, here and
// from the Options menu.
#include "tests/form/form_fixture.h"
#include "tests/reminders/temp_folder.h"

#include "framework/menu.h"
#include "reminders/reminder_entries.h"
#include "resources/resource.h"
#include "shell/main_frame.h"

#include <QCheckBox>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QTimeEdit>

namespace {

const char kRecords[] = "[HijriMonthStarts]\n"
                        "1447/13=2026-03-01\n"
                        "1447/11=2026-07-20\n"
                        "1447/9=2026-02-20\n";

class MonthStartsWindowTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        m_now = At(2026, 2, 10, 12, 0);
    }

    CMonthStartsWindow *Open(const std::string &profile = kRecords)
    {
        WriteBytes(m_profile, profile);
        Start();
        Frame()->ExecuteCommand(ID_OPTIONS_HIJRI_MONTH_STARTS);
        return Window();
    }
    CMonthStartsWindow *Window() const
    {
        return static_cast<CMainFrame *>(Frame())->GetMonthStartsWindow();
    }
    QStringList Row(int row) const
    {
        QStringList cells;
        for (int column = 0; column < CMonthStartModel::ColumnCount; ++column)
            cells << Window()->Model().index(row, column).data().toString();
        return cells;
    }
    std::string Section() const
    {
        const std::string bytes = ReadBytes(m_profile);
        const std::size_t at = bytes.find("[HijriMonthStarts]");
        if (at == std::string::npos)
            return {};
        return bytes.substr(at, bytes.find("\n[", at) - at + 1);
    }
    std::filesystem::path File(const std::string &text)
    {
        const std::filesystem::path file = m_dir / "starts.txt";
        WriteBytes(file, text);
        return file;
    }
};

TEST_F(MonthStartsWindowTest, EveryEntryIsListedTheIgnoredOnesMarkedWithWhy)
{
    Open();
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->isVisible());
    ASSERT_EQ(Window()->Model().rowCount(), 3);
    EXPECT_EQ(Row(0),
        (QStringList{"Ramadhan 1447", "Friday 20 February 2026", "Thursday 19 February 2026",
            "1 day later", ""}));
    EXPECT_EQ(Row(1).mid(0, 4),
        (QStringList{
            "Thul Qi'dah 1447", "Monday 20 July 2026", "Saturday 18 April 2026", "93 days later"}));
    EXPECT_TRUE(Row(1)[4].startsWith("Ignored: Thul Qi'dah 1447 cannot begin on 20 July 2026"))
        << Row(1)[4].toStdString();
    EXPECT_EQ(Row(2)[0], "1447/13=2026-03-01") << "an entry that names no month, as typed";
    EXPECT_EQ(Row(2)[4], "Ignored: Hijri month 13 does not exist; months run from 1 to 12");
    const auto mark = [this](int row) {
        return Window()->Model().index(row, 0).data(Qt::DecorationRole).isValid();
    };
    EXPECT_FALSE(mark(0));
    EXPECT_TRUE(mark(1));
    EXPECT_TRUE(mark(2));
    EXPECT_EQ(Window()->Table()->accessibleName(), "Recorded month starts");
    EXPECT_EQ(Window()->Model().index(1, 4).data(Qt::AccessibleTextRole), Row(1)[4]);
}

TEST_F(MonthStartsWindowTest, DeleteRemovesTheSelectedMonthAfterAsking)
{
    Open("[HijriMonthStarts]\n1447/9=2026-02-20\n1447/09=2026-02-18\n1447/13=2026-03-01\n");
    Window()->Table()->setFocus();
    Window()->Table()->setCurrentIndex(Window()->Model().index(0, 0));
    m_answer = IDNO;
    QTest::keyClick(Window()->Table(), Qt::Key_Delete);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(
        m_boxes[0].text, "Remove the recorded start of Ramadhan 1447, Friday 20 February 2026?");
    EXPECT_EQ(Window()->Model().rowCount(), 3) << "No keeps it";
    m_answer = IDYES;
    QTest::keyClick(Window()->Table(), Qt::Key_Delete);
    EXPECT_EQ(Section(), "[HijriMonthStarts]\n1447/13=2026-03-01\n")
        << "both spellings of the month go";
    ASSERT_EQ(Window()->Model().rowCount(), 1);
    QTest::keyClick(Window()->Table(), Qt::Key_Delete);
    EXPECT_EQ(m_boxes.back().text, "Remove the entry 1447/13=2026-03-01 from the profile?");
    EXPECT_EQ(Section(), "[HijriMonthStarts]\n");
    EXPECT_EQ(Window()->Model().rowCount(), 0);
}

TEST_F(MonthStartsWindowTest, ImportChecksTheWholeFileFirst)
{
    const std::string kept = "[HijriMonthStarts]\n1447/9=2026-02-20\n";
    const struct {
        const char *name;
        std::string file;
        int answer;
        std::string section; // after
        std::string told; // the beginning of the one box shown, if any
    } cases[] = {
        {"a sound file replaces the records",
            "; the committee\n1447/9=2026-02-20\n1447/10=2026-03-21\n", IDNO,
            "[HijriMonthStarts]\n1447/9=2026-02-20\n1447/10=2026-03-21\n", ""},
        {"records that would go are asked about", "1447/10=2026-03-21\n", IDYES,
            "[HijriMonthStarts]\n1447/10=2026-03-21\n", "Importing \""},
        {"and kept on No", "1447/10=2026-03-21\n", IDNO, kept, "Importing \""},
        {"a bad line", "1447/10=2026-03-21\n1447-11\n", IDYES, kept, "Nothing was imported from "},
        {"a refused record", "1447/10=2026-03-28\n", IDYES, kept, "Nothing was imported from "},
        {"nothing in it", "; no records yet\n", IDYES, kept, "Nothing was imported from "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Open(kept);
        m_boxes.clear();
        m_answer = c.answer;
        const std::filesystem::path file = File(c.file);
        Window()->ImportFile(QString::fromStdString(file.string()));
        EXPECT_EQ(Section(), c.section);
        ASSERT_EQ(m_boxes.size(), c.told.empty() ? 0u : 1u);
        if (!c.told.empty()) {
            EXPECT_EQ(m_boxes[0].text.rfind(c.told, 0), 0u) << m_boxes[0].text;
        }
        m_app.reset();
    }
    Open(kept);
    m_boxes.clear();
    Window()->ImportFile(QString::fromStdString(File("1447/10=2026-03-21\n1447-11\n").string()));
    EXPECT_NE(m_boxes.at(0).text.find("line 2: "), std::string::npos) << m_boxes[0].text;
    Window()->ImportFile(QString::fromStdString(m_dir.string()));
    EXPECT_NE(m_boxes.at(1).text.find(": it is not a file."), std::string::npos) << m_boxes[1].text;
    Window()->ImportFile(QString::fromStdString(File(std::string(2 << 20, ';')).string()));
    EXPECT_NE(
        m_boxes.at(2).text.find("larger than a list of month starts can be"), std::string::npos);
    EXPECT_EQ(Section(), kept);
}

TEST_F(MonthStartsWindowTest, TheQuestionAboutTheNewMoonIsSwitchedAndTimedHereAndInTheMenu)
{
    Open("");
    QAction *item = Frame()->GetMenu()->FindItem(ID_OPTIONS_ASK_NEW_MOON);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Ask About the &New Moon");
    EXPECT_EQ(Frame()->GetMenu()->FindItem(ID_OPTIONS_HIJRI_MONTH_STARTS)->text(),
        "Hijri &Month Starts...");
    Frame()->UpdateCommandUI();
    EXPECT_FALSE(item->isChecked()) << "off by default";
    EXPECT_FALSE(Window()->AskBox()->isChecked());
    EXPECT_EQ(Window()->AskTime()->time(), QTime(18, 0));

    Window()->AskBox()->setFocus();
    QTest::keyClick(Window()->AskBox(), Qt::Key_Space);
    EXPECT_EQ(ReadProfileEntry(m_profile, kDefaultsSection, kAskNewMoonEntry, ""), "ON");
    Frame()->UpdateCommandUI();
    EXPECT_TRUE(item->isChecked());
    Window()->AskTime()->setTime(QTime(19, 30));
    emit Window()->AskTime()->editingFinished();
    EXPECT_EQ(ReadProfileEntry(m_profile, kDefaultsSection, kNewMoonTimeEntry, ""), "19:30");

    Frame()->ExecuteCommand(ID_OPTIONS_ASK_NEW_MOON);
    EXPECT_FALSE(Window()->AskBox()->isChecked()) << "the window follows the menu";
    EXPECT_EQ(ReadProfileEntry(m_profile, kDefaultsSection, kAskNewMoonEntry, ""), "OFF");
    EXPECT_TRUE(m_boxes.empty());
}

} // namespace

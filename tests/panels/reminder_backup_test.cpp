// File > Back Up Reminders and Restore Reminders as a user does them: the
// dialogs open in the documents folder, a restore asks first, replaces the
// profile, keeps the old one beside it, and every window follows at once; a
// file that is no backup is refused and changes nothing.
#include "tests/panels/documents_home.h"
#include "tests/reminders/temp_folder.h"

#include "resources/resource.h"
#include "shell/main_frame.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const char kProfile[] = "[Reminder]\nRamadhan/27=Visit uncle\n[Alarm]\nRamadhan/27=07:30 15\n";

class ReminderBackupTest : public DocumentsHomeTest {
protected:
    CMainFrame *MainFrame() const { return static_cast<CMainFrame *>(Frame()); }
    int Listed() const { return MainFrame()->GetAllRemindersWindow()->Model().rowCount(); }
};

TEST_F(ReminderBackupTest, RestoringABackupBringsTheRemindersBackToEveryWindow)
{
    std::ofstream(m_profile, std::ios::binary) << kProfile;
    Start();
    Frame()->ExecuteCommand(ID_VIEW_ALL_REMINDERS);
    ASSERT_EQ(Listed(), 1);

    QString folder;
    const std::filesystem::path backup = Documents() / "backup.INI";
    AnswerFileDialog(backup, &folder);
    Frame()->ExecuteCommand(ID_FILE_BACKUP_REMINDERS);
    EXPECT_EQ(folder.toStdString(), Documents().string());
    const std::string backedUp = ReadBytes(m_profile);
    EXPECT_EQ(ReadBytes(backup), backedUp);
    EXPECT_EQ(MainFrame()->m_statusBar.GetPaneText(0),
        "Reminders and settings backed up to " + backup.string() + " (reminders: 1)");

    View()->ShowDate(true, 1448, 9, "27");
    QTest::mouseClick(Control<QPushButton>(IDC_DELETE), Qt::LeftButton);
    ASSERT_EQ(Listed(), 0);
    const std::string deleted = ReadBytes(m_profile);

    m_answer = IDYES;
    AnswerFileDialog(backup, &folder);
    Frame()->ExecuteCommand(ID_FILE_RESTORE_REMINDERS);
    EXPECT_EQ(folder.toStdString(), Documents().string());
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_NE(m_boxes[0].text.find("Reminders in the backup: 1. Reminders now: 0."), CString::npos)
        << m_boxes[0].text;
    EXPECT_EQ(ReadBytes(m_profile), backedUp);
    EXPECT_EQ(ReadBytes(m_dir / "zamanix.INI.bak"), deleted) << "the profile as it was";
    EXPECT_EQ(Listed(), 1) << "All Reminders follows at once";
    View()->OnViewReminder();
    EXPECT_EQ(Control<QPlainTextEdit>(IDC_MEMO)->toPlainText(), "Visit uncle");
    EXPECT_EQ(MainFrame()->m_statusBar.GetPaneText(0),
        "Reminders restored from " + backup.string() +
            " (reminders now: 1); the profile as it "
            "was is kept in " +
            (m_dir / "zamanix.INI.bak").string());
}

TEST_F(ReminderBackupTest, ARestoreThatIsRefusedOrDeclinedChangesNothing)
{
    std::ofstream(m_profile, std::ios::binary) << kProfile;
    std::ofstream(Documents() / "backup.INI") << "[Reminder]\nRajab/1=New\n";
    std::ofstream(Documents() / "reminders.ics") << "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n";
    Start();
    const std::string profile = ReadBytes(m_profile);
    const struct {
        const char *name;
        const char *file;
        int answer;
        const char *said; // in the one box shown
    } cases[] = {
        {"not a backup", "reminders.ics", IDYES, "is not a backup of the reminders"},
        {"declined", "backup.INI", IDNO, "Reminders in the backup: 1. Reminders now: 1."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        m_boxes.clear();
        m_answer = c.answer;
        AnswerFileDialog(Documents() / c.file);
        Frame()->ExecuteCommand(ID_FILE_RESTORE_REMINDERS);
        ASSERT_EQ(m_boxes.size(), 1u);
        EXPECT_NE(m_boxes[0].text.find(c.said), CString::npos) << m_boxes[0].text;
        EXPECT_EQ(ReadBytes(m_profile), profile);
        EXPECT_FALSE(std::filesystem::exists(m_dir / "zamanix.INI.bak"));
        EXPECT_EQ(MainFrame()->m_statusBar.GetPaneText(0), "Ready");
    }
}

// Save As of a new document opens in the documents folder too, not in the
// folder the program happened to be started in.
TEST_F(ReminderBackupTest, SaveAsOpensInTheDocumentsFolder)
{
    Start();
    QString folder;
    AnswerFileDialog({}, &folder); // with the name it offers
    Frame()->ExecuteCommand(ID_FILE_SAVE_AS);
    EXPECT_EQ(folder.toStdString(), Documents().string());
    EXPECT_TRUE(std::filesystem::exists(Documents() / "Untitled"));
}

} // namespace

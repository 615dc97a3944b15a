// File > Export Reminders and File > Print to a file, answered in their
// dialogs with the profile or one of its files: a message says why, and
// nothing is written there.
#include "tests/form/form_fixture.h"
#include "tests/panels/documents_home.h"
#include "tests/reminders/temp_folder.h"

#include "framework/printing.h"
#include "framework/view.h"
#include "resources/resource.h"
#include "shell/main_frame.h"

#include <QFileDialog>
#include <QPrinter>
#include <QTimer>

namespace {

const char kProfile[] = "[Reminder]\nRamadhan/27=Visit uncle\n[Alarm]\nRamadhan/27=07:30 15\n";

class ProfileTargetTest : public ProgramTest {
protected:
    // The paths that lead to the profile or to one of its files.
    std::vector<std::filesystem::path> Targets()
    {
        std::filesystem::create_symlink(m_profile, m_dir / "reminders.ics");
        return {m_profile, m_dir / "reminders.ics", m_dir / "zamanix.INI.lock",
            m_dir / "zamanix.INI.bak"};
    }
};

TEST_F(ProfileTargetTest, ExportRefusesTheProfileAndItsFiles)
{
    std::ofstream(m_profile, std::ios::binary) << kProfile;
    Start();
    const std::string profile = ReadBytes(m_profile); // with the start's record
    for (const std::filesystem::path &target : Targets()) {
        SCOPED_TRACE(target.string());
        m_boxes.clear();
        // The save dialog, answered with the file.
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->setOption(QFileDialog::DontConfirmOverwrite);
            dialog->selectFile(QString::fromStdString(target.string()));
            static_cast<QDialog *>(dialog)->accept();
        });
        Frame()->ExecuteCommand(ID_FILE_EXPORT_REMINDERS);
        ASSERT_EQ(m_boxes.size(), 1u);
        EXPECT_NE(m_boxes[0].text.find("could not be exported"), CString::npos);
        EXPECT_NE(m_boxes[0].text.find("which holds the reminders and settings"), CString::npos)
            << m_boxes[0].text;
        EXPECT_EQ(ReadBytes(m_profile), profile);
    }
    EXPECT_EQ(ReadBytes(m_dir / "zamanix.INI.lock"), "");
    EXPECT_FALSE(std::filesystem::exists(m_dir / "zamanix.INI.bak"));
}

TEST_F(ProfileTargetTest, PrintToFileRefusesTheProfileAndItsFiles)
{
    std::ofstream(m_profile, std::ios::binary) << kProfile;
    Start();
    const std::string profile = ReadBytes(m_profile); // with the start's record
    CView view; // a page of its own: the refusal comes before any page
    for (const std::filesystem::path &target : Targets()) {
        SCOPED_TRACE(target.string());
        m_boxes.clear();
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(target.string()));
        PrintView(&view, printer, true);
        ASSERT_EQ(m_boxes.size(), 1u);
        EXPECT_NE(m_boxes[0].text.find("nothing was printed to it"), CString::npos)
            << m_boxes[0].text;
        EXPECT_EQ(ReadBytes(m_profile), profile);
    }
    EXPECT_EQ(ReadBytes(m_dir / "zamanix.INI.lock"), "");
    EXPECT_FALSE(std::filesystem::exists(m_dir / "zamanix.INI.bak"));
}

TEST_F(DocumentsHomeTest, ExportOpensInTheDocumentsFolderAndSaysHowManyEventsWentWhere)
{
    const std::filesystem::path documents = Documents();
    const struct {
        const char *name;
        const char *profile;
        const char *said;
    } cases[] = {
        {"five years of one reminder", "[Reminder]\nDecember/07=Pay the rent\n",
            "5 events of the next 5 years written to "},
        {"none", "[Reminder]\nApril/31=Never\n", "No reminder falls due in the next 5 years; "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::ofstream(m_profile, std::ios::binary) << c.profile;
        std::filesystem::remove(documents / "zamanix-reminders.ics"); // no question to replace it
        Start();
        QString folder;
        AnswerFileDialog({}, &folder); // with the name it offers
        Frame()->ExecuteCommand(ID_FILE_EXPORT_REMINDERS);
        EXPECT_EQ(folder.toStdString(), documents.string());
        const std::string file = (documents / "zamanix-reminders.ics").string();
        EXPECT_TRUE(std::filesystem::exists(file));
        EXPECT_EQ(static_cast<CMainFrame *>(Frame())->m_statusBar.GetPaneText(0),
            c.said + file + (std::string(c.name) == "none" ? " holds no events" : ""));
        EXPECT_TRUE(m_boxes.empty());
        m_app.reset();
    }
}

} // namespace

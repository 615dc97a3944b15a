// File > Export Reminders and File > Print to a file, answered in their
// dialogs with the profile or one of its files: a message says why, and
// nothing is written there.
#include "tests/form/form_fixture.h"
#include "tests/reminders/temp_folder.h"

#include "framework/printing.h"
#include "framework/view.h"
#include "resources/resource.h"

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

} // namespace

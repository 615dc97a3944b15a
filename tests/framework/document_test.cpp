// The document's file commands as the user meets them: the texts of failed
// opens and saves, and the question before a save would erase a file.
#include "framework/document.h"
#include "framework/save_folder.h"
#include "tests/framework/message_box_texts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace {

TEST(FileErrorMessage, SaysWhatWentWrongAndWhere)
{
    const struct {
        const char *name;
        int err;
        bool writing;
        const char *text;
    } cases[] = {
        {"not found", ENOENT, false,
            "/d/x.zam\nCannot find this file.\nPlease verify that the correct path and file name "
            "are given."},
        {"read-only on write", EACCES, true,
            "Unable to write to /d/x.zam, it is read-only or opened by someone else.\n"
            "(Permission denied)"},
        {"read-only file system", EROFS, true,
            "Unable to write to /d/x.zam, it is read-only or opened by someone else.\n"
            "(Read-only file system)"},
        // Nobody holds a file open against readers here: no "someone else".
        {"access denied on read", EACCES, false,
            "An unexpected error occurred while reading /d/x.zam.\n(Permission denied)"},
        {"disk full", ENOSPC, true, "Destination disk drive is full.\n(No space left on device)"},
        {"folder missing on write", ENOENT, true,
            "An unexpected error occurred while writing /d/x.zam.\n(No such file or directory)"},
        {"other read error", EIO, false,
            "An unexpected error occurred while reading /d/x.zam.\n(Input/output error)"},
        {"other write error", EIO, true,
            "An unexpected error occurred while writing /d/x.zam.\n(Input/output error)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FileErrorMessage(c.err, "/d/x.zam", c.writing), c.text);
    }
}

TEST(SaveFolder, BesideTheFileSavedLastElseInDocumentsElseAtHome)
{
    char pattern[] = "/tmp/zamanix-doc-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::filesystem::path dir = pattern;
    std::filesystem::create_directories(dir / "home" / "Documents");
    std::filesystem::create_directories(dir / "saved");
    const QString home = QString::fromStdString((dir / "home").string());
    const QString documents = QString::fromStdString((dir / "home" / "Documents").string());
    const QString saved = QString::fromStdString((dir / "saved").string());
    const struct {
        const char *name;
        QString current, documents, folder;
    } cases[] = {
        {"nothing saved yet", {}, documents, documents},
        {"a file saved before", saved + "/a.zam", documents, saved},
        {"its folder is gone", home + "/gone/a.zam", documents, documents},
        {"a name without a folder", QStringLiteral("Untitled"), documents, documents},
        {"no documents folder", {}, home + "/Missing", home},
        {"none named", {}, {}, home},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChooseSaveFolder(c.current, c.documents, home), c.folder);
    }
    std::filesystem::remove_all(dir);
}

class DocumentTest : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/zamanix-doc-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override
    {
        std::filesystem::remove_all(m_dir);
    }
    std::string Path(const char *name) const { return (m_dir / name).string(); }

    std::filesystem::path m_dir;
    CMessageBoxTexts m_boxes;
    CDocument m_doc;
};

TEST_F(DocumentTest, FailedOpensAndSavesShowTheirText)
{
    std::filesystem::create_directory(m_dir / "folder");
    // Nobody at its other end: opening it as a file would wait for ever.
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    const struct {
        const char *name;
        bool saving;
        std::string path;
        std::string text;
    } cases[] = {
        {"open a missing file", false, Path("gone.zam"),
            Path("gone.zam") + "\nCannot find this file."},
        {"open a folder", false, Path("folder"),
            "An unexpected error occurred while reading " + Path("folder") + ".\n(Is a directory)"},
        {"save into a missing folder", true, Path("gone/x.zam"),
            "An unexpected error occurred while writing " + Path("gone/x.zam") +
                ".\n(No such file or directory)"},
        {"save over a folder", true, Path("folder"),
            "An unexpected error occurred while writing " + Path("folder") + ".\n(Is a directory)"},
        {"open a pipe", false, Path("pipe"),
            "An unexpected error occurred while reading " + Path("pipe") +
                ".\n(Not a regular file: a pipe, socket or device cannot hold a document)"},
        {"save over a pipe", true, Path("pipe"),
            "An unexpected error occurred while writing " + Path("pipe") +
                ".\n(Not a regular file: a pipe, socket or device cannot hold a document)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        m_boxes.clear();
        const BOOL done =
            c.saving ? m_doc.OnSaveDocument(c.path.c_str()) : m_doc.OnOpenDocument(c.path.c_str());
        EXPECT_FALSE(done);
        ASSERT_EQ(m_boxes.size(), 1u);
        EXPECT_TRUE(m_boxes[0].starts_with(c.text)) << m_boxes[0];
    }
}

// The question before a file with bytes is emptied, in a real box: Enter
// answers No, and the file keeps its bytes.
TEST_F(DocumentTest, SavingOverAFileWithBytesAsksAndEnterSaysNo)
{
    SetMessageBoxResponder({});
    const std::string path = Path("notes.txt");
    std::ofstream(path) << "my notes";
    QString question, focused;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        question = box->text();
        focused = box->defaultButton() ? box->defaultButton()->text() : QString();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_FALSE(m_doc.DoSave(path.c_str()));
    EXPECT_TRUE(question.contains(QString::fromStdString(path) + " is not empty"))
        << question.toStdString();
    EXPECT_EQ(focused.remove(QLatin1Char('&')), "No");
    std::ifstream in(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "my notes");
    EXPECT_TRUE(m_doc.GetPathName().empty()) << "the document did not take the path";
}

} // namespace

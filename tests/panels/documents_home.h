// The program with a home folder of the test's own that has a documents
// folder, where the save and open dialogs are to start; and the answer to
// the dialog that such a command opens.
#pragma once

#include "tests/form/form_fixture.h"

#include <QDialog>
#include <QFileDialog>
#include <QTimer>

#include <cstdlib>
#include <utility>
#include <vector>

class DocumentsHomeTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        for (const char *name : {"HOME", "XDG_CONFIG_HOME"})
            if (const char *value = std::getenv(name))
                m_saved.emplace_back(name, value);
        std::filesystem::create_directories(Documents());
        setenv("HOME", (m_dir / "home").c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
    }
    void TearDown() override
    {
        unsetenv("HOME");
        for (const auto &[name, value] : m_saved)
            setenv(name.c_str(), value.c_str(), 1);
        ProgramTest::TearDown();
    }

    std::filesystem::path Documents() const { return m_dir / "home" / "Documents"; }

    // Answers the file dialog that the next command opens with `file`, or
    // with the name it offers when `file` is empty; `folder` gets the folder
    // it opened in.
    static void AnswerFileDialog(const std::filesystem::path &file, QString *folder = nullptr)
    {
        QTimer::singleShot(0, [file, folder] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (folder)
                *folder = dialog->directory().absolutePath();
            if (!file.empty())
                dialog->selectFile(QString::fromStdString(file.string()));
            static_cast<QDialog *>(dialog)->accept();
        });
    }

    std::vector<std::pair<std::string, std::string>> m_saved;
};

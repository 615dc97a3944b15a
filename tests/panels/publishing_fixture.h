// The whole program beside a Radicale of the test's own (on a free port of
// the loopback interface), with the clock of the test: publishing as a user
// meets it, through the Calendar Server dialog, the form and the status bar.
#pragma once

#include "tests/form/form_fixture.h"
#include "tests/reminders/temp_folder.h"
#include "tests/sync/radicale_process.h"

#include "panels/calendar_server_dialog.h"
#include "panels/publish_status_pane.h"
#include "panels/reminder_publishing.h"
#include "shell/main_frame.h"

#include <QApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <memory>
#include <set>
#include <string>

class PublishingFixture : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        m_now = At(2026, 12, 7, 12, 0);
        std::filesystem::create_directories(m_dir / "server");
        m_server = std::make_unique<CRadicaleProcess>((m_dir / "server").string());
        ASSERT_TRUE(m_server->Running());
    }

    void TearDown() override
    {
        m_app.reset(); // its requests go before the server
        m_server.reset();
        ProgramTest::TearDown();
    }

    CMainFrame *Main() const { return static_cast<CMainFrame *>(Frame()); }
    CReminderPublishing &Publishing() const { return *Main()->GetPublishing(); }
    QString Url() const { return QString::fromStdString(m_server->Url("anna/zamanix/")); }
    // What the status bar's pane of publishing shows.
    QString Pane() const
    {
        const auto *pane = Frame()->GetMainWindow()->findChild<CPublishStatusPane *>();
        return pane && pane->isVisibleTo(Frame()->GetMainWindow()) ? pane->text() : QString();
    }

    // Options > Calendar Server..., the keyboard focus in it.
    CCalendarServerDialog *OpenDialog()
    {
        Frame()->ExecuteCommand(ID_OPTIONS_CALENDAR_SERVER);
        CCalendarServerDialog *dialog = Main()->GetCalendarServerDialog();
        const bool active = dialog && QTest::qWaitFor([&] {
            // The main window's first activation may come after it.
            if (QApplication::activeWindow() != dialog)
                dialog->activateWindow();
            return QApplication::activeWindow() == dialog;
        });
        if (active)
            return dialog;
        ADD_FAILURE() << "the dialog did not open";
        return nullptr;
    }
    // Types into the control that has the keyboard focus, then Tab.
    static void TypeThenTab(const QString &text)
    {
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // The dialog filled in by keyboard from its first box, then Enter.
    void SetUpByKeyboard(const QString &password, int years = 2)
    {
        TypeThenTab(Url());
        TypeThenTab(QString::fromUtf8(CRadicaleProcess::kUser));
        TypeThenTab(password);
        QTest::keyClicks(QApplication::focusWidget(), QString::number(years));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }

    // The summaries of the events the server keeps, from its own files.
    std::multiset<std::string> ServerSummaries() const
    {
        std::multiset<std::string> summaries;
        const std::filesystem::path root = m_dir / "server" / "collections";
        std::error_code error;
        for (const auto &entry : std::filesystem::recursive_directory_iterator(root, error)) {
            const std::string path = entry.path().string();
            if (entry.path().extension() != ".ics" || path.find("/.Radicale") != std::string::npos)
                continue;
            const std::string text = ReadBytes(entry.path());
            const std::size_t at = text.find("\nSUMMARY:");
            if (at != std::string::npos)
                summaries.insert(text.substr(at + 9, text.find_first_of("\r\n", at + 1) - at - 9));
        }
        return summaries;
    }

    std::unique_ptr<CRadicaleProcess> m_server;
};

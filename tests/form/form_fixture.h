// A whole program on Qt's offscreen platform, with a profile file of its own,
// a clock the test sets and message boxes the test answers.
#pragma once

#include "form/zamanix_view.h"
#include "framework/ctime.h"
#include "framework/doc_template.h"
#include "framework/frame.h"
#include "framework/message_box.h"
#include "reminders/profile.h"
#include "shell/zamanix_app.h"

#include "resources/resource.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct ShownBox {
    CString text;
    UINT style;
};

// Why the test cannot run in the locale it was started for
// (ZAMANIX_TEST_LOCALE), or "" when the process runs in it.
inline std::string MissingTestLocale()
{
    const char *wanted = std::getenv("ZAMANIX_TEST_LOCALE");
    const char *running = std::setlocale(LC_ALL, nullptr);
    if (wanted && running && std::string(running) == wanted)
        return {};
    return std::string("the locale ") + (wanted ? wanted : "(none)") +
        " is not installed (package locales-all)";
}

class ProgramTest : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/zamanix-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        m_profile = m_dir / "zamanix.INI";
        SetClock([this] { return m_now; });
        SetMessageBoxResponder([this](const CString &text, UINT style) {
            m_boxes.push_back({text, style});
            return m_answer;
        });
    }

    void TearDown() override
    {
        m_app.reset();
        SetClock({});
        SetMessageBoxResponder({});
        std::filesystem::remove_all(m_dir);
    }

    // Starts the program as a plain start does.
    void Start()
    {
        m_app = std::make_unique<CZamanixApp>();
        m_app->m_pszAppName = "Zamanix";
        m_app->m_pszProfileName = m_profile;
        ASSERT_TRUE(m_app->InitInstance());
        ASSERT_TRUE(Started());
    }

    // Starts the program as main() would with these arguments after its
    // name; `prepare` runs just before the start-up.
    BOOL StartWith(std::vector<std::string> args, const std::function<void()> &prepare = {})
    {
        m_args = {"zamanix"};
        m_args.insert(m_args.end(), args.begin(), args.end());
        m_argv.clear();
        for (std::string &arg : m_args)
            m_argv.push_back(arg.data());
        m_app = std::make_unique<CZamanixApp>();
        m_app->m_pszAppName = "Zamanix";
        m_app->m_pszProfileName = m_profile;
        m_app->m_argc = static_cast<int>(m_argv.size());
        m_app->m_argv = m_argv.data();
        if (prepare)
            prepare();
        const BOOL started = m_app->InitInstance();
        EXPECT_TRUE(Started());
        return started;
    }

    // Whether the start's work after the window's first paint came within
    // the deadline.
    bool Started() const
    {
        QApplication::processEvents();
        return QTest::qWaitFor([this] { return m_app->StartFinished(); }, 5000);
    }

    // Seconds since 1970 of a UTC date and time (the tests run in UTC).
    static std::int64_t At(int year, int month, int day, int hour = 12, int minute = 0)
    {
        std::tm t{};
        t.tm_year = year - 1900;
        t.tm_mon = month - 1;
        t.tm_mday = day;
        t.tm_hour = hour;
        t.tm_min = minute;
        return static_cast<std::int64_t>(timegm(&t));
    }

    void Store(const char *section, const CString &key, const CString &value)
    {
        ASSERT_TRUE(WriteProfileEntry(m_profile, section, key, value));
    }

    CZamanixView *View() const
    {
        return static_cast<CZamanixView *>(m_app->GetDocTemplate()->GetView());
    }
    CFrameWnd *Frame() const { return m_app->GetDocTemplate()->GetFrame(); }

    template <typename T> T *Control(int id) const
    {
        return qobject_cast<T *>(View()->GetDlgItem(id));
    }

    // What a control of the form shows: an edit field's text, a label's,
    // the memo.
    QString FormText(int id) const
    {
        if (auto *edit = Control<QLineEdit>(id))
            return edit->text();
        if (auto *label = Control<QLabel>(id))
            return label->text();
        auto *memo = Control<QPlainTextEdit>(id);
        return memo ? memo->toPlainText() : QString();
    }

    // Enters a date as the user would (the calendar, IDC_HIJRI or
    // IDC_CHRISTIAN, the month, the day and the year as typed) and runs View.
    void ViewDate(int calendar, const char *month, const char *day, const char *year)
    {
        QTest::mouseClick(Control<QWidget>(calendar), Qt::LeftButton);
        Control<QComboBox>(IDC_MONTH)->setCurrentText(month);
        Control<QLineEdit>(IDC_DAY)->setText(day);
        Control<QLineEdit>(IDC_YEAR)->setText(year);
        View()->OnViewReminder();
    }

    std::filesystem::path m_dir;
    std::filesystem::path m_profile;
    std::int64_t m_now = At(1998, 3, 6, 9, 30);
    std::vector<ShownBox> m_boxes;
    int m_answer = IDOK;
    std::unique_ptr<CZamanixApp> m_app;
    std::vector<std::string> m_args;
    std::vector<char *> m_argv;
};

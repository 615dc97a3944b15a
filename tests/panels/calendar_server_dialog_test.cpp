// Options > Calendar Server... by keyboard alone, against a real Radicale:
// the settings go to the profile, the password to a GNOME keyring of the
// test's own (tests/sync/with_keyring.sh), where the next start and
// zamanix-reminders find it, or, with no keyring answering, for the session
// only, which the dialog says. What a screen reader calls each control.
#include "tests/panels/publishing_fixture.h"

#include "reminders/profile.h"
#include "sync/server_password.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>

#include <cstdlib>

namespace {

class CalendarServerDialogTest : public PublishingFixture {
protected:
    // Opens the dialog and sets up publishing by keyboard; true once the
    // keyring (or the session) has the password and the first publish
    // succeeded.
    CCalendarServerDialog *SetUpAndPublish(const QString &passwordNote)
    {
        std::ofstream(m_profile, std::ios::binary) << "[Reminder]\nMarch/06=Dentist\n";
        Start();
        CCalendarServerDialog *dialog = OpenDialog();
        if (!dialog)
            return nullptr;
        EXPECT_EQ(QApplication::focusWidget(), dialog->UrlBox()) << "typing starts with the URL";
        SetUpByKeyboard(QString::fromUtf8(CRadicaleProcess::kPassword), 3);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return dialog->PasswordNote()->text().startsWith(passwordNote); }, 30000))
            << dialog->PasswordNote()->text().toStdString();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return dialog->StatusLine()->text().startsWith("Reminders published"); }, 30000))
            << dialog->StatusLine()->text().toStdString();
        EXPECT_EQ(ReadProfileEntry(m_profile, "CalendarServer", "URL", ""), Url().toStdString());
        EXPECT_EQ(ReadProfileEntry(m_profile, "CalendarServer", "User", ""), "anna");
        EXPECT_EQ(ReadProfileEntry(m_profile, "CalendarServer", "Years", ""), "3");
        EXPECT_EQ(ServerSummaries().count("Dentist"), 3u) << "three years of it";
        EXPECT_TRUE(m_boxes.empty()) << (m_boxes.empty() ? "" : m_boxes[0].text);
        return dialog;
    }
};

TEST_F(CalendarServerDialogTest, RealTimeByKeyboardThePasswordGoesInTheKeyring)
{
    ASSERT_NE(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr);
    ASSERT_NE(SetUpAndPublish("The password is kept in your desktop's keyring."), nullptr);
    const KeyringPassword kept = ReadKeyringPassword(Url().toStdString(), "anna");
    EXPECT_EQ(kept.answer, KeyringPassword::Found) << kept.problem;
    EXPECT_EQ(kept.password, CRadicaleProcess::kPassword);

    // The next start publishes with it, and the dialog shows it kept.
    m_app.reset();
    m_now += 60;
    Start();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return Pane().startsWith("Reminders published at 12:01: 0 added"); }, 30000))
        << Pane().toStdString();
    CCalendarServerDialog *dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return dialog->PasswordBox()->text() == CRadicaleProcess::kPassword; }, 30000));
    EXPECT_EQ(dialog->PasswordNote()->text(), "The password is kept in your desktop's keyring.");
    EXPECT_EQ(dialog->YearsBox()->value(), 3);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(CalendarServerDialogTest, RealTimeByKeyboardWithoutAKeyringThePasswordIsKeptForTheSession)
{
    CCalendarServerDialog *dialog = SetUpAndPublish("No keyring answered (");
    ASSERT_NE(dialog, nullptr);
    EXPECT_NE(dialog->PasswordNote()->text().indexOf(
                  "so the password is kept for this session only: give it here again after "
                  "Zamanix restarts."),
        -1);
    EXPECT_NE(ReadKeyringPassword(Url().toStdString(), "anna").answer, KeyringPassword::Found);

    // The next start has no password: it says so once, and where to give it.
    m_app.reset();
    Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_boxes.size() == 1; }, 30000));
    EXPECT_NE(m_boxes[0].text.find("no password is kept for \"anna\" at " + Url().toStdString() +
                  "; give it in Options > Calendar Server..."),
        std::string::npos)
        << m_boxes[0].text;
    dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return dialog->PasswordNote()->text().startsWith("No password is kept"); }, 30000))
        << dialog->PasswordNote()->text().toStdString();
    EXPECT_EQ(dialog->PasswordBox()->text(), "");
}

TEST_F(CalendarServerDialogTest, EveryControlIsNamedAsItReads)
{
    Start();
    CCalendarServerDialog *dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    const struct {
        QWidget *control;
        const char *name;
    } cases[] = {
        {dialog->UrlBox(), "Calendar URL"},
        {dialog->UserBox(), "User name"},
        {dialog->PasswordBox(), "Password"},
        {dialog->YearsBox(), "Years ahead"},
        {dialog->PublishButton(), "Publish Now"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QAccessibleInterface *control = QAccessible::queryAccessibleInterface(c.control);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->text(QAccessible::Name), c.name);
    }
    EXPECT_EQ(dialog->StatusLine()->text(),
        "Publishing is off: give the URL of a calendar to publish to.");
    // Escape closes it; nothing was changed, so nothing is asked.
    QTest::keyClick(dialog->UrlBox(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(m_boxes.empty());
}

} // namespace

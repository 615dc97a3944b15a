// Publishing from the desktop program as a user meets it, against a real
// Radicale: a reminder added in the form reaches the server once a burst of
// changes has settled (the test moves the schedule's clock on, and waits
// only for the server), in the background, with the result in the status
// bar; and a failure told once, however often it is tried again, while
// nothing local changes.
#include "tests/panels/publishing_fixture.h"

#include "framework/message_box.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <fstream>

namespace {

class PublishingTest : public PublishingFixture {
protected:
    void Start()
    {
        PublishingFixture::Start();
        QObject::connect(&Publishing(), &CReminderPublishing::finished,
            [this](const PublishResult &result) { m_results.push_back(result); });
    }
    bool WaitForResults(std::size_t count)
    {
        return QTest::qWaitFor([&] { return m_results.size() >= count; }, 30000);
    }
    void AddInForm(const char *month, const char *day, const QString &memo)
    {
        ViewDate(IDC_CHRISTIAN, month, day, "2027");
        Control<QPlainTextEdit>(IDC_MEMO)->setPlainText(memo);
        View()->OnAddReminder();
    }

    std::vector<PublishResult> m_results;
};

TEST_F(PublishingTest, RealTimeAReminderAddedInTheFormReachesTheServerOnceTheBurstSettles)
{
    std::ofstream(m_profile, std::ios::binary) << "[Reminder]\nRamadhan/27=Visit uncle\n";
    Start();
    EXPECT_FALSE(Publishing().IsSetUp());
    EXPECT_EQ(Pane(), "") << "no pane while publishing is not set up";

    // Set up in the dialog, it publishes at once: the calendar is created.
    ASSERT_NE(OpenDialog(), nullptr);
    SetUpByKeyboard(QString::fromUtf8(CRadicaleProcess::kPassword));
    ASSERT_TRUE(WaitForResults(1));
    ASSERT_TRUE(m_results[0].Succeeded()) << m_results[0].message;
    EXPECT_TRUE(m_results[0].createdCalendar);
    EXPECT_EQ(ServerSummaries(), (std::multiset<std::string>{"Visit uncle", "Visit uncle"}));
    EXPECT_EQ(Pane(), "Reminders published at 12:00 to a new calendar: 2 added.");

    AddInForm("March", "06", QStringLiteral("Dentist"));
    EXPECT_EQ(Publishing().NextPublish(), m_now + CPublishSchedule::kSettle);
    m_now += CPublishSchedule::kSettle - 1;
    Publishing().PublishIfDue();
    EXPECT_FALSE(Publishing().IsPublishing()) << "not before the burst has settled";
    AddInForm("April", "01", QStringLiteral("Rent"));
    const std::string profile = ReadBytes(m_profile);
    m_now += CPublishSchedule::kSettle;
    Publishing().PublishIfDue();
    EXPECT_TRUE(Publishing().IsPublishing()) << "the window does not wait for the server";
    ASSERT_TRUE(WaitForResults(2));
    EXPECT_EQ(m_results[1].Summary(), "4 added, 0 changed, 0 removed, 2 unchanged")
        << m_results[1].message;
    EXPECT_EQ(ServerSummaries(),
        (std::multiset<std::string>{
            "Dentist", "Dentist", "Rent", "Rent", "Visit uncle", "Visit uncle"}));
    EXPECT_EQ(Pane(), "Reminders published at 12:00: 4 added, 0 changed, 0 removed, 2 unchanged.");
    EXPECT_EQ(Publishing().NextPublish(), m_now + CPublishSchedule::kDaily)
        << "one publish for the burst, the next one tomorrow";
    EXPECT_EQ(ReadBytes(m_profile), profile) << "a publish writes nothing locally";

    // Publish Now in the dialog, and again from the File menu while it runs:
    // the second follows the first, and with nothing changed neither writes.
    QTest::mouseClick(Main()->GetCalendarServerDialog()->PublishButton(), Qt::LeftButton);
    EXPECT_TRUE(Publishing().IsPublishing());
    Frame()->ExecuteCommand(ID_FILE_PUBLISH_NOW);
    ASSERT_TRUE(WaitForResults(4));
    for (std::size_t i : {2, 3})
        EXPECT_EQ(m_results[i].Summary(), "0 added, 0 changed, 0 removed, 6 unchanged");
    EXPECT_FALSE(Publishing().IsPublishing());

    // A day's adjustment of the Hijri calendar moves the Hijri reminder's days.
    Frame()->ExecuteCommand(ID_OPTIONS_HIJRI_ADJUST_PLUS1);
    EXPECT_EQ(Publishing().NextPublish(), m_now + CPublishSchedule::kSettle);
    m_now += CPublishSchedule::kSettle;
    Publishing().PublishIfDue();
    ASSERT_TRUE(WaitForResults(5));
    EXPECT_EQ(m_results[4].Summary(), "2 added, 0 changed, 2 removed, 4 unchanged");
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(PublishingTest, RealTimeAFailureIsToldOnceAndTriedAgainWithGrowingPauses)
{
    std::ofstream(m_profile, std::ios::binary) << "[Reminder]\nMarch/06=Dentist\n";
    Start();
    ASSERT_NE(OpenDialog(), nullptr);
    SetUpByKeyboard(QStringLiteral("wrong"));
    ASSERT_TRUE(WaitForResults(1));
    const std::string profile = ReadBytes(m_profile);
    EXPECT_EQ(m_results[0].failure, PublishFailure::PasswordRefused);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_boxes.size() == 1; }, 5000));
    const std::string refused = "refused the user name \"anna\" or its password (401)";
    EXPECT_NE(m_boxes[0].text.find("could not publish the reminders to " + Url().toStdString() +
                  ": the server 127.0.0.1 " + refused),
        std::string::npos)
        << m_boxes[0].text;
    EXPECT_EQ(Pane().toStdString(),
        "Publishing failed at 12:00: the server 127.0.0.1 " + refused +
            ". Zamanix tries again at 12:01.");

    // Tried again after the pause, with the same failure: not told again.
    m_now += CPublishSchedule::kFirstRetry;
    Publishing().PublishIfDue();
    ASSERT_TRUE(WaitForResults(2));
    QCoreApplication::processEvents();
    EXPECT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(Pane().toStdString(),
        "Publishing failed at 12:01: the server 127.0.0.1 " + refused +
            ". Zamanix tries again at 12:03.");

    // A failure of another kind is told.
    m_server->Stop();
    m_now += 2 * CPublishSchedule::kFirstRetry;
    Publishing().PublishIfDue();
    ASSERT_TRUE(WaitForResults(3));
    EXPECT_EQ(m_results[2].failure, PublishFailure::NoConnection);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_boxes.size() == 2; }, 5000));
    EXPECT_NE(m_boxes[1].text.find("cannot reach 127.0.0.1"), std::string::npos) << m_boxes[1].text;

    EXPECT_EQ(ReadBytes(m_profile), profile) << "a publish writes nothing locally";
    EXPECT_TRUE(ServerSummaries().empty());
}

} // namespace

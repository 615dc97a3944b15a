// The publisher as the desktop program drives it, against a real Radicale:
// the progress it tells, a conflict between the look and the write, and
// each kind of failure.
#include "agenda/reminder_list.h"
#include "calendar/hijri_rule.h"
#include "sync/calendar_publisher.h"
#include "sync/qt_application.h"
#include "tests/reminders/temp_folder.h"
#include "tests/sync/radicale_process.h"

#include <QEventLoop>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace {

constexpr const char *kProfile = "[Defaults]\nHijriCalendar=umalqura\n"
                                 "[Reminder]\nRamadhan/27=Visit uncle\nMarch/06=Dentist\n"
                                 "[Alarm]\nRamadhan/27=07:30 15\n";

std::string madeFolder(const std::filesystem::path &folder)
{
    std::filesystem::create_directories(folder);
    return folder.string();
}

class CalendarPublisherTest : public testing::Test {
protected:
    static void SetUpTestSuite() { s_application = MakeApplicationIfNone(); }
    static void TearDownTestSuite() { s_application.reset(); }

    // The events of the next two years from 7 December 2026.
    std::vector<ReminderEventObject> Events(const std::string &profile)
    {
        WriteBytes(m_folder / "zamanix.INI", profile);
        CProfileSnapshot snapshot;
        EXPECT_TRUE(snapshot.Load(m_folder / "zamanix.INI"));
        return EventsToPublish(snapshot, ProfileHijriCalendar(snapshot),
            ChristianDayNumber({2026, 12, 7}), 1796644800, 2, "Asia/Riyadh");
    }

    CalendarServer Server(const std::string &path = "anna/zamanix/") const
    {
        return {m_server.Url(path), CRadicaleProcess::kUser, CRadicaleProcess::kPassword};
    }

    // Runs a publish to its end; `stages` gets each stage told, once.
    PublishResult Run(CCalendarPublisher &publisher, const CalendarServer &server,
        std::vector<ReminderEventObject> events, std::vector<PublishStage> *stages = nullptr)
    {
        PublishResult result;
        QEventLoop loop;
        bool finished = false;
        const auto progress = QObject::connect(
            &publisher, &CCalendarPublisher::Progress, [&](PublishStage stage, int, int) {
                if (stages && (stages->empty() || stages->back() != stage))
                    stages->push_back(stage);
            });
        const auto done = QObject::connect(
            &publisher, &CCalendarPublisher::Finished, [&](const PublishResult &r) {
                result = r;
                finished = true;
                loop.quit();
            });
        EXPECT_TRUE(publisher.Start(server, std::move(events)));
        EXPECT_FALSE(finished); // never within Start
        EXPECT_FALSE(publisher.Start(server, {})); // one at a time
        loop.exec();
        QObject::disconnect(progress);
        QObject::disconnect(done);
        EXPECT_FALSE(publisher.IsRunning());
        return result;
    }

    static std::unique_ptr<QCoreApplication> s_application;
    CTempFolder m_folder;
    CRadicaleProcess m_server{madeFolder(m_folder / "server")};
};

std::unique_ptr<QCoreApplication> CalendarPublisherTest::s_application;

TEST_F(CalendarPublisherTest, TellsItsProgressAndWritesOnlyWhatChanged)
{
    ASSERT_TRUE(m_server.Running());
    CCalendarPublisher publisher;
    std::vector<PublishStage> stages;
    PublishResult result = Run(publisher, Server(), Events(kProfile), &stages);
    EXPECT_TRUE(result.Succeeded()) << result.message;
    EXPECT_EQ(result.Summary(), "calendar created; 4 added, 0 changed, 0 removed, 0 unchanged");
    EXPECT_EQ(stages,
        (std::vector{
            PublishStage::Looking, PublishStage::CreatingCalendar, PublishStage::Writing}));

    stages.clear();
    result = Run(publisher, Server(), Events(kProfile), &stages);
    EXPECT_EQ(result.Summary(), "0 added, 0 changed, 0 removed, 4 unchanged");
    EXPECT_EQ(
        stages, (std::vector{PublishStage::Looking, PublishStage::Reading, PublishStage::Writing}));
}

TEST_F(CalendarPublisherTest, AnObjectChangedBetweenTheLookAndTheWriteIsLeftAsItIs)
{
    CCalendarPublisher publisher;
    Run(publisher, Server(), Events(kProfile));
    // Another program changes one of the events just before the writes.
    const std::string edited = Server().url + "zamanix-20270306-UmFtYWRoYW4vMjc.ics";
    const auto edit = QObject::connect(
        &publisher, &CCalendarPublisher::Progress, [&](PublishStage stage, int done, int) {
            if (stage == PublishStage::Writing && done == 0) {
                ASSERT_EQ(std::system(
                              ("/usr/bin/python3 " ZAMANIX_SOURCE_DIR "/tests/sync/edit_event.py " +
                                  edited + " anna secret 'Changed on the phone'")
                                  .c_str()),
                    0);
            }
        });
    const std::string changed = "Ramadhan/27=Visit uncle and aunt";
    std::string profile = kProfile;
    profile.replace(profile.find("Ramadhan/27=Visit uncle"), 23, changed);
    PublishResult result = Run(publisher, Server(), Events(profile));
    QObject::disconnect(edit);
    EXPECT_TRUE(result.Succeeded()) << result.message;
    EXPECT_EQ(result.Summary(),
        "0 added, 1 changed, 0 removed, 2 unchanged, 1 left as another program changed them");

    // The next publish finds it changed elsewhere while its reminder changed
    // too: the reminder wins.
    result = Run(publisher, Server(), Events(profile));
    EXPECT_EQ(result.Summary(), "0 added, 1 changed, 0 removed, 3 unchanged");
}

// A port that takes connections and never answers.
struct SilentPort {
    SilentPort()
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(fd, reinterpret_cast<sockaddr *>(&address), length);
        ::listen(fd, 8);
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length);
        port = ntohs(address.sin_port);
    }
    ~SilentPort() { ::close(fd); }
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    int port = 0;
};

TEST_F(CalendarPublisherTest, EachFailureSaysWhatFailed)
{
    CTempFolder tlsFolder;
    CRadicaleProcess tls{madeFolder(tlsFolder / "server"), true};
    SilentPort silent;
    CRadicaleProcess stopped{madeFolder(m_folder / "stopped")};
    const std::string stoppedUrl = stopped.Url("anna/zamanix/");
    stopped.Stop();
    const struct {
        const char *name;
        CalendarServer server;
        PublishFailure failure;
        int status;
        std::string message; // its beginning
    } cases[] = {
        {"wrong password", {Server().url, "anna", "wrong"}, PublishFailure::PasswordRefused, 401,
            "the server 127.0.0.1 refused the user name \"anna\" or its password (401)"},
        {"no user", {Server().url, "", ""}, PublishFailure::PasswordRefused, 401,
            "the server 127.0.0.1 asks for a user name and password (401)"},
        {"stopped server", {stoppedUrl, "anna", "secret"}, PublishFailure::NoConnection, 0,
            "cannot reach 127.0.0.1: Connection refused"},
        {"certificate nobody signed", {tls.Url("anna/zamanix/", true), "anna", "secret"},
            PublishFailure::BadCertificate, 0,
            "the certificate of 127.0.0.1 could not be verified: "},
        {"no answer", {"http://127.0.0.1:" + std::to_string(silent.port) + "/c/", "anna", "x"},
            PublishFailure::Timeout, 0, "127.0.0.1 did not answer within 1 seconds"},
        {"not a calendar", Server("anna/"), PublishFailure::ServerStatus, 0,
            Server("anna/").url + " is not a calendar: "},
        {"another user's folder", Server("bob/zamanix/"), PublishFailure::ServerStatus, 403,
            "the server 127.0.0.1 answered 403 Forbidden to PROPFIND /bob/zamanix/"},
        {"no URL", {"calendar.example.org", "anna", "x"}, PublishFailure::ServerStatus, 0,
            "\"calendar.example.org\" is not the URL of a calendar"},
    };
    CCalendarPublisher publisher;
    publisher.SetRequestTimeout(1000);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const PublishResult result = Run(publisher, c.server, Events(kProfile));
        EXPECT_EQ(result.failure, c.failure);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.message.substr(0, c.message.size()), c.message) << result.message;
        EXPECT_EQ(result.added + result.changed + result.removed, 0);
    }
}

} // namespace

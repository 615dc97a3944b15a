// The publishing module as the desktop program loads it: it gives what the
// code linked here directly gives, publishes to a real Radicale, and speaks
// the program's language through the hooks it is handed at its load.
#include "agenda/ical_export.h"
#include "agenda/reminder_list.h"
#include "calendar/hijri_rule.h"
#include "sync/publishing_module.h"
#include "sync/qt_application.h"
#include "tests/reminders/temp_folder.h"
#include "tests/sync/radicale_process.h"

#include <QEventLoop>

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The program's language, as far as this test needs it: one message of
// the publisher's.
std::string translated(const char *context, const char *source, const char *, int)
{
    if (std::strcmp(context, "Publishing") == 0 && std::strcmp(source, "cannot reach %1: %2") == 0)
        return "%1 injoignable : %2";
    return {};
}

class PublishingModuleTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_application = MakeApplicationIfNone();
        SetTranslationHook(translated);
        std::string error;
        s_module = LoadPublishingModule(error);
        ASSERT_TRUE(s_module) << error;
    }
    static void TearDownTestSuite()
    {
        SetTranslationHook(nullptr);
        s_application.reset();
    }

    CProfileSnapshot Snapshot(const std::string &profile)
    {
        WriteBytes(m_folder / "zamanix.INI", profile);
        CProfileSnapshot snapshot;
        EXPECT_TRUE(snapshot.Load(m_folder / "zamanix.INI"));
        return snapshot;
    }

    static std::unique_ptr<QCoreApplication> s_application;
    static IPublishingModule *s_module;
    CTempFolder m_folder;
};

std::unique_ptr<QCoreApplication> PublishingModuleTest::s_application;
IPublishingModule *PublishingModuleTest::s_module = nullptr;

constexpr const char *kReminders = "[Reminder]\nRamadhan/27=Visit uncle\nMarch/06=Dentist\n"
                                   "[Alarm]\nRamadhan/27=07:30 15\n"
                                   "[MoreReminders]\nFriday=Prayer\nHijri/13=Fast\n"
                                   "[Notice]\nRamadhan/27=3\n";

TEST_F(PublishingModuleTest, ExportsWhatTheProgramExports)
{
    const struct {
        const char *name;
        const char *defaults;
    } cases[] = {
        {"astronomical", ""},
        {"Umm al-Qura", "[Defaults]\nHijriCalendar=umalqura\n"},
        {"civil, a day later", "[Defaults]\nHijriCalendar=civil\nHijriAdjust=1\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CProfileSnapshot snapshot = Snapshot(std::string(c.defaults) + kReminders);
        const CHijriCalendar hijri = ProfileHijriCalendar(snapshot);
        const ICalendarExport what{ChristianDayNumber({2026, 12, 7}),
            ChristianDayNumber({2028, 12, 6}), 1796644800, "Asia/Riyadh"};
        EXPECT_EQ(s_module->ExportRemindersToICalendar(snapshot, hijri, what),
            ExportRemindersToICalendar(snapshot, hijri, what));
        const auto expected =
            EventsToPublish(snapshot, hijri, what.firstDay, what.stamp, 2, what.timeZone);
        const auto events =
            s_module->EventsToPublish(snapshot, hijri, what.firstDay, what.stamp, 2, what.timeZone);
        ASSERT_EQ(events.size(), expected.size());
        ASSERT_FALSE(events.empty());
        for (std::size_t i = 0; i < events.size(); ++i) {
            EXPECT_EQ(events[i].uid, expected[i].uid);
            EXPECT_EQ(events[i].text, expected[i].text);
        }
    }
}

TEST_F(PublishingModuleTest, PublishesInTheProgramsLanguage)
{
    std::filesystem::create_directories(m_folder / "server");
    CRadicaleProcess server((m_folder / "server").string());
    ASSERT_TRUE(server.Running());
    PublishResult result;
    int progress = 0;
    QEventLoop loop;
    const auto publisher = s_module->NewPublisher({
        [&](PublishStage, int, int) { ++progress; },
        [&](const PublishResult &finished) {
            result = finished;
            loop.quit();
        },
    });
    const CProfileSnapshot snapshot = Snapshot(kReminders);
    const auto events = s_module->EventsToPublish(
        snapshot, ProfileHijriCalendar(snapshot), ChristianDayNumber({2026, 12, 7}), 0, 1, "");
    const CalendarServer calendar{
        server.Url("anna/zamanix/"), CRadicaleProcess::kUser, CRadicaleProcess::kPassword};
    ASSERT_TRUE(publisher->Start(calendar, events));
    EXPECT_TRUE(publisher->IsRunning());
    loop.exec();
    EXPECT_TRUE(result.Succeeded()) << result.message;
    EXPECT_EQ(result.added, static_cast<int>(events.size()));
    EXPECT_GT(progress, 0);

    server.Stop();
    ASSERT_TRUE(publisher->Start(calendar, events));
    loop.exec();
    EXPECT_EQ(result.failure, PublishFailure::NoConnection);
    EXPECT_EQ(result.message.rfind("127.0.0.1 injoignable : ", 0), 0u) << result.message;
}

} // namespace

// What a publish writes, from what the events should be and what the
// calendar holds: every rule of the conflict policy, one row each.
#include "sync/calendar_object.h"
#include "sync/publish_plan.h"

#include <gtest/gtest.h>

namespace {

// A calendar object of one event; `digest` is kept in it as the program
// keeps the digest of what it wrote (none: not kept).
std::string objectText(const std::string &uid, const std::string &summary)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VEVENT\r\nUID:" + uid +
        "\r\nDTSTAMP:20261207T120000Z\r\nDTSTART:20270306T073000\r\nSUMMARY:" + summary +
        "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

constexpr const char *kUid = "20270306-UmFtYWRoYW4vMjc@zamanix.org";

WantedObject wanted(const std::string &summary)
{
    WantedObject object;
    object.name = ReminderObjectName(kUid);
    object.text = WithContentDigest(objectText(kUid, summary), object.digest);
    return object;
}

// What the server holds: written by the program with `written`, then
// changed by another program to say `says` (the same: unchanged).
ServerObject held(
    const std::string &written, const std::string &says, const std::string &uid = kUid)
{
    std::string digest;
    std::string text = WithContentDigest(objectText(uid, written), digest);
    const std::string from = "SUMMARY:" + written, to = "SUMMARY:" + says;
    text.replace(text.find(from), from.size(), to);
    return {ReminderObjectName(kUid), "\"etag-1\"", text};
}

TEST(PublishPlanTest, WritesOnlyWhatTheRemindersChanged)
{
    const struct {
        const char *name;
        std::vector<std::string> wantedSummaries; // empty: the event is no longer wanted
        std::vector<ServerObject> server;
        std::vector<PublishStepKind> steps;
        int unchanged, keptEdited, foreign;
    } cases[] = {
        {"new event", {"Visit"}, {}, {PublishStepKind::Add}, 0, 0, 0},
        {"unchanged", {"Visit"}, {held("Visit", "Visit")}, {}, 1, 0, 0},
        {"reminder changed", {"Call"}, {held("Visit", "Visit")}, {PublishStepKind::Change}, 0, 0,
            0},
        {"no longer wanted", {}, {held("Visit", "Visit")}, {PublishStepKind::Remove}, 0, 0, 0},
        {"changed on the phone only", {"Visit"}, {held("Visit", "Phone")}, {}, 0, 1, 0},
        {"changed on the phone and in the reminder", {"Call"}, {held("Visit", "Phone")},
            {PublishStepKind::Change}, 0, 0, 0},
        {"the phone wrote what the reminder now says", {"Call"}, {held("Visit", "Call")}, {}, 1, 0,
            0},
        {"changed on the phone, reminder gone", {}, {held("Visit", "Phone")},
            {PublishStepKind::Remove}, 0, 0, 0},
        {"another program's object under our name", {"Visit"},
            {held("Visit", "Visit", "dinner@example.org")}, {}, 0, 0, 1},
        {"another program's object under our name, not wanted", {},
            {held("Visit", "Visit", "dinner@example.org")}, {}, 0, 0, 1},
        {"unreadable object under our name", {},
            {{ReminderObjectName(kUid), "\"e\"", "not iCalendar"}}, {}, 0, 0, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<WantedObject> objects;
        for (const std::string &summary : c.wantedSummaries)
            objects.push_back(wanted(summary));
        const PublishPlan plan = PlanPublish(objects, c.server);
        std::vector<PublishStepKind> kinds;
        for (const PublishStep &step : plan.steps) {
            kinds.push_back(step.kind);
            EXPECT_EQ(step.name, ReminderObjectName(kUid));
            EXPECT_EQ(step.etag, step.kind == PublishStepKind::Add ? "" : "\"etag-1\"");
            EXPECT_EQ(step.object, step.kind == PublishStepKind::Remove ? nullptr : &objects[0]);
        }
        EXPECT_EQ(kinds, c.steps);
        EXPECT_EQ(plan.unchanged, c.unchanged);
        EXPECT_EQ(plan.keptEdited, c.keptEdited);
        EXPECT_EQ(plan.foreign, c.foreign);
    }
}

TEST(PublishPlanTest, TheDigestIgnoresHowAServerWritesTheObject)
{
    std::string digest;
    const std::string published = WithContentDigest(objectText(kUid, "Visit"), digest);
    // Another order of properties, folded lines, LF line ends, a new stamp
    // and the properties servers and clients add when they store it.
    const std::string rewritten =
        "BEGIN:VCALENDAR\nPRODID:-//server//EN\nVERSION:2.0\nBEGIN:VEVENT\n"
        "SUMMARY:Vis\n it\nDTSTART:20270306T073000\nUID:" +
        std::string(kUid) +
        "\nDTSTAMP:20300101T000000Z\nCREATED:20300101T000000Z\nLAST-MODIFIED:20300101T000000Z\n"
        "SEQUENCE:3\nX-ZAMANIX-DIGEST:" +
        digest + "\nEND:VEVENT\nEND:VCALENDAR\n";
    const CalendarObjectFacts facts = ReadCalendarObject(rewritten);
    EXPECT_TRUE(facts.IsReminderEvent());
    EXPECT_EQ(facts.digest, digest);
    EXPECT_EQ(facts.storedDigest, digest);
    EXPECT_EQ(ReadCalendarObject(published).digest, digest);
    EXPECT_NE(ContentDigest(objectText(kUid, "Visit!")), digest);
    EXPECT_FALSE(ReadCalendarObject("BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n").readable);
    // A kind of component libical has no name for.
    std::string odd = objectText(kUid, "Visit");
    odd.insert(odd.find("END:VEVENT"), "BEGIN:VALAXM\r\nEND:VALAXM\r\n");
    EXPECT_TRUE(ReadCalendarObject(odd).readable);
}

TEST(PublishPlanTest, ObjectNames)
{
    EXPECT_EQ(ReminderObjectName(kUid), "zamanix-20270306-UmFtYWRoYW4vMjc.ics");
    const struct {
        const char *name;
        bool ours;
    } cases[] = {{"zamanix-20270306-UmFtYWRoYW4vMjc.ics", true}, {"zamanix-.ics", false},
        {"dinner.ics", false}, {"zamanix-x.ics.bak", false}, {"Zamanix-x.ics", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsReminderObjectName(c.name), c.ours);
    }
}

} // namespace

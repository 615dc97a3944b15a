// When the desktop program publishes: after changes, daily, and after
// failures with growing pauses; each failure told once.
#include "sync/publish_schedule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

enum class Event { Start, Change, Started, Succeeded, Refused, NoConnection };

struct Step {
    Event event;
    std::int64_t at;
    std::int64_t next; // Next() afterwards
    bool tell = false; // TakeFailureToTell() afterwards
};

constexpr std::int64_t kDay = CPublishSchedule::kDaily;

TEST(PublishScheduleTest, PublishesAfterChangesDailyAndAgainAfterFailures)
{
    const struct {
        const char *name;
        std::vector<Step> steps;
    } cases[] = {
        {"set up: at once, then daily",
            {{Event::Start, 100, 100}, {Event::Started, 100, 100 + kDay},
                {Event::Succeeded, 102, 102 + kDay}}},
        {"a burst of changes is one publish, put off at most a minute",
            {{Event::Start, 0, 0}, {Event::Started, 0, kDay}, {Event::Succeeded, 0, kDay},
                {Event::Change, 1000, 1010}, {Event::Change, 1008, 1018},
                {Event::Change, 1055, 1060}, {Event::Started, 1060, 1060 + kDay},
                {Event::Succeeded, 1061, 1061 + kDay}}},
        {"a change while it runs is published after it",
            {{Event::Start, 0, 0}, {Event::Started, 0, kDay}, {Event::Change, 3, 13},
                {Event::Succeeded, 5, 13}}},
        {"failures: growing pauses, told once, a change waits for the next try",
            {{Event::Start, 0, 0}, {Event::Started, 0, kDay}, {Event::NoConnection, 1, 61, true},
                {Event::Started, 61, 61 + kDay}, {Event::NoConnection, 62, 182},
                {Event::Change, 100, 182}, {Event::Started, 182, 182 + kDay},
                {Event::Refused, 183, 423, true}, {Event::Started, 423, 423 + kDay},
                {Event::Succeeded, 424, 424 + kDay}, {Event::Started, 424 + kDay, 424 + 2 * kDay},
                {Event::Refused, 425 + kDay, 485 + kDay, true}}},
        {"the pause stops growing at an hour",
            {{Event::Start, 0, 0}, {Event::NoConnection, 0, 60, true},
                {Event::NoConnection, 0, 120}, {Event::NoConnection, 0, 240},
                {Event::NoConnection, 0, 480}, {Event::NoConnection, 0, 960},
                {Event::NoConnection, 0, 1920}, {Event::NoConnection, 0, 3600},
                {Event::NoConnection, 0, 3600}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CPublishSchedule schedule;
        EXPECT_FALSE(schedule.Next());
        schedule.OnChanged(0); // nothing before it is set up
        EXPECT_FALSE(schedule.Next());
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step &step = c.steps[i];
            SCOPED_TRACE(i);
            switch (step.event) {
            case Event::Start:
                schedule.Start(step.at);
                break;
            case Event::Change:
                schedule.OnChanged(step.at);
                break;
            case Event::Started:
                EXPECT_TRUE(schedule.Due(step.at));
                schedule.OnStarted(step.at);
                break;
            case Event::Succeeded:
                schedule.OnPublished(PublishFailure::None, step.at);
                break;
            case Event::Refused:
                schedule.OnPublished(PublishFailure::PasswordRefused, step.at);
                break;
            case Event::NoConnection:
                schedule.OnPublished(PublishFailure::NoConnection, step.at);
                break;
            }
            EXPECT_EQ(schedule.Next(), step.next);
            EXPECT_FALSE(schedule.Due(step.next - 1));
            EXPECT_EQ(schedule.TakeFailureToTell(), step.tell);
        }
    }
}

} // namespace

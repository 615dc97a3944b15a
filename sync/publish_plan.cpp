#include "sync/publish_plan.h"

#include "sync/calendar_object.h"

#include <map>

namespace {

struct Held {
    const ServerObject *object;
    CalendarObjectFacts facts;
};

// What to do with an event the calendar holds under its name.
void planHeld(const WantedObject &want, const Held &held, PublishPlan &plan)
{
    const CalendarObjectFacts &facts = held.facts;
    if (!facts.IsReminderEvent()) {
        ++plan.foreign;
        return;
    }
    if (facts.digest == want.digest) {
        ++plan.unchanged; // says what the reminder says, whoever wrote it
        return;
    }
    const bool editedElsewhere = facts.digest != facts.storedDigest;
    if (editedElsewhere && facts.storedDigest == want.digest) {
        ++plan.keptEdited; // another program's change stands until the reminder changes
        return;
    }
    plan.steps.push_back({PublishStepKind::Change, want.name, held.object->etag, &want});
}

} // namespace

PublishPlan PlanPublish(
    const std::vector<WantedObject> &wanted, const std::vector<ServerObject> &server)
{
    std::map<std::string, Held> held;
    for (const ServerObject &object : server)
        held.emplace(object.name, Held{&object, ReadCalendarObject(object.text)});

    PublishPlan plan;
    for (const WantedObject &want : wanted) {
        const auto found = held.find(want.name);
        if (found == held.end()) {
            plan.steps.push_back({PublishStepKind::Add, want.name, {}, &want});
            continue;
        }
        planHeld(want, found->second, plan);
        held.erase(found);
    }
    for (const ServerObject &object : server) {
        const auto left = held.find(object.name);
        if (left == held.end())
            continue;
        if (left->second.facts.IsReminderEvent())
            plan.steps.push_back({PublishStepKind::Remove, object.name, object.etag, nullptr});
        else
            ++plan.foreign;
    }
    return plan;
}

// Any bytes as a server's answer: as a multistatus body, and as a calendar
// object under one of the program's names. Reading never crashes, and a
// publish never plans to write or remove an object that is not the
// program's own.
#include "sync/calendar_object.h"
#include "sync/dav_xml.h"
#include "sync/publish_plan.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    QList<DavResponse> responses;
    ParseMultistatus(QByteArray::fromStdString(text), responses);

    const CalendarObjectFacts facts = ReadCalendarObject(text);
    const std::vector<ServerObject> held = {{"zamanix-x.ics", "\"e\"", text}};
    const PublishPlan plan = PlanPublish({}, held);
    check(plan.steps.size() == (facts.IsReminderEvent() ? 1u : 0u));
    check(plan.foreign == (facts.IsReminderEvent() ? 0 : 1));
    return 0;
}

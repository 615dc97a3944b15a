#include "sync/publish.h"

#include "text/sentence.h"
#include "text/translate.h"

std::string PublishResult::Summary() const
{
    auto n = [](int count) { return std::to_string(count); };
    std::string text =
        FillSentence(Translate("Publishing", "%1 added, %2 changed, %3 removed, %4 unchanged"),
            {n(added), n(changed), n(removed), n(unchanged)});
    if (keptEdited > 0)
        text = FillSentence(
            Translate("Publishing", "%1, %2 changed elsewhere and kept"), {text, n(keptEdited)});
    if (conflicts > 0)
        text = FillSentence(Translate("Publishing", "%1, %2 left as another program changed them"),
            {text, n(conflicts)});
    return createdCalendar ? FillSentence(Translate("Publishing", "calendar created; %1"), {text})
                           : text;
}

#include "sync/calendar_object.h"

#include "agenda/ical_event.h"
#include "agenda/ical_export.h"

#include <QCryptographicHash>

#include <algorithm>
#include <vector>

namespace {

constexpr std::string_view kNamePrefix = "zamanix-";
constexpr std::string_view kNameSuffix = ".ics";
constexpr const char *kDigestProperty = "X-ZAMANIX-DIGEST";

IcalComponent parse(std::string_view text)
{
    return IcalComponent(icalparser_parse_string(std::string(text).c_str()));
}

// The one VEVENT of a VCALENDAR; none for anything else.
icalcomponent *eventOf(icalcomponent *calendar)
{
    if (!calendar || icalcomponent_isa(calendar) != ICAL_VCALENDAR_COMPONENT ||
        icalcomponent_count_components(calendar, ICAL_VEVENT_COMPONENT) != 1)
        return nullptr;
    return icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
}

std::string propertyName(icalproperty *property)
{
    const char *name = icalproperty_get_property_name(property);
    return name ? name : "";
}

bool saysWhoOrWhen(icalproperty *property)
{
    static const std::string_view kSkipped[] = {
        "DTSTAMP", "CREATED", "LAST-MODIFIED", "SEQUENCE", kDigestProperty};
    const std::string name = propertyName(property);
    return std::find(std::begin(kSkipped), std::end(kSkipped), name) != std::end(kSkipped);
}

// The component's properties as libical writes them, sorted, then its
// subcomponents' the same way.
void describe(icalcomponent *component, std::string &out)
{
    std::vector<std::string> lines;
    for (icalproperty *p = icalcomponent_get_first_property(component, ICAL_ANY_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_ANY_PROPERTY)) {
        if (saysWhoOrWhen(p))
            continue;
        char *text = icalproperty_as_ical_string_r(p);
        lines.emplace_back(text ? text : "");
        icalmemory_free_buffer(text);
    }
    std::sort(lines.begin(), lines.end());
    // An unknown kind of component (a server's answer may hold any) has no
    // name in libical.
    const char *kind = icalcomponent_kind_to_string(icalcomponent_isa(component));
    out += kind ? kind : "?";
    out += '\n';
    for (const std::string &line : lines)
        out += line;
    std::vector<std::string> parts;
    for (icalcomponent *c = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT)) {
        parts.emplace_back();
        describe(c, parts.back());
    }
    std::sort(parts.begin(), parts.end());
    for (const std::string &part : parts)
        out += part;
}

std::string digestOf(icalcomponent *event)
{
    std::string description;
    describe(event, description);
    return QCryptographicHash::hash(
        QByteArrayView(description.data(), static_cast<qsizetype>(description.size())),
        QCryptographicHash::Sha256)
        .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals)
        .toStdString();
}

std::string storedDigestOf(icalcomponent *event)
{
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_X_PROPERTY))
        if (propertyName(p) == kDigestProperty) {
            const char *value = icalproperty_get_x(p);
            return value ? value : "";
        }
    return {};
}

} // namespace

std::string ReminderObjectName(const std::string &uid)
{
    const std::string_view domain = kReminderUidDomain;
    std::string_view id = uid;
    if (id.ends_with(domain))
        id.remove_suffix(domain.size());
    return std::string(kNamePrefix) + std::string(id) + std::string(kNameSuffix);
}

bool IsReminderObjectName(std::string_view name)
{
    return name.size() > kNamePrefix.size() + kNameSuffix.size() && name.starts_with(kNamePrefix) &&
        name.ends_with(kNameSuffix);
}

bool CalendarObjectFacts::IsReminderEvent() const
{
    return readable && uid.ends_with(kReminderUidDomain);
}

CalendarObjectFacts ReadCalendarObject(std::string_view text)
{
    CalendarObjectFacts facts;
    const IcalComponent calendar = parse(text);
    icalcomponent *event = eventOf(calendar.get());
    if (!event)
        return facts;
    facts.readable = true;
    const char *uid = icalcomponent_get_uid(event);
    facts.uid = uid ? uid : "";
    facts.digest = digestOf(event);
    facts.storedDigest = storedDigestOf(event);
    return facts;
}

std::string ContentDigest(std::string_view text)
{
    const IcalComponent calendar = parse(text);
    icalcomponent *event = eventOf(calendar.get());
    return event ? digestOf(event) : std::string();
}

std::string WithContentDigest(std::string_view text, std::string &digest)
{
    const IcalComponent calendar = parse(text);
    icalcomponent *event = eventOf(calendar.get());
    if (!event) {
        digest.clear();
        return std::string(text);
    }
    digest = digestOf(event);
    icalproperty *kept = icalproperty_new_x(digest.c_str());
    icalproperty_set_x_name(kept, kDigestProperty);
    icalcomponent_add_property(event, kept);
    return ComponentText(calendar.get());
}

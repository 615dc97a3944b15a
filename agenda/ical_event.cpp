#include "agenda/ical_event.h"

#include "agenda/kind_key.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr const char *kProductId = "-//Zamanix//Zamanix reminders//EN";

// The length of the UTF-8 sequence that starts text[i], 0 when none does.
std::size_t utf8Length(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char first = byte(i);
    std::size_t length = first < 0x80    ? 1
        : first >= 0xC2 && first <= 0xDF ? 2
        : first >= 0xE0 && first <= 0xEF ? 3
        : first >= 0xF0 && first <= 0xF4 ? 4
                                         : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    // Overlong forms, surrogates and code points past U+10FFFF.
    if ((first == 0xE0 && byte(i + 1) < 0xA0) || (first == 0xED && byte(i + 1) > 0x9F) ||
        (first == 0xF0 && byte(i + 1) < 0x90) || (first == 0xF4 && byte(i + 1) > 0x8F))
        return 0;
    return length;
}

// A memo as iCalendar text may hold it: line breaks as line feeds, no other
// control character, and valid UTF-8 (a byte that is none stands as U+FFFD).
std::string calendarText(std::string_view memo)
{
    std::string text;
    for (std::size_t i = 0; i < memo.size();) {
        const char c = memo[i];
        if (c == '\r') {
            text += '\n';
            i += i + 1 < memo.size() && memo[i + 1] == '\n' ? 2 : 1;
        } else if (c == '\n' || c == '\t') {
            text += c;
            ++i;
        } else if ((c >= 0 && c < 0x20) || c == 0x7F) {
            text += ' ';
            ++i;
        } else if (const std::size_t length = utf8Length(memo, i)) {
            text.append(memo, i, length);
            i += length;
        } else {
            text += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return text;
}

std::string base64Url(std::string_view bytes)
{
    static const char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size())
            group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size())
            group |= static_cast<unsigned char>(bytes[i + 2]);
        const std::size_t digits = std::min<std::size_t>(bytes.size() - i, 3) + 1;
        for (std::size_t k = 0; k < digits; ++k)
            out += kDigits[(group >> (18 - 6 * k)) & 0x3F];
    }
    return out;
}

// The zone's VTIMEZONE under the zone's own name: libical names the zones
// it reads from the system after its web site, which other programs do not
// know.
void addTimeZone(icalcomponent *calendar, const EventZone &zone)
{
    if (!zone.zone || zone.utc)
        return;
    icalcomponent *vtimezone = icalcomponent_new_clone(icaltimezone_get_component(zone.zone));
    if (icalproperty *tzid = icalcomponent_get_first_property(vtimezone, ICAL_TZID_PROPERTY))
        icalproperty_set_tzid(tzid, zone.name.c_str());
    icalcomponent_add_component(calendar, vtimezone);
}

icalproperty *startOf(const ReminderRow &row, const EventZone &zone)
{
    icaltimetype start = icaltime_null_time();
    start.year = row.christian.year;
    start.month = row.christian.month;
    start.day = row.christian.day;
    start.hour = *row.ringsAt / 60;
    start.minute = *row.ringsAt % 60;
    if (zone.utc)
        start.zone = icaltimezone_get_utc_timezone();
    icalproperty *property = icalproperty_new_dtstart(start);
    if (zone.zone && !zone.utc)
        icalproperty_add_parameter(property, icalparameter_new_tzid(zone.name.c_str()));
    return property;
}

// A display alarm `daysBefore` days before the event's start (0: at it).
icalcomponent *displayAlarm(const std::string &text, int daysBefore = 0)
{
    icaltriggertype trigger;
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_from_int(0);
    if (daysBefore > 0) {
        trigger.duration.is_neg = 1;
        trigger.duration.days = static_cast<unsigned int>(daysBefore);
    }
    return icalcomponent_vanew(ICAL_VALARM_COMPONENT, icalproperty_new_action(ICAL_ACTION_DISPLAY),
        icalproperty_new_trigger(trigger), icalproperty_new_description(text.c_str()),
        static_cast<void *>(nullptr));
}

} // namespace

EventZone EventZoneOf(const std::string &name)
{
    EventZone zone;
    if (name.empty())
        return zone;
    zone.zone = icaltimezone_get_builtin_timezone(name.c_str());
    zone.name = name;
    // libical's own UTC has no VTIMEZONE: its times carry a "Z" instead.
    zone.utc = zone.zone == icaltimezone_get_utc_timezone();
    if (!zone.utc && (!zone.zone || !icaltimezone_get_component(zone.zone)))
        zone.zone = nullptr;
    return zone;
}

IcalComponent NewReminderCalendar(const EventZone &zone)
{
    IcalComponent calendar(icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT,
        icalproperty_new_version("2.0"), icalproperty_new_prodid(kProductId),
        icalproperty_new_calscale("GREGORIAN"), static_cast<void *>(nullptr)));
    addTimeZone(calendar.get(), zone);
    return calendar;
}

IcalComponent NewExportCalendar(const EventZone &zone)
{
    IcalComponent calendar = NewReminderCalendar(zone);
    icalcomponent_add_property(calendar.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
    icalproperty *name = icalproperty_new_x("Zamanix reminders");
    icalproperty_set_x_name(name, "X-WR-CALNAME");
    icalcomponent_add_property(calendar.get(), name);
    return calendar;
}

icalcomponent *NewReminderEvent(
    const ReminderRow &row, const EventZone &zone, icaltimetype stamp, const std::string &uid)
{
    const std::string text = calendarText(row.memo);
    icalcomponent *event = icalcomponent_vanew(ICAL_VEVENT_COMPONENT,
        icalproperty_new_uid(uid.c_str()), icalproperty_new_dtstamp(stamp), startOf(row, zone),
        icalproperty_new_summary(text.c_str()), icalproperty_new_categories("Zamanix"),
        static_cast<void *>(nullptr));
    icalcomponent_add_component(event, displayAlarm(text));
    // The notice, as the calendar programs that ring alarms give it.
    if (row.notice > 0)
        icalcomponent_add_component(event, displayAlarm(text, row.notice));
    return event;
}

icaltimetype EventStamp(std::int64_t seconds)
{
    return icaltime_from_timet_with_zone(
        static_cast<time_t>(seconds), 0, icaltimezone_get_utc_timezone());
}

std::string ComponentText(icalcomponent *component)
{
    char *text = icalcomponent_as_ical_string_r(component);
    std::string result = text ? text : "";
    icalmemory_free_buffer(text);
    return result;
}

std::string ReminderKeyId(std::string_view key)
{
    if (IsKindKeyForm(key))
        if (const ParsedReminderKey parsed = ParseKindKey(key); parsed.CanFallDue())
            return base64Url(KindKeyText(parsed));
    return base64Url(CanonicalReminderKey(key));
}

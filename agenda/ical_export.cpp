#include "agenda/ical_export.h"

#include "agenda/ical_event.h"
#include "agenda/reminder_list.h"
#include "calendar/calendar.h"

#include <cstdio>

std::string ReminderEventUid(const std::string &key, const YearMonthDay &date)
{
    char day[32];
    std::snprintf(day, sizeof day, "%04d%02d%02d", date.year, date.month, date.day);
    return std::string(day) + "-" + ReminderKeyId(key) + kReminderUidDomain;
}

std::string ExportRemindersToICalendar(
    const CProfileSnapshot &profile, const CHijriCalendar &hijri, const ICalendarExport &what)
{
    const EventZone zone = EventZoneOf(what.timeZone);
    const IcalComponent calendar = NewExportCalendar(zone);

    const icaltimetype stamp = EventStamp(what.stamp);
    for (const ReminderRow &row : BuildUpcomingRows(profile, hijri, what.firstDay, what.lastDay))
        icalcomponent_add_component(calendar.get(),
            NewReminderEvent(row, zone, stamp, ReminderEventUid(row.key, row.christian)));
    return ComponentText(calendar.get());
}

std::vector<ReminderEventObject> ExportReminderEvents(
    const CProfileSnapshot &profile, const CHijriCalendar &hijri, const ICalendarExport &what)
{
    const EventZone zone = EventZoneOf(what.timeZone);
    const icaltimetype stamp = EventStamp(what.stamp);
    std::vector<ReminderEventObject> objects;
    for (const ReminderRow &row : BuildUpcomingRows(profile, hijri, what.firstDay, what.lastDay)) {
        ReminderEventObject object;
        object.uid = ReminderEventUid(row.key, row.christian);
        const IcalComponent calendar = NewReminderCalendar(zone);
        icalcomponent_add_component(calendar.get(), NewReminderEvent(row, zone, stamp, object.uid));
        object.text = ComponentText(calendar.get());
        objects.push_back(std::move(object));
    }
    return objects;
}

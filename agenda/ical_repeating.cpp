#include "agenda/ical_repeating.h"

#include "agenda/ical_event.h"
#include "agenda/reminder_list.h"
#include "calendar/icu/month_start_record.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <cstdlib>

namespace {

// The yearly rule of a key that falls due: its month and day in its
// calendar's years.
icalproperty *yearlyRule(const ParsedReminderKey &key, const std::string &rscale)
{
    std::string rule = "FREQ=YEARLY;BYMONTH=" + std::to_string(key.month) +
        ";BYMONTHDAY=" + std::to_string(key.day);
    if (key.calendar == ReminderCalendar::Hijri)
        rule = "RSCALE=" + rscale + ";" + rule + ";SKIP=OMIT";
    icalrecurrencetype recurrence = icalrecurrencetype_from_string(rule.c_str());
    icalproperty *property = icalproperty_new_rrule(recurrence);
    std::free(recurrence.rscale); // the parser's copy; the property keeps its own
    return property;
}

} // namespace

std::optional<std::string> RscaleNameOf(const CHijriCalendar &hijri, std::string &problem)
{
    if (hijri.Rule() == HijriRule::Astronomical) {
        problem = Translate("Reminders",
            "the astronomical Hijri calendar follows computed new moons, which no RSCALE "
            "calendar describes");
        return std::nullopt;
    }
    if (hijri.Adjust() != 0) {
        problem = FillSentence(
            Translate("Reminders",
                "the Hijri calendar is adjusted (%1), which no RSCALE calendar describes"),
            {hijri.Description()});
        return std::nullopt;
    }
    // A recorded month start that the rule agrees with changes nothing.
    for (const HijriMonthStart &record : hijri.MonthStarts()) {
        const std::optional<HijriMonthStart> kept =
            hijri.RecordedMonthStart(record.year, record.month);
        if (kept && kept->day != hijri.RuleMonthStart(kept->year, kept->month)) {
            problem = FillSentence(Translate("Reminders",
                                       "the Hijri calendar keeps a recorded month start (%1 on "
                                       "%2), which no RSCALE calendar describes"),
                {HijriMonthText(kept->Index()), ChristianDayText(kept->day)});
            return std::nullopt;
        }
    }
    return hijri.Rule() == HijriRule::UmmAlQura ? "ISLAMIC-UMALQURA" : "ISLAMIC-CIVIL";
}

std::string RepeatingEventUid(const std::string &key)
{
    return "yearly-" + ReminderKeyId(key) + kReminderUidDomain;
}

std::string ExportRepeatingReminders(
    const CProfileSnapshot &profile, const CHijriCalendar &hijri, const ICalendarExport &what)
{
    std::string problem;
    const std::string rscale = RscaleNameOf(hijri, problem).value_or("");
    const EventZone zone = EventZoneOf(what.timeZone);
    const IcalComponent calendar = NewExportCalendar(zone);
    const icaltimetype stamp = EventStamp(what.stamp);
    for (const ReminderRow &row : BuildReminderRows(profile, hijri, what.firstDay)) {
        if (!row.day)
            continue;
        icalcomponent *event = NewReminderEvent(row, zone, stamp, RepeatingEventUid(row.key));
        icalcomponent_add_property(event, yearlyRule(row.parsed, rscale));
        icalcomponent_add_component(calendar.get(), event);
    }
    return ComponentText(calendar.get());
}

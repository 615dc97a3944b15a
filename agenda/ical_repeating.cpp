#include "agenda/ical_repeating.h"

#include "agenda/ical_event.h"
#include "agenda/kind_key.h"
#include "agenda/reminder_list.h"
#include "calendar/icu/month_start_record.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <cstdlib>

namespace {

constexpr const char *kByDay[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

// A Christian day of the month, or the month's last day when it lacks the
// day, in plain RFC 5545: the first of the day and the last day.
std::string christianMonthDay(int day)
{
    if (day == 31)
        return "BYMONTHDAY=-1";
    if (day > 28)
        return "BYMONTHDAY=" + std::to_string(day) + ",-1;BYSETPOS=1";
    return "BYMONTHDAY=" + std::to_string(day);
}

// The rule by which a key that falls due repeats; nothing for a once key.
std::optional<std::string> ruleText(const ParsedReminderKey &key, const std::string &rscale)
{
    const bool hijri = key.calendar == ReminderCalendar::Hijri;
    const std::string day = std::to_string(key.day);
    switch (key.kind) {
    case ReminderKind::Yearly:
        if (hijri)
            return "RSCALE=" + rscale + ";FREQ=YEARLY;BYMONTH=" + std::to_string(key.month) +
                ";BYMONTHDAY=" + day + ";SKIP=OMIT";
        return "FREQ=YEARLY;BYMONTH=" + std::to_string(key.month) + ";BYMONTHDAY=" + day;
    case ReminderKind::Monthly:
        // A Hijri month that lacks day 30 takes the day before it.
        if (hijri)
            return "RSCALE=" + rscale + ";FREQ=MONTHLY;BYMONTHDAY=" + day +
                (key.day == 30 ? ";SKIP=BACKWARD" : "");
        return "FREQ=MONTHLY;" + christianMonthDay(key.day);
    case ReminderKind::Weekly:
        return "FREQ=WEEKLY;BYDAY=" + std::string(kByDay[key.weekday]);
    case ReminderKind::Once:
        break;
    }
    return std::nullopt;
}

icalproperty *repeatRule(const std::string &rule)
{
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

std::string RepeatingEventUid(const std::string &key, ReminderKind kind)
{
    return std::string(KindWord(kind)) + "-" + ReminderKeyId(key) + kReminderUidDomain;
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
        if (!row.FallsDue())
            continue;
        icalcomponent *event =
            NewReminderEvent(row, zone, stamp, RepeatingEventUid(row.key, row.parsed.kind));
        if (const std::optional<std::string> rule = ruleText(row.parsed, rscale))
            icalcomponent_add_property(event, repeatRule(*rule));
        icalcomponent_add_component(calendar.get(), event);
    }
    return ComponentText(calendar.get());
}

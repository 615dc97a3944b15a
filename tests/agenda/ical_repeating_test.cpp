// The repeating events (RSCALE) expanded by libical's own recurrence
// iterator give exactly the days and times the plain export lists, under
// both calendars that have an RSCALE name; the others are refused.
#include "agenda/ical_event.h"
#include "agenda/ical_repeating.h"
#include "tests/reminders/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

namespace {

// Day 30 of months that have it in some years only, leap days, a day
// written with a leading zero, an alarm past midnight's hour, one that never
// rings; every week, every month of both calendars on days that some months
// lack, once, and once in the past.
constexpr const char *kProfile = "[Reminder]\n"
                                 "Ramadhan/30=Last night of Ramadan\n"
                                 "Sha'ban/30=Sha'ban 30\n"
                                 "Shawwal/05=Visit\n"
                                 "Muharram/1=New year\n"
                                 "February/29=Leap day\n"
                                 "March/06=Dentist\n"
                                 "April/31=Never\n"
                                 "[Alarm]\n"
                                 "Shawwal/05=23:59 5\n"
                                 "Muharram/1=24:00 60\n"
                                 "[MoreReminders]\n"
                                 "Friday=Prayer\n"
                                 "Hijri/13=Fast\n"
                                 "Hijri/30=Month's end\n"
                                 "Christian/05=Rent\n"
                                 "Christian/29=Late rent\n"
                                 "Christian/30=Later rent\n"
                                 "Christian/31=Last rent\n"
                                 "Ramadhan/27/1448=Engagement\n"
                                 "March/06/2020=Gone by\n"
                                 "[MoreAlarms]\n"
                                 "Friday=12:30 15\n"
                                 "[Notice]\n"
                                 "Ramadhan/27/1448=3\n";

// (the reminder's part of the UID, local start, summary)
using Occurrence = std::tuple<std::string, std::string, std::string>;

std::string keyIdOf(const char *uid)
{
    std::string id = uid;
    id = id.substr(0, id.find('@'));
    return id.substr(id.find('-') + 1);
}

std::string startText(icaltimetype start)
{
    return icaltime_as_ical_string(start);
}

// Each event of the plain export as an occurrence.
std::set<Occurrence> plainOccurrences(const std::string &text)
{
    std::set<Occurrence> found;
    const IcalComponent calendar(icalparser_parse_string(text.c_str()));
    for (icalcomponent *e =
             icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
         e; e = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT))
        found.emplace(keyIdOf(icalcomponent_get_uid(e)), startText(icalcomponent_get_dtstart(e)),
            icalcomponent_get_summary(e));
    return found;
}

// The occurrences of each repeating event up to `last` (a local date),
// through libical's recurrence iterator.
std::set<Occurrence> expandedOccurrences(const std::string &text, const YearMonthDay &last)
{
    std::set<Occurrence> found;
    const IcalComponent calendar(icalparser_parse_string(text.c_str()));
    for (icalcomponent *e =
             icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
         e; e = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        icalproperty *rule = icalcomponent_get_first_property(e, ICAL_RRULE_PROPERTY);
        // A once reminder's event is its only day.
        if (!rule) {
            found.emplace(keyIdOf(icalcomponent_get_uid(e)),
                startText(icalcomponent_get_dtstart(e)), icalcomponent_get_summary(e));
            continue;
        }
        icalrecur_iterator *it =
            icalrecur_iterator_new(icalproperty_get_rrule(rule), icalcomponent_get_dtstart(e));
        for (icaltimetype t = icalrecur_iterator_next(it); !icaltime_is_null_time(t) &&
             std::tie(t.year, t.month, t.day) <= std::tie(last.year, last.month, last.day);
             t = icalrecur_iterator_next(it))
            found.emplace(
                keyIdOf(icalcomponent_get_uid(e)), startText(t), icalcomponent_get_summary(e));
        icalrecur_iterator_free(it);
    }
    return found;
}

TEST(ICalRepeatingTest, ExpandsToTheDaysThePlainExportLists)
{
    ASSERT_TRUE(icalrecurrencetype_rscale_is_supported());
    CTempFolder folder;
    WriteBytes(folder / "zamanix.INI", kProfile);
    const CProfileSnapshot profile(folder / "zamanix.INI");
    ICalendarExport what;
    what.firstDay = ChristianDayNumber({2026, 12, 7});
    what.lastDay = ExportLastDay(what.firstDay, 12);
    what.stamp = 1796644800;
    what.timeZone = "Asia/Riyadh";
    for (const HijriRule rule : {HijriRule::UmmAlQura, HijriRule::Civil}) {
        SCOPED_TRACE(std::string(HijriRuleName(rule)));
        const CHijriCalendar hijri(rule, 0);
        const std::string repeating = ExportRepeatingReminders(profile, hijri, what);
        const std::set<Occurrence> plain =
            plainOccurrences(ExportRemindersToICalendar(profile, hijri, what));
        EXPECT_EQ(expandedOccurrences(repeating, ChristianOfDay(what.lastDay)), plain);
        // The span holds day 30 of months that have it, and months without
        // one, and leap days.
        const auto count = [&](const char *key) {
            return std::count_if(plain.begin(), plain.end(),
                [&](const Occurrence &o) { return std::get<0>(o) == ReminderKeyId(key); });
        };
        EXPECT_GT(count("Ramadhan/30") + count("Sha'ban/30"), 0);
        EXPECT_LT(count("Ramadhan/30") + count("Sha'ban/30"), 2 * count("Shawwal/05"));
        EXPECT_EQ(count("February/29"), 3);
        EXPECT_EQ(count("Muharram/1"), 0);
        EXPECT_EQ(count("Ramadhan/27/1448"), 1);
        EXPECT_EQ(count("March/06/2020"), 0);
        EXPECT_EQ(count("Christian/31"), 12 * 12) << "every month, on its last day";
        EXPECT_EQ(count("Hijri/30"), count("Hijri/13") + 1)
            << "every Hijri month, from the one whose 13th the span begins after";
        std::string problem;
        EXPECT_NE(repeating.find("RSCALE=" + RscaleNameOf(hijri, problem).value_or("?")),
            std::string::npos);
    }
}

// 1 Ramadhan 1448 recorded `late` days after Umm al-Qura's 8 February 2027.
HijriMonthStart ramadhan1448(int late)
{
    return {1448, 9, ChristianDayNumber({2027, 2, 8}) + late};
}

TEST(ICalRepeatingTest, OnlyTheTabularRulesHaveAnRscaleName)
{
    const struct {
        const char *name;
        CHijriCalendar hijri;
        std::string rscale; // empty: none, and the problem says why
        std::string problem;
    } cases[] = {
        {"Umm al-Qura", {HijriRule::UmmAlQura, 0}, "ISLAMIC-UMALQURA", ""},
        {"tabular", {HijriRule::Civil, 0}, "ISLAMIC-CIVIL", ""},
        {"astronomical", {HijriRule::Astronomical, 0}, "",
            "the astronomical Hijri calendar follows computed new moons, which no RSCALE "
            "calendar describes"},
        {"adjusted", {HijriRule::UmmAlQura, -1}, "",
            "the Hijri calendar is adjusted (Umm al-Qura, -1 day), which no RSCALE calendar "
            "describes"},
        {"a month start recorded as the rule has it",
            CHijriCalendar(HijriRule::UmmAlQura, 0).WithMonthStarts({ramadhan1448(0)}),
            "ISLAMIC-UMALQURA", ""},
        {"a month start recorded a day later",
            CHijriCalendar(HijriRule::UmmAlQura, 0).WithMonthStarts({ramadhan1448(1)}), "",
            "the Hijri calendar keeps a recorded month start (Ramadhan 1448 on 9 February "
            "2027), which no RSCALE calendar describes"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::string problem;
        EXPECT_EQ(RscaleNameOf(c.hijri, problem).value_or(""), c.rscale);
        EXPECT_EQ(problem, c.problem);
    }
}

} // namespace

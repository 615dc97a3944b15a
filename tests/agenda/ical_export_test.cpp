// The iCalendar export read back with libical's parser: valid, an event per
// day at the alarm time in the right zone, stable UIDs, clean text.
#include "agenda/ical_export.h"

#include "agenda/reminder_list.h"
#include "tests/reminders/temp_folder.h"

#include <libical/ical.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

int dayOf(int year, int month, int day)
{
    return ChristianDayNumber({year, month, day});
}

struct ComponentDeleter {
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

struct Event {
    std::string uid, summary, alarm, start, tzid;
    time_t utc; // the start as a moment
};

class ICalExportTest : public testing::Test {
protected:
    std::string Export(const std::string &reminders, const std::string &zone,
        std::int64_t stamp = 1796644800, int years = 1)
    {
        std::ofstream(m_folder / "zamanix.INI", std::ios::binary) << "[Reminder]\n" << reminders;
        ICalendarExport what;
        what.firstDay = dayOf(2026, 12, 7);
        what.lastDay = ExportLastDay(what.firstDay, years);
        what.stamp = stamp;
        what.timeZone = zone;
        return ExportRemindersToICalendar(
            CProfileSnapshot(m_folder / "zamanix.INI"), CHijriCalendar(), what);
    }

    // The events of a text that libical takes without a single complaint.
    static std::vector<Event> Events(const std::string &text)
    {
        Component calendar(icalparser_parse_string(text.c_str()));
        EXPECT_TRUE(calendar);
        if (!calendar)
            return {};
        EXPECT_EQ(icalcomponent_count_errors(calendar.get()), 0)
            << icalcomponent_as_ical_string(calendar.get());
        std::vector<Event> events;
        for (icalcomponent *e =
                 icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
             e; e = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
            // What RFC 5545 asks of every event and display alarm (libical's
            // restriction check holds plain files to iTIP's rules).
            for (const icalproperty_kind kind : {ICAL_UID_PROPERTY, ICAL_DTSTAMP_PROPERTY,
                     ICAL_DTSTART_PROPERTY, ICAL_SUMMARY_PROPERTY})
                EXPECT_EQ(icalcomponent_count_properties(e, kind), 1);
            Event event;
            event.uid = icalcomponent_get_uid(e);
            event.summary = icalcomponent_get_summary(e);
            icalcomponent *alarm = icalcomponent_get_first_component(e, ICAL_VALARM_COMPONENT);
            EXPECT_TRUE(alarm);
            if (!alarm)
                continue;
            for (const icalproperty_kind kind :
                {ICAL_ACTION_PROPERTY, ICAL_TRIGGER_PROPERTY, ICAL_DESCRIPTION_PROPERTY})
                EXPECT_EQ(icalcomponent_count_properties(alarm, kind), 1);
            event.alarm = icalcomponent_get_description(alarm);
            icalproperty *start = icalcomponent_get_first_property(e, ICAL_DTSTART_PROPERTY);
            event.start = icaltime_as_ical_string(icalproperty_get_dtstart(start));
            icalparameter *tzid = icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER);
            event.tzid = tzid ? icalparameter_get_tzid(tzid) : "";
            const icaltimetype dtstart = icalcomponent_get_dtstart(e);
            event.utc = icaltime_as_timet_with_zone(dtstart, dtstart.zone);
            events.push_back(event);
        }
        return events;
    }

    CTempFolder m_folder;
};

TEST_F(ICalExportTest, AnEventPerDayAtTheAlarmTimeInTheZone)
{
    const struct {
        const char *zone;
        const char *start; // of 8 December 2026, 07:30 local
        const char *tzid;
        time_t utc; // 0: floating, not a moment
    } cases[] = {
        {"Asia/Tokyo", "20261208T073000", "Asia/Tokyo", 1796715000 - 9 * 3600},
        {"America/New_York", "20261208T073000", "America/New_York", 1796715000 + 5 * 3600},
        {"UTC", "20261208T073000Z", "", 1796715000},
        {"", "20261208T073000", "", 0},
        {"No/Such_Zone", "20261208T073000", "", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.zone);
        const std::string text =
            Export("December/08=Dentist\n[Alarm]\nDecember/08=07:30 15\n", c.zone);
        const std::vector<Event> events = Events(text);
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0].start, c.start);
        EXPECT_EQ(events[0].tzid, c.tzid);
        if (c.utc) {
            EXPECT_EQ(events[0].utc, c.utc);
        }
        EXPECT_EQ(events[0].summary, "Dentist");
        EXPECT_EQ(events[0].alarm, "Dentist");
        EXPECT_EQ(text.find("BEGIN:VTIMEZONE") != std::string::npos, *c.tzid != '\0');
    }
}

TEST_F(ICalExportTest, ExpandsHijriAndLeapDaysAndSkipsWhatNeverFallsDue)
{
    const std::vector<Event> events =
        Events(Export("Ramadhan/1=fast\nFebruary/29=leap\nApril/31=never\n"
                      "March/6=\n[Alarm]\nRamadhan/1=25:00 5\n"
                      "February/29=06:00 5\n",
            "UTC", 1796644800, 5));
    std::vector<std::string> starts;
    for (const Event &e : events)
        starts.push_back(e.start);
    // 2028 is the one leap year from 7 December 2026 to 6 December 2031; the
    // Hijri reminder's alarm is never reached.
    EXPECT_EQ(starts, std::vector<std::string>{"20280229T060000Z"});
}

TEST_F(ICalExportTest, TheOtherKindsOnTheirDaysAndTheNoticeAsAnAlarmBefore)
{
    const std::string text =
        Export("[MoreReminders]\nFriday=Prayer\nChristian/31=Last day\nRajab/1/1448=Once\n"
               "March/06/2020=Gone by\n[MoreAlarms]\nFriday=12:30 15\n[Notice]\nFriday=2\n",
            "UTC", 1796644800, 1);
    std::map<std::string, std::vector<std::string>> starts; // by summary
    for (const Event &e : Events(text))
        starts[e.summary].push_back(e.start);
    EXPECT_EQ(starts["Prayer"].size(), 52u);
    EXPECT_EQ(starts["Prayer"].front(), "20261211T123000Z");
    EXPECT_EQ(starts["Last day"].size(), 12u);
    EXPECT_EQ(starts["Last day"][2], "20270228T080000Z") << "February's last day";
    // 1 Rajab 1448 of the astronomical rule.
    EXPECT_EQ(starts["Once"], std::vector<std::string>{"20261210T080000Z"});
    EXPECT_EQ(starts.count("Gone by"), 0u);
    // Each event of the weekly reminder carries its notice: a second alarm
    // two days before; no other event has one.
    std::size_t notices = 0;
    for (std::size_t at = text.find("TRIGGER:-P2D"); at != std::string::npos;
         at = text.find("TRIGGER:-P2D", at + 1))
        ++notices;
    EXPECT_EQ(notices, 52u);
    EXPECT_EQ(text.find("TRIGGER:-P", text.rfind("TRIGGER:-P2D") + 1), std::string::npos);
    // Publishing puts each of the same events in an object of its own,
    // named by a UID that no other event has.
    ICalendarExport what;
    what.firstDay = dayOf(2026, 12, 7);
    what.lastDay = ExportLastDay(what.firstDay, 1);
    std::set<std::string> uids;
    const auto objects =
        ExportReminderEvents(CProfileSnapshot(m_folder / "zamanix.INI"), CHijriCalendar(), what);
    for (const ReminderEventObject &object : objects)
        uids.insert(object.uid);
    EXPECT_EQ(objects.size(), 52u + 12 + 1);
    EXPECT_EQ(uids.size(), objects.size());
}

TEST_F(ICalExportTest, UidsStayTheSameForTheSameKeyAndDate)
{
    const auto uids = [&](const std::string &reminders, std::int64_t stamp) {
        std::set<std::string> set;
        for (const Event &e : Events(Export(reminders, "Europe/Berlin", stamp, 3)))
            set.insert(e.uid);
        return set;
    };
    const std::set<std::string> first = uids("Ramadhan/27=visit\nMarch/06=dentist\n", 1796644800);
    EXPECT_EQ(first.size(), 6u);
    EXPECT_EQ(uids("Ramadhan/27=visit\nMarch/06=dentist\n", 1796644800 + 86400), first);
    // Another memo or alarm updates the same events; the profile takes
    // "march/06" for "March/06".
    EXPECT_EQ(uids("Ramadhan/27=call\nmarch/06=dentist\n[Alarm]\nMarch/06=09:00 5\n", 1), first);
    // Two spellings of a day are two reminders.
    EXPECT_EQ(uids("March/6=dentist\n", 1).size(), 3u);
    EXPECT_TRUE(std::ranges::none_of(
        uids("March/6=dentist\n", 1), [&](const std::string &uid) { return first.contains(uid); }));
    for (const std::string &uid : first)
        EXPECT_EQ(uid.find_first_not_of(
                      "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_@."),
            std::string::npos)
            << uid;
}

TEST_F(ICalExportTest, MemoTextIsValidCalendarText)
{
    const struct {
        const char *name;
        const char *stored; // as the profile holds it
        std::string summary;
    } cases[] = {
        {"line breaks restored", "\\\"two\\nlines\\r\\nthree\"", "two\nlines\nthree"},
        {"commas and semicolons", "a, b; c\\d", "a, b; c\\d"},
        {"a control character", "bell\x07here", "bell here"},
        {"bytes that are no UTF-8", "caf\xE9 \xC3\xA9t\xC3\xA9",
            "caf\xEF\xBF\xBD \xC3\xA9t\xC3\xA9"},
        {"Arabic, folded on a character boundary",
            "\xD8\xB2\xD9\x8A\xD8\xA7\xD8\xB1\xD8\xA9 \xD8\xA7\xD9\x84\xD8\xB9\xD9\x85 "
            "\xD8\xB2\xD9\x8A\xD8\xA7\xD8\xB1\xD8\xA9 \xD8\xA7\xD9\x84\xD8\xB9\xD9\x85 "
            "\xD8\xB2\xD9\x8A\xD8\xA7\xD8\xB1\xD8\xA9 \xD8\xA7\xD9\x84\xD8\xB9\xD9\x85",
            "\xD8\xB2\xD9\x8A\xD8\xA7\xD8\xB1\xD8\xA9 \xD8\xA7\xD9\x84\xD8\xB9\xD9\x85 "
            "\xD8\xB2\xD9\x8A\xD8\xA7\xD8\xB1\xD8\xA9 \xD8\xA7\xD9\x84\xD8\xB9\xD9\x85 "
            "\xD8\xB2\xD9\x8A\xD8\xA7\xD8\xB1\xD8\xA9 \xD8\xA7\xD9\x84\xD8\xB9\xD9\x85"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = Export(std::string("December/08=") + c.stored + "\n", "");
        const std::vector<Event> events = Events(text);
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0].summary, c.summary);
        for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2)
            EXPECT_LE(end - start, 75u);
    }
}

TEST(LocalTimeZoneName, FromTzTheLocaltimeLinkOrTheTimezoneFile)
{
    CTempFolder folder;
    std::filesystem::create_symlink("/usr/share/zoneinfo/Asia/Riyadh", folder / "linked");
    std::ofstream(folder / "copied") << "not a link";
    std::ofstream(folder / "timezone") << "Europe/Paris\n";
    const struct {
        const char *tz;
        std::filesystem::path localtime;
        std::string zone;
    } cases[] = {
        {"Europe/Berlin", folder / "linked", "Europe/Berlin"},
        {":America/New_York", folder / "linked", "America/New_York"},
        {":/usr/share/zoneinfo/Asia/Tokyo", folder / "linked", "Asia/Tokyo"},
        {"", folder / "linked", "UTC"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", folder / "linked", ""},
        {"../../etc/passwd", folder / "linked", ""},
        {nullptr, folder / "linked", "Asia/Riyadh"},
        {nullptr, folder / "copied", "Europe/Paris"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tz ? c.tz : "(unset)");
        EXPECT_EQ(LocalTimeZoneName(c.tz, c.localtime, folder / "timezone"), c.zone);
    }
    EXPECT_EQ(LocalTimeZoneName(nullptr, folder / "copied", folder / "missing"), "");
}

TEST(ExportLastDay, TheDayBeforeTheSameDateYearsLater)
{
    EXPECT_EQ(ExportLastDay(dayOf(2026, 12, 7), 5), dayOf(2031, 12, 6));
    EXPECT_EQ(ExportLastDay(dayOf(2028, 2, 29), 1), dayOf(2029, 2, 28));
    EXPECT_EQ(ExportLastDay(dayOf(2998, 1, 1), 5), dayOf(3000, 12, 31));
}

} // namespace

// What the New Reminder dialog decides while a reminder is typed: its key,
// the day shown in both calendars, and why it cannot be kept.
#include "agenda/reminder_draft.h"

#include "agenda/kind_key.h"

#include <gtest/gtest.h>

namespace {

// Monday 7 December 2026 = 27 Jumada al-Thani 1448 (astronomical).
const int kToday = ChristianDayNumber({2026, 12, 7});

ReminderDraft draftOf(ReminderKind kind, ReminderCalendar calendar, int year, int month, int day,
    int weekday = 5, std::string memo = "memo")
{
    ReminderDraft draft;
    draft.kind = kind;
    draft.calendar = calendar;
    draft.year = year;
    draft.month = month;
    draft.day = day;
    draft.weekday = weekday;
    draft.memo = std::move(memo);
    return draft;
}

TEST(ReminderDraft, TheKeyThePreviewAndWhyItCannotBeKept)
{
    using enum ReminderKind;
    using C = ReminderCalendar;
    const struct {
        const char *name;
        ReminderDraft draft;
        const char *key, *preview, *problem;
    } cases[] = {
        {"yearly Hijri", draftOf(Yearly, C::Hijri, 1, 9, 27), "Ramadhan/27",
            "Next on Saturday 6 March 2027 / 27 Ramadhan 1448", ""},
        {"yearly Christian, two digits", draftOf(Yearly, C::Christian, 1, 3, 6), "March/06",
            "Next on Saturday 6 March 2027 / 27 Ramadhan 1448", ""},
        {"a leap day says so", draftOf(Yearly, C::Christian, 1, 2, 29), "February/29",
            "Next on Tuesday 29 February 2028 / 4 Shawwal 1449 (only in leap years)", ""},
        {"a day no year has", draftOf(Yearly, C::Christian, 1, 2, 30), "February/30",
            "It never falls due: February never has more than 29 days.",
            "This reminder cannot be kept: February never has more than 29 days."},
        {"once, in both calendars", draftOf(Once, C::Hijri, 1448, 9, 1), "Ramadhan/1/1448",
            "Monday 8 February 2027 / 1 Ramadhan 1448", ""},
        {"once, gone by", draftOf(Once, C::Christian, 2020, 3, 6), "March/06/2020",
            "Friday 6 March 2020 / 11 Rajab 1441: this day has gone by, so it will not ring", ""},
        {"once, a date that never was", draftOf(Once, C::Christian, 2027, 2, 29),
            "February/29/2027", "It never falls due: February 2027 has only 28 days.",
            "This reminder cannot be kept: February 2027 has only 28 days."},
        {"once, beyond the supported days", draftOf(Once, C::Hijri, 2452, 7, 1), "Rajab/1/2452",
            "It never falls due: 1 Rajab 2452 lies outside the days Zamanix supports, 1 January "
            "-4000 to 31 December 3000.",
            "This reminder cannot be kept: 1 Rajab 2452 lies outside the days Zamanix supports, "
            "1 January -4000 to 31 December 3000."},
        {"monthly Hijri", draftOf(Monthly, C::Hijri, 1, 1, 13), "Hijri/13",
            "Next on Tuesday 22 December 2026 / 13 Rajab 1448", ""},
        {"monthly on a day some months lack", draftOf(Monthly, C::Christian, 1, 1, 31),
            "Christian/31",
            "Next on Thursday 31 December 2026 / 22 Rajab 1448 (on the last day of the months "
            "that have fewer than 31 days)",
            ""},
        {"weekly", draftOf(Weekly, C::Hijri, 1, 1, 1, 5), "Friday",
            "Next on Friday 11 December 2026 / 2 Rajab 1448", ""},
        {"an empty memo", draftOf(Weekly, C::Hijri, 1, 1, 1, 0, ""), "Sunday",
            "Next on Sunday 13 December 2026 / 4 Rajab 1448",
            "Write a memo: an empty memo never rings."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DraftKey(c.draft), c.key);
        EXPECT_EQ(DraftPreview(c.draft, CHijriCalendar(), kToday), c.preview);
        EXPECT_EQ(DraftProblem(c.draft, CHijriCalendar()), c.problem);
    }
}

TEST(ReminderDraft, ARowReadBackGivesTheDraftItWasWrittenFrom)
{
    ReminderDraft draft = draftOf(ReminderKind::Once, ReminderCalendar::Christian, 2027, 3, 6);
    draft.hour = 7;
    draft.minute = 30;
    draft.every = 15;
    draft.notice = 3;
    const ReminderEntry entry = DraftEntry(draft, DraftKey(draft));
    EXPECT_EQ(entry.key, "March/06/2027");
    EXPECT_EQ(entry.alarm, "07:30 15");
    EXPECT_EQ(entry.notice, 3);
    ReminderRow row;
    row.parsed = ParseAnyReminderKey(entry.key);
    row.memo = entry.memo;
    row.alarm = ParseReminderAlarm(entry.alarm);
    row.ringsAt = AlarmRingsAt(row.alarm);
    row.notice = *entry.notice;
    EXPECT_EQ(DraftOfRow(row), draft);
}

} // namespace

// The crescent question without a window: when it is asked on the 29th of a
// Hijri month, again after "Not yet", never for a time missed, and what
// each answer records.
#include "agenda/crescent_question.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// 29 Ramadhan 1447 is Thursday 19 March 2026 under the astronomical rule,
// and 1 Shawwal the Friday after.
const int kRamadhan29 = ChristianDayNumber({2026, 3, 19});

LocalMinute at(int day, int hour, int minute)
{
    return {day, hour, minute};
}

TEST(CrescentQuestion, AskedWhenItsTimeComesOnThe29thWhileTheProgramRuns)
{
    const CHijriCalendar recorded =
        CHijriCalendar().WithMonthStarts({{1447, 10, ChristianDayNumber({2026, 3, 20})}});
    const struct {
        const char *name;
        LocalMinute before, now;
        int askAt;
        CHijriCalendar hijri;
        bool asked;
    } cases[] = {
        {"the tick that reaches 18:00", at(kRamadhan29, 17, 59), at(kRamadhan29, 18, 0), 1080, {},
            true},
        {"the tick after it", at(kRamadhan29, 18, 0), at(kRamadhan29, 18, 1), 1080, {}, false},
        {"a start after the time", at(kRamadhan29, 18, 30), at(kRamadhan29, 18, 31), 1080, {},
            false},
        {"a time of the user's own", at(kRamadhan29, 19, 29), at(kRamadhan29, 19, 30), 1170, {},
            true},
        {"before a time of the user's own", at(kRamadhan29, 17, 59), at(kRamadhan29, 18, 0), 1170,
            {}, false},
        {"a wake from sleep on the same day", at(kRamadhan29, 16, 0), at(kRamadhan29, 20, 0), 1080,
            {}, true},
        {"the 28th", at(kRamadhan29 - 1, 17, 59), at(kRamadhan29 - 1, 18, 0), 1080, {}, false},
        {"the day after the 29th", at(kRamadhan29 + 1, 17, 59), at(kRamadhan29 + 1, 18, 0), 1080,
            {}, false},
        {"the next month recorded already", at(kRamadhan29, 17, 59), at(kRamadhan29, 18, 0), 1080,
            recorded, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CCrescentCheck check;
        const std::optional<CrescentQuestion> question =
            check.Tick(c.before, c.now, c.askAt, c.hijri);
        ASSERT_EQ(question.has_value(), c.asked);
        EXPECT_EQ(check.Open(), c.asked);
        if (!question)
            continue;
        EXPECT_EQ(question->day, kRamadhan29);
        EXPECT_EQ(question->year * 100 + question->month, 144709);
        EXPECT_EQ(question->nextYear * 100 + question->nextMonth, 144710);
    }
}

// The minutes of a day from `from` to `to`, a tick a minute: the minutes
// at which the question was asked. Each question gets `answer` at once.
std::vector<std::string> askedBetween(
    CCrescentCheck &check, LocalMinute from, LocalMinute to, CrescentAnswer answer)
{
    std::vector<std::string> asked;
    for (LocalMinute before = from; before.hour * 60 + before.minute < to.hour * 60 + to.minute;) {
        const int next = before.hour * 60 + before.minute + 1;
        const LocalMinute now{before.day, next / 60, next % 60};
        if (check.Tick(before, now, kDefaultNewMoonMinute, CHijriCalendar())) {
            asked.push_back(ClockMinuteText(next));
            check.Answered(answer, now);
        }
        before = now;
    }
    return asked;
}

TEST(CrescentQuestion, NotYetAsksAgainEveryHourUntilMidnightAndAnAnswerEndsIt)
{
    CCrescentCheck notYet;
    EXPECT_EQ(askedBetween(
                  notYet, at(kRamadhan29, 17, 0), at(kRamadhan29, 23, 59), CrescentAnswer::NotYet),
        (std::vector<std::string>{"18:00", "19:00", "20:00", "21:00", "22:00", "23:00"}));
    for (const CrescentAnswer answer : {CrescentAnswer::Seen, CrescentAnswer::NotSeen}) {
        CCrescentCheck check;
        EXPECT_EQ(askedBetween(check, at(kRamadhan29, 17, 0), at(kRamadhan29, 23, 59), answer),
            std::vector<std::string>{"18:00"});
    }
    // Nothing while the question is open; its answer an hour later counts
    // from then.
    CCrescentCheck open;
    ASSERT_TRUE(open.Tick(at(kRamadhan29, 17, 59), at(kRamadhan29, 18, 0), 1080, {}));
    EXPECT_FALSE(open.Tick(at(kRamadhan29, 18, 59), at(kRamadhan29, 19, 0), 1080, {}));
    open.Answered(CrescentAnswer::NotYet, at(kRamadhan29, 19, 10));
    EXPECT_FALSE(open.Tick(at(kRamadhan29, 20, 8), at(kRamadhan29, 20, 9), 1080, {}));
    EXPECT_TRUE(open.Tick(at(kRamadhan29, 20, 9), at(kRamadhan29, 20, 10), 1080, {}));
    // "Not yet" after midnight asks no more.
    open.Answered(CrescentAnswer::NotYet, at(kRamadhan29 + 1, 0, 5));
    EXPECT_FALSE(open.Tick(at(kRamadhan29 + 1, 1, 4), at(kRamadhan29 + 1, 1, 5), 1080, {}));
}

TEST(CrescentQuestion, YesRecordsTomorrowNoTheDayAfterTheThirtieth)
{
    const CrescentQuestion question{kRamadhan29, 1447, 9, 1447, 10};
    const struct {
        const char *name;
        CrescentAnswer answer;
        std::optional<int> first;
    } cases[] = {
        {"seen", CrescentAnswer::Seen, kRamadhan29 + 1},
        {"not seen", CrescentAnswer::NotSeen, kRamadhan29 + 2},
        {"not yet", CrescentAnswer::NotYet, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<HijriMonthStart> record = CrescentRecord(question, c.answer);
        ASSERT_EQ(record.has_value(), c.first.has_value());
        if (!record)
            continue;
        EXPECT_EQ(*record, (HijriMonthStart{1447, 10, *c.first}));
        const CHijriCalendar kept = CHijriCalendar().WithMonthStarts({*record});
        EXPECT_TRUE(kept.RefusedMonthStarts().empty());
        EXPECT_EQ(kept.MonthLength(1447, 9), *c.first - kRamadhan29 + 28);
    }
}

TEST(CrescentQuestion, TheTimeIsReadAsHoursAndMinutes)
{
    const struct {
        const char *text;
        std::optional<int> minute;
    } cases[] = {
        {"18:00", 1080},
        {"7:05", 425},
        {"00:00", 0},
        {"23:59", 1439},
        {"24:00", std::nullopt},
        {"18:60", std::nullopt},
        {"18:5", std::nullopt},
        {"-1:00", std::nullopt},
        {"18", std::nullopt},
        {"", std::nullopt},
        {" 18:00", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseClockMinute(c.text), c.minute);
        if (c.minute) {
            EXPECT_EQ(ParseClockMinute(ClockMinuteText(*c.minute)), c.minute);
        }
    }
    EXPECT_EQ(ClockMinuteText(425), "07:05");
}

} // namespace

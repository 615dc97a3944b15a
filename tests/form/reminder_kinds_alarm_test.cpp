// The kinds that are not yearly, and notice, through the desktop program's
// minute timer on a clock the test moves: each rings on its days at its
// time, with its prompt and notification, and on no other day.
#include "tests/form/alarm_fixture.h"

#include "calendar/icu/hijri_calendar.h"

namespace {

class ReminderKindsAlarmTest : public AlarmClockTest {
protected:
    // Ticks a minute at a time up to `until`; when the first prompt opened.
    std::optional<std::int64_t> TickToPrompt(std::int64_t until)
    {
        const std::size_t before = m_boxes.size();
        while (m_now < until) {
            Tick();
            if (m_boxes.size() > before)
                return m_now;
        }
        return std::nullopt;
    }

    // Whether a reminder is due on the day of `christian` at `hour`:00, as
    // the minute timer's check finds it.
    bool DueOn(const YearMonthDay &christian, int hour)
    {
        m_now = At(christian.year, christian.month, christian.day, hour, 0);
        return View()->CheckAlarm() == TRUE;
    }

    // Starts on Friday 6 March 1998 at 07:00 and ticks: a prompt opens at
    // 08:00 and is answered No.
    void StartAndRingAtEight()
    {
        m_now = At(1998, 3, 6, 7, 0);
        Start();
        m_answer = IDNO;
        EXPECT_EQ(TickToPrompt(At(1998, 3, 6, 9, 0)), At(1998, 3, 6, 8, 0));
    }

    static std::string Prompt(const std::string &memos)
    {
        return "Zamanix Reminder:\n\n" + memos +
            "\n\nDo you want me to remind you again in 15 minutes?";
    }
};

TEST_F(ReminderKindsAlarmTest, AWeeklyReminderRingsOnItsWeekdayAtItsTimeAndNotTheDayBefore)
{
    Store("MoreReminders", "Friday", "Friday prayer");
    Store("MoreAlarms", "Friday", "12:30 15");
    m_now = At(1998, 3, 5, 12, 0); // a Thursday
    Start();
    m_answer = IDNO;
    EXPECT_EQ(TickToPrompt(At(1998, 3, 6, 23, 0)), At(1998, 3, 6, 12, 30));
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, Prompt("\rFriday prayer"));
    EXPECT_EQ(m_notices.front(), "Zamanix Reminder: \nFriday prayer");
}

TEST_F(ReminderKindsAlarmTest, AMonthlyHijriReminderRingsOnThe13thOfTwoMonthsInARow)
{
    Store("MoreReminders", "Hijri/13", "White day fast");
    Store("MoreAlarms", "Hijri/13", "05:00 15");
    const CHijriCalendar hijri;
    const int first = hijri.DayOfHijri({1418, 11, 13}), second = hijri.DayOfHijri({1418, 12, 13});
    m_now = At(1998, 3, 6, 12, 0);
    Start();
    for (int day = first - 1; day <= second + 1; ++day) {
        SCOPED_TRACE(day - first);
        EXPECT_EQ(DueOn(ChristianOfDay(day), 23), day == first || day == second);
    }
    m_answer = IDNO;
    for (const int day : {first, second}) {
        const YearMonthDay date = ChristianOfDay(day);
        SCOPED_TRACE(date.day);
        m_now = At(date.year, date.month, date.day, 4, 58);
        EXPECT_EQ(TickToPrompt(At(date.year, date.month, date.day, 6, 0)),
            At(date.year, date.month, date.day, 5, 0));
        EXPECT_EQ(m_boxes.back().text, Prompt("White day fast\r"));
    }
}

TEST_F(ReminderKindsAlarmTest, AOnceReminderRingsInItsYearAndNotInTheNext)
{
    Store("MoreReminders", "Thul Qi'dah/7/1418", "Engagement");
    Store("MoreAlarms", "Thul Qi'dah/7/1418", "08:00 15");
    StartAndRingAtEight();
    EXPECT_EQ(m_boxes.back().text, Prompt("Engagement\r"));
    const YearMonthDay nextYear = CHijriCalendar().ToChristian({1419, 11, 7});
    EXPECT_FALSE(DueOn(nextYear, 12));
}

TEST_F(ReminderKindsAlarmTest, NoticeRingsTheDaysBeforeSayingWhenTheDayComes)
{
    Store("Reminder", "March/09", "Pay the rent");
    Store("Alarm", "March/09", "08:00 15");
    Store("Notice", "March/09", "3");
    StartAndRingAtEight();
    const std::string notice = "In 3 days, Monday 9 March 1998 / 10 Thul Qi'dah 1418: Pay the rent";
    EXPECT_EQ(m_boxes.back().text, Prompt("\r" + notice));
    EXPECT_EQ(m_notices.front(), "Zamanix Reminder: \n" + notice);
    EXPECT_FALSE(DueOn({1998, 3, 7}, 12)) << "only that many days before";
    EXPECT_FALSE(DueOn({1998, 3, 8}, 12));
    EXPECT_TRUE(DueOn({1998, 3, 9}, 12)) << "and on the day itself";
    EXPECT_EQ(View()->m_strAlarmText, "\rPay the rent");
}

} // namespace

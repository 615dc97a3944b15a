// The minute timer with a clock the test moves: reminders falling due, their
// prompt and sound, repeats, No for the rest of the day, today's line.
#include "tests/form/form_fixture.h"

#include "framework/menu.h"
#include "framework/notification.h"
#include "framework/sound.h"
#include "resources/resource.h"

#include <QLabel>

namespace {

class AlarmClockTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        SetSoundPlayer([this](const CString &name) {
            m_sounds.push_back(name);
            return true;
        });
        SetNotifier([this](const CString &summary, const CString &body) {
            m_notices.push_back(summary.empty() ? "closed" : summary + ": " + body);
        });
        m_now = At(1998, 3, 6, 7, 0); // Friday 6 March 1998 = 7 Thul Qi'dah 1418
    }
    void TearDown() override
    {
        SetSoundPlayer({});
        SetNotifier({});
        ProgramTest::TearDown();
    }

    // One tick of the minute timer, the clock a minute on.
    void Tick(UINT id = 1)
    {
        m_now += 60;
        View()->OnTimer(id);
    }
    void TickUntil(int hour, int minute)
    {
        while (m_now < At(1998, 3, 6, hour, minute) - 59)
            Tick();
    }
    // Runs ticks until one opens a prompt (at most `limit`); how many it took.
    int TicksToPrompt(int limit)
    {
        const std::size_t before = m_boxes.size();
        for (int i = 1; i <= limit; ++i) {
            Tick();
            if (m_boxes.size() > before)
                return i;
        }
        return -1;
    }

    std::vector<CString> m_sounds;
    std::vector<CString> m_notices;
};

TEST_F(AlarmClockTest, TheFirstTickChecksAndTheDefaultAlarmRingsAtEight)
{
    Store("Reminder", "Thul Qi'dah/7", "Visit Ahmad");
    m_now = At(1998, 3, 6, 8, 0) - 60;
    Start();
    m_answer = IDYES;
    Tick(); // 08:00, countdown 0 -> -1
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text,
        "Zamanix Reminder:\n\nVisit Ahmad\r\n\nDo you want me to remind you "
        "again in 60 minutes?");
    EXPECT_EQ(m_boxes[0].style, MB_YESNO | MB_ICONINFORMATION);
    EXPECT_EQ(m_sounds, std::vector<CString>{"Reminder.wav"});
    EXPECT_EQ(m_notices, (std::vector<CString>{"Zamanix Reminder: Visit Ahmad\n", "closed"}))
        << "the desktop shows the memo until the prompt is answered";
    EXPECT_EQ(CZamanixView::GetAlarmCountdown(), 60);
}

TEST_F(AlarmClockTest, AnAlarmIsReachedFromItsMinuteOn)
{
    Store("Reminder", "March/06", "Dentist");
    Store("Alarm", "March/06", "14:30 5");
    // The Hijri key has no alarm: its default 08:00 takes part unless a
    // Hijri memo... there is none, but the default still counts.
    Store("Alarm", "Thul Qi'dah/7", "23:59 60");
    Start();
    const struct {
        int hour, minute;
        bool due;
    } times[] = {{13, 45, false}, {14, 29, false}, {14, 30, true}, {15, 0, true}};
    for (const auto &t : times) {
        SCOPED_TRACE(Format("%02d:%02d", t.hour, t.minute));
        m_now = At(1998, 3, 6, t.hour, t.minute);
        EXPECT_EQ(View()->CheckAlarm(), t.due ? TRUE : FALSE);
    }
    EXPECT_EQ(View()->m_nSnooze, 5);
}

TEST_F(AlarmClockTest, OneCalendarsReminderMeetsTheOtherKeysDefault)
{
    Store("Reminder", "Thul Qi'dah/7", "Hijri only");
    Store("Alarm", "Thul Qi'dah/7", "09:00 30");
    Start();
    m_now = At(1998, 3, 6, 8, 0);
    EXPECT_TRUE(View()->CheckAlarm()) << "the Christian key's default 08:00 is earlier";
    EXPECT_EQ(View()->m_nSnooze, 30) << "the smaller interval";
    EXPECT_EQ(View()->m_strAlarmText, "Hijri only\r");
}

TEST_F(AlarmClockTest, BothCalendarsShareOnePrompt)
{
    Store("Reminder", "Thul Qi'dah/7", "Hijri memo");
    Store("Alarm", "Thul Qi'dah/7", "10:00 20");
    Store("Reminder", "March/06", "Christian memo");
    Store("Alarm", "March/06", "09:15 45");
    Start();
    m_now = At(1998, 3, 6, 9, 14);
    EXPECT_FALSE(View()->CheckAlarm());
    m_now = At(1998, 3, 6, 9, 15);
    EXPECT_TRUE(View()->CheckAlarm());
    EXPECT_EQ(View()->m_strAlarmText, "Hijri memo\rChristian memo");
    EXPECT_EQ(View()->m_nSnooze, 20);
    EXPECT_EQ(View()->m_strToday, "Friday March 06, 1998 - Thul Qi'dah 7, 1418");
}

TEST_F(AlarmClockTest, OnlyAChristianMemoLeadsWithTheSeparator)
{
    Store("Reminder", "March/06", "Christian memo");
    Start();
    m_now = At(1998, 3, 6, 8, 0);
    EXPECT_TRUE(View()->CheckAlarm());
    EXPECT_EQ(View()->m_strAlarmText, "\rChristian memo");
}

TEST_F(AlarmClockTest, YesRepeatsAfterTheInterval)
{
    Store("Reminder", "Thul Qi'dah/7", "Take medicine");
    Store("Alarm", "Thul Qi'dah/7", "07:00 15");
    Store("Alarm", "March/06", "07:00 15");
    Start();
    m_answer = IDYES;
    EXPECT_EQ(TicksToPrompt(1), 1);
    EXPECT_EQ(TicksToPrompt(20), 15);
    EXPECT_EQ(TicksToPrompt(20), 15);
}

TEST_F(AlarmClockTest, IntervalZeroChecksAtTheVeryNextTick)
{
    Store("Reminder", "Thul Qi'dah/7", "Now and again");
    Store("Alarm", "Thul Qi'dah/7", "07:00 0");
    Start();
    m_answer = IDYES;
    EXPECT_EQ(TicksToPrompt(1), 1);
    EXPECT_NE(m_boxes.back().text.find("remind you again in 0 minutes?"), CString::npos);
    EXPECT_EQ(TicksToPrompt(1), 1);
}

TEST_F(AlarmClockTest, NoSilencesBothCalendarsForThatDayOnly)
{
    Store("Reminder", "Thul Qi'dah/7", "Hijri");
    Store("Reminder", "March/06", "Christian");
    Store("Reminder", "March/07", "Tomorrow");
    Start();
    m_now = At(1998, 3, 6, 9, 0);
    m_answer = IDNO;
    EXPECT_EQ(TicksToPrompt(1), 1);
    EXPECT_EQ(View()->m_strDoneKey, "March/06");
    EXPECT_EQ(TicksToPrompt(600), -1) << "silent until the day changes";
    m_now = At(1998, 3, 7, 8, 0);
    // The checks come every 60 ticks now, the interval of the last reminder due.
    EXPECT_GT(TicksToPrompt(61), 0) << "the next day rings again";
}

TEST_F(AlarmClockTest, NoAfterMidnightSilencesTheDayThePromptWasFor)
{
    Store("Reminder", "March/06", "Late");
    Store("Reminder", "March/07", "Next day");
    Start();
    m_now = At(1998, 3, 6, 23, 58);
    SetMessageBoxResponder([this](const CString &text, UINT style) {
        m_boxes.push_back({text, style});
        m_now = At(1998, 3, 7, 0, 5); // the user answers after midnight
        return IDNO;
    });
    Tick();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(View()->m_strDoneKey, "March/06");
    m_now = At(1998, 3, 7, 8, 0);
    EXPECT_TRUE(View()->CheckAlarm()) << "7 March's reminder still rings";
}

TEST_F(AlarmClockTest, NoSecondPromptOpensOverAnOpenOne)
{
    Store("Reminder", "Thul Qi'dah/7", "Lunch");
    Store("Alarm", "Thul Qi'dah/7", "07:00 5");
    Start();
    int ticksInside = 0;
    SetMessageBoxResponder([&](const CString &text, UINT style) {
        m_boxes.push_back({text, style});
        // The user is away for half an hour: the ticks go on meanwhile.
        if (m_boxes.size() == 1)
            for (; ticksInside < 30; ++ticksInside)
                Tick();
        return IDYES;
    });
    Tick();
    EXPECT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(CZamanixView::GetAlarmCountdown(), 5)
        << "counted again from the interval when it closes";
}

TEST_F(AlarmClockTest, DaysTypedEitherWayFallDue)
{
    const struct {
        const char *key;
        const char *name;
    } keys[] = {{"March/6", "Christian day without its zero"},
        {"Thul Qi'dah/07", "Hijri day with a zero"}, {"March/06", "the usual Christian key"},
        {"Thul Qi'dah/7", "the usual Hijri key"}};
    for (const auto &k : keys) {
        SCOPED_TRACE(k.name);
        std::filesystem::remove(m_profile);
        Store("Reminder", k.key, k.name);
        Start();
        m_now = At(1998, 3, 6, 8, 0);
        EXPECT_TRUE(View()->CheckAlarm());
        EXPECT_NE(View()->m_strAlarmText.find(k.name), CString::npos);
        m_app.reset();
    }
}

TEST_F(AlarmClockTest, ATypedVariantsOwnAlarmCounts)
{
    Store("Reminder", "March/6", "early");
    Store("Alarm", "March/6", "06:00 10");
    Start();
    m_now = At(1998, 3, 6, 6, 0);
    EXPECT_TRUE(View()->CheckAlarm());
    EXPECT_EQ(View()->m_nSnooze, 10);
}

TEST_F(AlarmClockTest, OtherTimerIdsOnlyRefreshTheDay)
{
    Start();
    const int countdown = CZamanixView::GetAlarmCountdown();
    m_now = At(1998, 3, 7, 0, 1);
    View()->OnTimer(2);
    EXPECT_EQ(CZamanixView::GetAlarmCountdown(), countdown);
    EXPECT_EQ(
        Control<QLabel>(IDC_DATENOW)->text(), "Saturday March 07, 1998 - Thul Qi'dah 8, 1418");
}

TEST_F(AlarmClockTest, AMonthAsleepOnTheSameDayNumberStillRefreshesToday)
{
    Start();
    m_now = At(1998, 4, 6, 7, 0);
    Tick();
    EXPECT_TRUE(Control<QLabel>(IDC_DATENOW)->text().startsWith("Monday April 06, 1998 - "))
        << Control<QLabel>(IDC_DATENOW)->text().toStdString();
}

TEST_F(AlarmClockTest, SoundOnlyWhileTheMenuItemIsChecked)
{
    Store("Reminder", "March/06", "quiet please");
    Store("Defaults", "Audio", "OFF");
    m_now = At(1998, 3, 6, 9, 0);
    Start();
    Tick();
    EXPECT_EQ(m_boxes.size(), 1u);
    EXPECT_TRUE(m_sounds.empty());
}

} // namespace

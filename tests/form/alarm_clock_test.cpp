// The minute timer with a clock the test moves: reminders falling due, their
// prompt and sound, repeats, No for the rest of the day, today's line.
#include "tests/form/alarm_fixture.h"

#include "framework/menu.h"
#include "resources/resource.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <functional>

namespace {

TEST_F(AlarmClockTest, TheFirstTickChecksAndTheDefaultAlarmRingsAtEight)
{
    Store("Reminder", "Thul Qi'dah/7", "Visit Ahmad");
    m_now = At(1998, 3, 6, 8, 0) - 60;
    Start();
    m_answer = IDYES;
    Tick(); // 08:00: the first tick checks
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text,
        "Zamanix Reminder:\n\nVisit Ahmad\r\n\nDo you want me to remind you "
        "again in 60 minutes?");
    EXPECT_EQ(m_boxes[0].style, MB_YESNO | MB_ICONINFORMATION);
    EXPECT_EQ(m_sounds, std::vector<CString>{"Reminder.wav"});
    EXPECT_EQ(m_notices, (std::vector<CString>{"Zamanix Reminder: Visit Ahmad\n", "closed"}))
        << "the desktop shows the memo until the prompt is answered";
    EXPECT_EQ(View()->GetAlarmCountdown(), 60);
}

TEST_F(AlarmClockTest, AnAlarmIsReachedFromItsMinuteOn)
{
    Store("Reminder", "March/06", "Dentist");
    Store("Alarm", "March/06", "14:30 5");
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

TEST_F(AlarmClockTest, OneCalendarsReminderKeepsItsOwnAlarm)
{
    Store("Reminder", "Thul Qi'dah/7", "Hijri only");
    Store("Alarm", "Thul Qi'dah/7", "09:00 90");
    Start();
    m_now = At(1998, 3, 6, 8, 0);
    EXPECT_FALSE(View()->CheckAlarm()) << "the empty Christian key brings no 08:00 alarm";
    m_now = At(1998, 3, 6, 9, 0);
    EXPECT_TRUE(View()->CheckAlarm());
    EXPECT_EQ(View()->m_nSnooze, 90) << "nor its interval of 60";
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
    EXPECT_EQ(TicksToPrompt(1), 1) << "the next day rings again";
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
    EXPECT_EQ(View()->GetAlarmCountdown(), 5) << "counted again from the interval when it closes";
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
    const int countdown = View()->GetAlarmCountdown();
    m_now = At(1998, 3, 7, 0, 1);
    View()->OnTimer(2);
    EXPECT_EQ(View()->GetAlarmCountdown(), countdown);
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

TEST_F(AlarmClockTest, AReminderRingsAtItsOwnTimeInEitherCalendarAndSpelling)
{
    const char *const keys[] = {"March/06", "March/6", "Thul Qi'dah/7", "Thul Qi'dah/07"};
    for (const char *key : keys) {
        SCOPED_TRACE(key);
        std::filesystem::remove(m_profile);
        Store("Reminder", key, "Dentist");
        Store("Alarm", key, "14:30 5");
        m_now = At(1998, 3, 6, 7, 59);
        Start();
        m_answer = IDNO; // a No before 14:30 would silence it
        EXPECT_EQ(TicksToPrompt(400), 391) << "at 14:30, not at 08:00";
        EXPECT_NE(m_boxes.back().text.find("in 5 minutes?"), CString::npos);
        m_app.reset();
        m_boxes.clear();
    }
}

TEST_F(AlarmClockTest, AHandEditedIntervalStaysInTheFormsRange)
{
    const struct {
        const char *stored;
        int every;
    } cases[] = {{"-2147483648", 0}, {"-1", 0}, {"721", 720}, {"2147483647", 720}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        std::filesystem::remove(m_profile);
        Store("Reminder", "March/06", "Pills");
        Store("Alarm", "March/06", CString("07:00 ") + c.stored);
        m_now = At(1998, 3, 6, 7, 0);
        Start();
        m_answer = IDYES;
        EXPECT_EQ(TicksToPrompt(1), 1);
        EXPECT_NE(m_boxes.back().text.find(Format("again in %d minutes?", c.every)), CString::npos)
            << m_boxes.back().text;
        EXPECT_EQ(TicksToPrompt(721), std::max(c.every, 1)) << "and it comes again";
        m_app.reset();
    }
}

TEST_F(AlarmClockTest, YesterdaysIntervalDoesNotDelayToday)
{
    Store("Reminder", "March/06", "Evening");
    Store("Alarm", "March/06", "23:00 720");
    Store("Alarm", "Thul Qi'dah/7", "23:00 720"); // a key without a memo
    Store("Reminder", "March/07", "Midnight");
    Store("Alarm", "March/07", "00:00 60");
    m_now = At(1998, 3, 6, 22, 59);
    Start();
    m_answer = IDYES;
    EXPECT_EQ(TicksToPrompt(1), 1);
    EXPECT_EQ(TicksToPrompt(720), 60) << "at 00:00, the first tick of the day";
    EXPECT_EQ(m_boxes.back().text.find("Evening"), CString::npos);
    EXPECT_NE(m_boxes.back().text.find("in 60 minutes?"), CString::npos);
}

// Add and Delete while the prompt of 07:00 waits out its interval of 720.
class AlarmAfterChangeTest : public AlarmClockTest {
public:
    void Type(int id, const QString &text) { Control<QLineEdit>(id)->setText(text); }
    void ChooseHijriDay(const QString &day)
    {
        Control<QComboBox>(IDC_MONTH)->setCurrentIndex(10); // Thul Qi'dah
        Type(IDC_DAY, day);
        Type(IDC_YEAR, QStringLiteral("1418"));
    }
    void Add(const QString &day, const QString &memo)
    {
        ChooseHijriDay(day);
        Control<QPlainTextEdit>(IDC_MEMO)->setPlainText(memo);
        Type(IDC_HOUR, QStringLiteral("7"));
        Type(IDC_MINUTE, QStringLiteral("5"));
        Type(IDC_EVERY, QStringLiteral("30"));
        View()->OnAddReminder();
    }
    void Delete(const QString &day)
    {
        ChooseHijriDay(day);
        View()->OnDeleteReminder();
    }
};

TEST_F(AlarmAfterChangeTest, TodaysChangesAreCheckedAtTheNextTick)
{
    const struct {
        const char *name;
        std::function<void(AlarmAfterChangeTest &)> change;
        int ticks; // to the next prompt, -1: none before the interval
        const char *shown; // in the next prompt
    } cases[] = {
        {"Add for today", [](AlarmAfterChangeTest &t) { t.Add("7", "Added"); }, 1,
            "Added\rBreakfast"},
        {"Add with the day typed 07", [](AlarmAfterChangeTest &t) { t.Add("07", "Added"); }, 1,
            "Hijri\rAdded\rBreakfast"},
        {"Delete today's", [](AlarmAfterChangeTest &t) { t.Delete("7"); }, 1, "\rBreakfast"},
        {"Add for tomorrow", [](AlarmAfterChangeTest &t) { t.Add("8", "Tomorrow"); }, -1, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m_profile);
        Store("Reminder", "Thul Qi'dah/7", "Hijri");
        Store("Alarm", "Thul Qi'dah/7", "07:00 720");
        Store("Reminder", "March/06", "Breakfast");
        Store("Alarm", "March/06", "07:00 720");
        m_now = At(1998, 3, 6, 7, 0);
        Start();
        m_answer = IDYES;
        ASSERT_EQ(TicksToPrompt(1), 1);
        c.change(*this);
        EXPECT_EQ(TicksToPrompt(60), c.ticks);
        if (c.ticks > 0) {
            EXPECT_EQ(View()->m_strAlarmText, c.shown);
        }
        m_app.reset();
    }
}

} // namespace

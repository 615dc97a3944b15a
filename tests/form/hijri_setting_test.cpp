// The Hijri calendar a community keeps, chosen from the Options menu: the
// form and the due check follow at once; the choice is written only when it
// changes and comes back after a restart; an unreadable value is the default.
#include "tests/form/alarm_fixture.h"

#include "calendar/calendar.h"
#include "framework/menu.h"
#include "reminders/reminder_entries.h"
#include "resources/resource.h"

#include <QLabel>

#include <span>

namespace {

constexpr UINT kRuleCommands[] = {
    ID_OPTIONS_HIJRI_ASTRONOMICAL, ID_OPTIONS_HIJRI_UMALQURA, ID_OPTIONS_HIJRI_CIVIL};
constexpr UINT kAdjustCommands[] = {ID_OPTIONS_HIJRI_ADJUST_MINUS2, ID_OPTIONS_HIJRI_ADJUST_MINUS1,
    ID_OPTIONS_HIJRI_ADJUST_NONE, ID_OPTIONS_HIJRI_ADJUST_PLUS1, ID_OPTIONS_HIJRI_ADJUST_PLUS2};

class HijriSettingTest : public AlarmClockTest {
protected:
    void SetUp() override
    {
        AlarmClockTest::SetUp();
        // Wednesday 18 February 2026: 30 Sha'ban 1447 by the new moons, 1
        // Ramadhan 1447 by Umm al-Qura.
        m_now = At(2026, 2, 18, 9, 0);
    }

    // As a click on the menu item.
    void Choose(UINT id) const { Frame()->GetMenu()->FindItem(id)->trigger(); }
    QLabel *Label(int id) const { return Control<QLabel>(id); }
    std::optional<std::string> Stored(std::string_view entry) const
    {
        return FindProfileEntry(m_profile, kDefaultsSection, entry);
    }
    // The items that carry a mark, of both submenus.
    std::vector<UINT> Marked() const
    {
        std::vector<UINT> marked;
        for (std::span<const UINT> ids :
            {std::span<const UINT>(kRuleCommands), std::span<const UINT>(kAdjustCommands)})
            for (UINT id : ids)
                if (Frame()->GetMenu()->GetMenuState(id, MF_BYCOMMAND) == MF_CHECKED)
                    marked.push_back(id);
        return marked;
    }
    static CString DateText(const YearMonthDay &date, const std::string *names)
    {
        return Format("%d %s %d", date.day, names[date.month - 1].c_str(), date.year);
    }
};

// Each choice changes what the form shows at once, without View: today's
// line with its tool tip, and the corresponding date of a date shown in
// either calendar. Each text keeps its form.
TEST_F(HijriSettingTest, ChoosingMovesTodayAndTheCorrespondingDateAtOnce)
{
    Start();
    View()->ShowDate(true, 1447, 9, "1");
    EXPECT_EQ(Label(IDC_DATENOW)->text(), "Wednesday February 18, 2026 - 30 Sha'ban 1447");
    EXPECT_EQ(Label(IDC_CORRESPONDING)->text(), "19 February 2026");
    Choose(ID_OPTIONS_HIJRI_UMALQURA);
    EXPECT_EQ(Label(IDC_DATENOW)->text(), "Wednesday February 18, 2026 - 1 Ramadhan 1447");
    EXPECT_EQ(Label(IDC_CORRESPONDING)->text(), "18 February 2026");
    EXPECT_EQ(Label(IDC_DATENOW)->accessibleDescription(), "Today's Date (Umm al-Qura)");

    const struct {
        UINT command;
        CHijriCalendar calendar;
        bool hijriShown; // 1 Ramadhan 1447 is shown, or else 18 February 2026
        const char *tip;
    } cases[] = {
        {ID_OPTIONS_HIJRI_ADJUST_PLUS1, {HijriRule::UmmAlQura, 1}, false, "Umm al-Qura, +1 day"},
        {ID_OPTIONS_HIJRI_CIVIL, {HijriRule::Civil, 1}, true, "Tabular (civil), +1 day"},
        {ID_OPTIONS_HIJRI_ADJUST_MINUS2, {HijriRule::Civil, -2}, false, "Tabular (civil), -2 days"},
        {ID_OPTIONS_HIJRI_ASTRONOMICAL, {HijriRule::Astronomical, -2}, true,
            "Astronomical, -2 days"},
        {ID_OPTIONS_HIJRI_ADJUST_NONE, {}, false, "Astronomical"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tip);
        View()->ShowDate(c.hijriShown, c.hijriShown ? 1447 : 2026, c.hijriShown ? 9 : 2,
            c.hijriShown ? "1" : "18");
        Choose(c.command);
        EXPECT_EQ(View()->GetHijriCalendar(), c.calendar);
        const CString hijriToday = DateText(c.calendar.ToHijri({2026, 2, 18}), HijriMonthNames);
        EXPECT_EQ(Label(IDC_DATENOW)->text().toStdString(),
            "Wednesday February 18, 2026 - " + hijriToday);
        EXPECT_EQ(Label(IDC_CORRESPONDING)->text().toStdString(),
            c.hijriShown ? DateText(c.calendar.ToChristian({1447, 9, 1}), ChristianMonthNames)
                         : hijriToday);
        EXPECT_EQ(Label(IDC_DATENOW)->toolTip().toStdString(), c.tip);
        EXPECT_EQ(Marked(),
            (std::vector<UINT>{kRuleCommands[static_cast<int>(c.calendar.Rule())],
                ID_OPTIONS_HIJRI_ADJUST_NONE + c.calendar.Adjust()}));
    }
    // Just switched to the other calendar, the form shows no corresponding
    // date, and a change of rule makes none up.
    View()->OnRadioChristian();
    Choose(ID_OPTIONS_HIJRI_CIVIL);
    EXPECT_EQ(Label(IDC_CORRESPONDING)->text(), "");
    // The line keeps its form: the timer's, after a new day.
    m_now = At(2026, 2, 18, 23, 59);
    Tick();
    EXPECT_EQ(Label(IDC_DATENOW)->text(), "Thursday February 19, 2026 - Ramadhan 2, 1447");
    Choose(ID_OPTIONS_HIJRI_ASTRONOMICAL);
    EXPECT_EQ(Label(IDC_DATENOW)->text(), "Thursday February 19, 2026 - Ramadhan 1, 1447");
}

// "Ramadhan/1" rings on the day the calendar in use calls 1 Ramadhan, from
// the next tick after a choice, even while an earlier prompt's interval runs.
TEST_F(HijriSettingTest, TheDueCheckFollowsTheCalendarInUse)
{
    Store("Reminder", "Ramadhan/1", "Ramadhan begins");
    Store("Alarm", "Ramadhan/1", "00:00 60");
    Start();
    m_answer = IDYES;
    const UINT commands[] = {ID_OPTIONS_HIJRI_ASTRONOMICAL, ID_OPTIONS_HIJRI_UMALQURA,
        ID_OPTIONS_HIJRI_ADJUST_MINUS1, ID_OPTIONS_HIJRI_CIVIL, ID_OPTIONS_HIJRI_ADJUST_NONE,
        ID_OPTIONS_HIJRI_ASTRONOMICAL, ID_OPTIONS_HIJRI_ADJUST_PLUS1};
    for (UINT command : commands) {
        Choose(command);
        const CHijriCalendar &calendar = View()->GetHijriCalendar();
        SCOPED_TRACE(calendar.Description());
        const bool first = calendar.ToHijri({2026, 2, 18}) == YearMonthDay{1447, 9, 1};
        const std::size_t before = m_boxes.size();
        Tick();
        ASSERT_EQ(m_boxes.size(), before + (first ? 1 : 0));
        if (first) {
            EXPECT_NE(m_boxes.back().text.find("Ramadhan begins"), CString::npos);
        }
    }
    EXPECT_EQ(m_boxes.size(), 3u) << "Umm al-Qura, tabular and astronomical +1";
}

// A month start recorded in the profile holds from the start, through every
// choice of rule and adjustment that can keep it, for today's line and for
// the due check: Umm al-Qura begins Ramadhan 1447 on 18 February, the
// community here on the 19th.
TEST_F(HijriSettingTest, ARecordedMonthStartHoldsThroughEveryChoice)
{
    Store("Defaults", "HijriCalendar", "umalqura");
    Store("HijriMonthStarts", "1447/9", "2026-02-19");
    Store("Reminder", "Ramadhan/1", "Ramadhan begins");
    Store("Alarm", "Ramadhan/1", "00:00 60");
    Start();
    EXPECT_EQ(Label(IDC_DATENOW)->toolTip(), "Umm al-Qura, 1 month start recorded");
    for (const UINT command :
        {ID_OPTIONS_HIJRI_ADJUST_PLUS1, ID_OPTIONS_HIJRI_CIVIL, ID_OPTIONS_HIJRI_ADJUST_MINUS1}) {
        Choose(command);
        const CHijriCalendar &calendar = View()->GetHijriCalendar();
        SCOPED_TRACE(calendar.Description());
        EXPECT_EQ(calendar.MonthStarts().size(), 1u);
        EXPECT_TRUE(calendar.RefusedMonthStarts().empty());
        EXPECT_EQ(calendar.ToHijri({2026, 2, 19}), (YearMonthDay{1447, 9, 1}));
        const YearMonthDay today = calendar.ToHijri({2026, 2, 18});
        EXPECT_EQ(today.month, 8);
        EXPECT_EQ(Label(IDC_DATENOW)->text().toStdString(),
            "Wednesday February 18, 2026 - " + DateText(today, HijriMonthNames));
    }
    Tick();
    EXPECT_TRUE(m_boxes.empty()) << "not yet the recorded 1 Ramadhan";
    m_now = At(2026, 2, 19, 9, 0);
    Tick();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_NE(m_boxes[0].text.find("Ramadhan begins"), CString::npos);
}

TEST_F(HijriSettingTest, WrittenOnlyWhenChangedAndBackAfterARestart)
{
    Start();
    Choose(ID_OPTIONS_HIJRI_ASTRONOMICAL); // already in use
    Choose(ID_OPTIONS_HIJRI_ADJUST_NONE);
    EXPECT_EQ(Stored(kHijriCalendarEntry), std::nullopt) << "nothing changed, nothing written";
    EXPECT_EQ(Stored(kHijriAdjustEntry), std::nullopt);
    Choose(ID_OPTIONS_HIJRI_UMALQURA);
    EXPECT_EQ(Stored(kHijriCalendarEntry), "umalqura");
    EXPECT_EQ(Stored(kHijriAdjustEntry), std::nullopt) << "only what changed";
    Choose(ID_OPTIONS_HIJRI_ADJUST_MINUS2);
    EXPECT_EQ(Stored(kHijriAdjustEntry), "-2");
    Choose(ID_OPTIONS_HIJRI_ADJUST_PLUS1);
    EXPECT_EQ(Stored(kHijriAdjustEntry), "1");
    EXPECT_TRUE(m_boxes.empty());

    m_app.reset();
    Start();
    EXPECT_EQ(View()->GetHijriCalendar(), CHijriCalendar(HijriRule::UmmAlQura, 1));
    EXPECT_EQ(Label(IDC_DATENOW)->text(), "Wednesday February 18, 2026 - 2 Ramadhan 1447");
    EXPECT_EQ(
        Marked(), (std::vector<UINT>{ID_OPTIONS_HIJRI_UMALQURA, ID_OPTIONS_HIJRI_ADJUST_PLUS1}));
}

TEST_F(HijriSettingTest, AnUnreadableValueIsTheDefaultAndStaysAsItIs)
{
    const struct {
        const char *calendar, *adjust;
        CHijriCalendar expected;
    } cases[] = {
        {"islamic", "7", {}},
        {"", "", {}},
        {"UmmAlQura", "one", {}},
        {"umalqura", "3", {HijriRule::UmmAlQura, 0}},
        {"Civil", "+2", {HijriRule::Civil, 2}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(Format("%s / %s", c.calendar, c.adjust));
        std::filesystem::remove(m_profile);
        Store("Defaults", "HijriCalendar", c.calendar);
        Store("Defaults", "HijriAdjust", c.adjust);
        Start();
        EXPECT_EQ(View()->GetHijriCalendar(), c.expected);
        m_app.reset();
        EXPECT_EQ(Stored(kHijriCalendarEntry), c.calendar);
        EXPECT_EQ(Stored(kHijriAdjustEntry), c.adjust);
    }
}

// As with the sound switch, the choice holds until the program ends, File
// New included, and the user is told that it was not kept.
TEST_F(HijriSettingTest, AFailedWriteIsToldAndTheChoiceStillHolds)
{
    Start();
    m_app->m_pszProfileName.clear(); // no profile: nothing can be written
    Choose(ID_OPTIONS_HIJRI_CIVIL);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text.rfind("The Hijri calendar setting could not be saved; Zamanix "
                                    "keeps Tabular (civil) only until it is closed.",
                  0),
        0u)
        << m_boxes[0].text;
    Frame()->ExecuteCommand(ID_FILE_NEW);
    EXPECT_EQ(View()->GetHijriCalendar().Rule(), HijriRule::Civil);
    EXPECT_EQ(Label(IDC_DATENOW)->text(), "Wednesday February 18, 2026 - 1 Ramadhan 1447");
}

} // namespace

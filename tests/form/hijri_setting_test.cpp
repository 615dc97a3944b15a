// The Hijri calendar a community keeps, as a user chooses it from the
// Options menu: today's line, the corresponding date and the due check
// follow at once; the choice is kept in the profile only when it changes,
// comes back after a restart, and a value the program cannot read leaves
// the default.
#include "tests/form/alarm_fixture.h"

#include "calendar/calendar.h"
#include "form/view_listener.h"
#include "framework/menu.h"
#include "reminders/reminder_entries.h"
#include "resources/resource.h"

#include <QActionGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <optional>

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
        // Wednesday 18 February 2026: 30 Sha'ban 1447 by the new moons, but
        // 1 Ramadhan 1447 by Umm al-Qura.
        m_now = At(2026, 2, 18, 9, 0);
    }

    QAction *Action(UINT id) const { return Frame()->GetMenu()->FindItem(id); }
    // As a click on the menu item.
    void Choose(UINT id) const { Action(id)->trigger(); }
    QString Shown(int id) const { return Control<QLabel>(id)->text(); }
    std::optional<std::string> Stored(std::string_view entry) const
    {
        return FindProfileEntry(m_profile, kDefaultsSection, entry);
    }
    // The commands whose items carry a mark, of one submenu.
    template <std::size_t N> std::vector<UINT> Checked(const UINT (&ids)[N]) const
    {
        std::vector<UINT> checked;
        for (UINT id : ids)
            if (Action(id)->isChecked())
                checked.push_back(id);
        return checked;
    }

    static CString DateText(const YearMonthDay &date, const std::string *names)
    {
        return Format("%d %s %d", date.day, names[date.month - 1].c_str(), date.year);
    }
};

TEST_F(HijriSettingTest, OptionsMenuOffersTheRulesAndAdjustmentsAsChoices)
{
    Start();
    QMenu *options = nullptr;
    for (QAction *top : Frame()->GetMainWindow()->menuBar()->actions())
        if (top->text() == "&Options")
            options = top->menu();
    ASSERT_NE(options, nullptr);
    emit options->aboutToShow();
    QStringList items;
    for (QAction *item : options->actions())
        items << (item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(
        items.join('|').toStdString(), "Audiable Alarm|-|Hijri &Calendar|Hijri Date &Adjustment");

    const struct {
        const char *title;
        std::vector<UINT> ids;
        const char *texts;
    } submenus[] = {
        {"Hijri &Calendar", {std::begin(kRuleCommands), std::end(kRuleCommands)},
            "&Astronomical|&Umm al-Qura|&Tabular (civil)"},
        {"Hijri Date &Adjustment", {std::begin(kAdjustCommands), std::end(kAdjustCommands)},
            "&-2 days|-&1 day|&None|+1 &day|&+2 days"},
    };
    for (const auto &s : submenus) {
        SCOPED_TRACE(s.title);
        QAction *opener = options->actions().at(items.indexOf(s.title));
        ASSERT_NE(opener->menu(), nullptr);
        EXPECT_TRUE(opener->isEnabled()) << "a submenu opens, whatever its commands";
        QStringList texts;
        for (QAction *item : opener->menu()->actions()) {
            texts << item->text();
            EXPECT_TRUE(
                s.ids.end() != std::find(s.ids.begin(), s.ids.end(), item->data().toUInt()));
            ASSERT_NE(item->actionGroup(), nullptr);
            EXPECT_TRUE(item->actionGroup()->isExclusive()) << "shown with round marks";
            EXPECT_FALSE(item->statusTip().isEmpty()) << "explained in the status bar";
        }
        EXPECT_EQ(texts.join('|').toStdString(), s.texts);
    }
    EXPECT_EQ(Action(ID_OPTIONS_HIJRI_UMALQURA)->statusTip(),
        "Follow the Umm al-Qura calendar of Saudi Arabia");
    EXPECT_EQ(Checked(kRuleCommands), std::vector<UINT>{ID_OPTIONS_HIJRI_ASTRONOMICAL});
    EXPECT_EQ(Checked(kAdjustCommands), std::vector<UINT>{ID_OPTIONS_HIJRI_ADJUST_NONE});
}

// Each switch changes what the form shows at once, without View: today's
// line, and the corresponding date of the date shown in either calendar.
TEST_F(HijriSettingTest, SwitchingMovesTodayAndTheCorrespondingDateAtOnce)
{
    Start();
    EXPECT_EQ(Shown(IDC_DATENOW), "Wednesday February 18, 2026 - 30 Sha'ban 1447");
    EXPECT_EQ(Control<QLabel>(IDC_DATENOW)->toolTip(), "Astronomical");
    const struct {
        const char *name;
        UINT rule, adjust;
        HijriRule expectedRule;
        int expectedAdjust;
        bool hijriShown; // the date shown is 1 Ramadhan 1447, or else 18 February 2026
        const char *tip;
    } cases[] = {
        {"Umm al-Qura", ID_OPTIONS_HIJRI_UMALQURA, ID_OPTIONS_HIJRI_ADJUST_NONE,
            HijriRule::UmmAlQura, 0, true, "Umm al-Qura"},
        {"Umm al-Qura +1", ID_OPTIONS_HIJRI_UMALQURA, ID_OPTIONS_HIJRI_ADJUST_PLUS1,
            HijriRule::UmmAlQura, 1, false, "Umm al-Qura, +1 day"},
        {"tabular -2", ID_OPTIONS_HIJRI_CIVIL, ID_OPTIONS_HIJRI_ADJUST_MINUS2, HijriRule::Civil, -2,
            true, "Tabular (civil), -2 days"},
        {"astronomical -1", ID_OPTIONS_HIJRI_ASTRONOMICAL, ID_OPTIONS_HIJRI_ADJUST_MINUS1,
            HijriRule::Astronomical, -1, false, "Astronomical, -1 day"},
        {"astronomical +2", ID_OPTIONS_HIJRI_ASTRONOMICAL, ID_OPTIONS_HIJRI_ADJUST_PLUS2,
            HijriRule::Astronomical, 2, true, "Astronomical, +2 days"},
        {"the default again", ID_OPTIONS_HIJRI_ASTRONOMICAL, ID_OPTIONS_HIJRI_ADJUST_NONE,
            HijriRule::Astronomical, 0, false, "Astronomical"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (c.hijriShown)
            View()->ShowDate(true, 1447, 9, "1");
        else
            View()->ShowDate(false, 2026, 2, "18");
        Choose(c.rule);
        Choose(c.adjust);
        const CHijriCalendar expected(c.expectedRule, c.expectedAdjust);
        EXPECT_EQ(View()->GetHijriCalendar(), expected);
        EXPECT_EQ(Shown(IDC_DATENOW).toStdString(),
            "Wednesday February 18, 2026 - " +
                DateText(expected.ToHijri({2026, 2, 18}), HijriMonthNames));
        EXPECT_EQ(Shown(IDC_CORRESPONDING).toStdString(),
            c.hijriShown ? DateText(expected.ToChristian({1447, 9, 1}), ChristianMonthNames)
                         : DateText(expected.ToHijri({2026, 2, 18}), HijriMonthNames));
        EXPECT_EQ(Control<QLabel>(IDC_DATENOW)->toolTip().toStdString(), c.tip);
        EXPECT_EQ(Checked(kRuleCommands), std::vector<UINT>{c.rule});
        EXPECT_EQ(Checked(kAdjustCommands), std::vector<UINT>{c.adjust});
    }
}

TEST_F(HijriSettingTest, KnownDatesOfRamadhan1447)
{
    Start();
    View()->ShowDate(true, 1447, 9, "1");
    EXPECT_EQ(Shown(IDC_CORRESPONDING), "19 February 2026");
    Choose(ID_OPTIONS_HIJRI_UMALQURA);
    EXPECT_EQ(Shown(IDC_DATENOW), "Wednesday February 18, 2026 - 1 Ramadhan 1447");
    EXPECT_EQ(Shown(IDC_CORRESPONDING), "18 February 2026");
    EXPECT_EQ(Control<QLabel>(IDC_DATENOW)->accessibleDescription(), "Today's Date (Umm al-Qura)");
    // A form just switched to the other calendar shows no corresponding date,
    // and a change of rule does not make one up.
    View()->OnRadioChristian();
    Choose(ID_OPTIONS_HIJRI_CIVIL);
    EXPECT_EQ(Shown(IDC_CORRESPONDING), "");
}

// The line keeps the form it has: the start-up's, or the timer's after a
// new day.
TEST_F(HijriSettingTest, TodaysLineKeepsItsForm)
{
    Start();
    m_now = At(2026, 2, 18, 23, 59);
    Tick(); // past midnight
    EXPECT_EQ(Shown(IDC_DATENOW), "Thursday February 19, 2026 - Ramadhan 1, 1447");
    Choose(ID_OPTIONS_HIJRI_UMALQURA);
    EXPECT_EQ(Shown(IDC_DATENOW), "Thursday February 19, 2026 - Ramadhan 2, 1447");
    EXPECT_EQ(View()->m_strToday, "Thursday February 19, 2026 - Ramadhan 2, 1447");
}

// A reminder keyed "Ramadhan/1" rings on the day the calendar in use calls
// 1 Ramadhan, from the next tick after a switch.
TEST_F(HijriSettingTest, TheDueCheckFollowsTheCalendarInUse)
{
    Store("Reminder", "Ramadhan/1", "Ramadhan begins");
    Store("Alarm", "Ramadhan/1", "00:00 60");
    Start();
    m_answer = IDYES;
    const struct {
        const char *name;
        UINT command;
        CHijriCalendar calendar;
    } cases[] = {
        {"astronomical", ID_OPTIONS_HIJRI_ASTRONOMICAL, {}},
        {"Umm al-Qura", ID_OPTIONS_HIJRI_UMALQURA, {HijriRule::UmmAlQura, 0}},
        {"Umm al-Qura -1", ID_OPTIONS_HIJRI_ADJUST_MINUS1, {HijriRule::UmmAlQura, -1}},
        {"tabular -1", ID_OPTIONS_HIJRI_CIVIL, {HijriRule::Civil, -1}},
        {"tabular", ID_OPTIONS_HIJRI_ADJUST_NONE, {HijriRule::Civil, 0}},
        {"astronomical again", ID_OPTIONS_HIJRI_ASTRONOMICAL, {}},
        {"astronomical +1", ID_OPTIONS_HIJRI_ADJUST_PLUS1, {HijriRule::Astronomical, 1}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Choose(c.command);
        ASSERT_EQ(View()->GetHijriCalendar(), c.calendar);
        const bool first = c.calendar.ToHijri({2026, 2, 18}) == YearMonthDay{1447, 9, 1};
        const std::size_t before = m_boxes.size();
        Tick();
        EXPECT_EQ(m_boxes.size(), before + (first ? 1 : 0));
        if (first) {
            EXPECT_NE(m_boxes.back().text.find("Ramadhan begins"), CString::npos);
        }
    }
    EXPECT_EQ(m_boxes.size(), 3u) << "Umm al-Qura, tabular and astronomical +1 keep 1 Ramadhan";
}

TEST_F(HijriSettingTest, WrittenOnlyWhenChangedAndBackAfterARestart)
{
    Start();
    Choose(ID_OPTIONS_HIJRI_ASTRONOMICAL); // already in use
    Choose(ID_OPTIONS_HIJRI_ADJUST_NONE);
    EXPECT_FALSE(std::filesystem::exists(m_profile)) << "nothing changed, nothing written";

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
    EXPECT_EQ(Shown(IDC_DATENOW), "Wednesday February 18, 2026 - 2 Ramadhan 1447");
    EXPECT_EQ(Control<QLabel>(IDC_DATENOW)->toolTip(), "Umm al-Qura, +1 day");
    EXPECT_EQ(Checked(kRuleCommands), std::vector<UINT>{ID_OPTIONS_HIJRI_UMALQURA});
    EXPECT_EQ(Checked(kAdjustCommands), std::vector<UINT>{ID_OPTIONS_HIJRI_ADJUST_PLUS1});
}

TEST_F(HijriSettingTest, AnUnreadableValueStartsWithItsDefaultAndStaysAsItIs)
{
    const struct {
        const char *calendar, *adjust; // nullptr: absent
        CHijriCalendar expected;
    } cases[] = {
        {"islamic", "7", {}},
        {"", "", {}},
        {nullptr, "one", {}},
        {"UmmAlQura", nullptr, {}},
        {"umalqura", "3", {HijriRule::UmmAlQura, 0}},
        {"Civil", "+2", {HijriRule::Civil, 2}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(
            Format("%s / %s", c.calendar ? c.calendar : "absent", c.adjust ? c.adjust : "absent"));
        std::filesystem::remove(m_profile);
        if (c.calendar)
            Store("Defaults", CString(kHijriCalendarEntry), c.calendar);
        if (c.adjust)
            Store("Defaults", CString(kHijriAdjustEntry), c.adjust);
        Start();
        EXPECT_EQ(View()->GetHijriCalendar(), c.expected);
        EXPECT_EQ(Control<QLabel>(IDC_DATENOW)->toolTip().toStdString(), c.expected.Description());
        m_app.reset();
        EXPECT_EQ(Stored(kHijriCalendarEntry),
            c.calendar ? std::optional<std::string>(c.calendar) : std::nullopt);
        EXPECT_EQ(Stored(kHijriAdjustEntry),
            c.adjust ? std::optional<std::string>(c.adjust) : std::nullopt);
    }
}

// As the sound switch: the choice holds until the program ends, and the
// user hears that it was not kept.
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
    EXPECT_EQ(m_boxes[0].style, MB_ICONEXCLAMATION);
    EXPECT_EQ(View()->GetHijriCalendar().Rule(), HijriRule::Civil);
    EXPECT_EQ(Shown(IDC_DATENOW), "Wednesday February 18, 2026 - 1 Ramadhan 1447");
    Frame()->ExecuteCommand(ID_FILE_NEW); // starts the form again
    EXPECT_EQ(View()->GetHijriCalendar().Rule(), HijriRule::Civil);
    EXPECT_EQ(Shown(IDC_DATENOW), "Wednesday February 18, 2026 - 1 Ramadhan 1447");
}

class CalendarListener : public CZamanixViewListener {
public:
    void OnHijriCalendarChanged() override { ++changes; }
    int changes = 0;
};

TEST_F(HijriSettingTest, ListenersHearEachChangeOnce)
{
    Start();
    CalendarListener listener;
    View()->AddListener(&listener);
    Choose(ID_OPTIONS_HIJRI_UMALQURA);
    Choose(ID_OPTIONS_HIJRI_UMALQURA);
    Choose(ID_OPTIONS_HIJRI_ADJUST_PLUS1);
    Choose(ID_OPTIONS_HIJRI_ADJUST_PLUS1);
    EXPECT_EQ(listener.changes, 2);
    // File New starts the form again: the same setting is no change.
    Frame()->ExecuteCommand(ID_FILE_NEW);
    EXPECT_EQ(listener.changes, 2);
    View()->RemoveListener(&listener);
}

} // namespace

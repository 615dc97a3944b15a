// The framework's services that the program relies on: clock and time
// formatting, message boxes, menus by command, command routing and timers.
#include "framework/cmd_target.h"
#include "framework/ctime.h"
#include "framework/menu.h"
#include "framework/message_box.h"
#include "framework/sound.h"
#include "framework/wnd.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(Time, LocalFieldsAndFormatsPastTheYear2038)
{
    // The tests run in UTC. 2100-03-01 12:34:56 is 4107587696 seconds.
    const CTime t(4107587696);
    EXPECT_EQ(t.GetYear(), 2100);
    EXPECT_EQ(t.GetMonth(), 3);
    EXPECT_EQ(t.GetDay(), 1);
    EXPECT_EQ(t.GetHour(), 12);
    EXPECT_EQ(t.GetMinute(), 34);
    EXPECT_EQ(t.Format("%A %B %d, %Y"), "Monday March 01, 2100");
    EXPECT_EQ(t.Format("%B/%d"), "March/01");
}

TEST(Time, ReplaceableClock)
{
    SetClock([] { return std::int64_t{86400}; });
    EXPECT_EQ(CTime::GetCurrentTime().Format("%Y-%m-%d"), "1970-01-02");
    SetClock({});
}

TEST(MessageBox, ExclamationIconForPlainButtonSets)
{
    const struct {
        const char *name;
        UINT style, effective;
    } cases[] = {
        {"OK", MB_OK, MB_OK | MB_ICONEXCLAMATION},
        {"Yes/No", MB_YESNO, MB_YESNO | MB_ICONEXCLAMATION},
        {"Yes/No/Cancel", MB_YESNOCANCEL, MB_YESNOCANCEL | MB_ICONEXCLAMATION},
        {"OK/Cancel", MB_OKCANCEL, MB_OKCANCEL | MB_ICONEXCLAMATION},
        {"an icon of its own", MB_YESNO | MB_ICONINFORMATION, MB_YESNO | MB_ICONINFORMATION},
        {"Retry/Cancel keeps no icon", MB_RETRYCANCEL, MB_RETRYCANCEL},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EffectiveMessageBoxStyle(c.style), c.effective);
    }
}

TEST(MessageBox, ResponderAnswersWithoutShowing)
{
    CString seen;
    SetMessageBoxResponder([&](const CString &text, UINT) {
        EXPECT_TRUE(IsMessageBoxOpen());
        seen = text;
        return IDNO;
    });
    EXPECT_EQ(AfxMessageBox("Remind again?", MB_YESNO), IDNO);
    EXPECT_EQ(seen, "Remind again?");
    EXPECT_FALSE(IsMessageBoxOpen());
    SetMessageBoxResponder({});
}

TEST(Menu, CheckMarksByCommand)
{
    constexpr UINT kSoundCommand = 32773; // any command id of a program
    constexpr UINT kNoSuchCommand = 1;
    QMenuBar bar;
    CMenu menu(&bar);
    QAction sound(QStringLiteral("Audiable Alarm"));
    sound.setCheckable(true);
    sound.setChecked(true);
    menu.AddItem(kSoundCommand, &sound);
    EXPECT_EQ(menu.GetMenuState(kSoundCommand, MF_BYCOMMAND), MF_CHECKED);
    EXPECT_EQ(menu.CheckMenuItem(kSoundCommand, MF_BYCOMMAND | MF_UNCHECKED), MF_CHECKED)
        << "previous state";
    EXPECT_EQ(menu.GetMenuState(kSoundCommand, MF_BYCOMMAND), MF_UNCHECKED);
    EXPECT_EQ(menu.CheckMenuItem(kSoundCommand, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(menu.CheckMenuItem(kNoSuchCommand, MF_CHECKED), kMenuItemMissing);
    EXPECT_EQ(menu.GetMenuState(kNoSuchCommand, MF_BYCOMMAND), kMenuItemMissing);
    sound.setEnabled(false);
    EXPECT_EQ(menu.GetMenuState(kSoundCommand, MF_BYCOMMAND), MF_CHECKED | MF_GRAYED | MF_DISABLED);
}

TEST(Sound, SearchPathOrder)
{
    using Paths = std::vector<std::filesystem::path>;
    const struct {
        const char *name;
        const char *dataHome, *home, *dataDirs;
        Paths expected;
    } cases[] = {
        {"defaults", nullptr, "/home/u", nullptr,
            Paths{"/cwd", "/bin", "/home/u/.local/share/zamanix", "/usr/local/share/zamanix",
                "/usr/share/zamanix"}},
        {"variables set", "/data", "/home/u", "/opt/share:/usr/share",
            Paths{"/cwd", "/bin", "/data/zamanix", "/opt/share/zamanix", "/usr/share/zamanix"}},
        {"relative values are ignored", "data", nullptr, "share::/usr/share",
            Paths{"/cwd", "/bin", "/usr/share/zamanix"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SoundSearchPath("/cwd", "/bin", c.dataHome, c.home, c.dataDirs), c.expected);
    }
    EXPECT_EQ(
        FindSoundFile("Reminder.wav", {"/nonexistent", ZAMANIX_SOURCE_DIR "/resources/sounds"}),
        std::filesystem::path(ZAMANIX_SOURCE_DIR "/resources/sounds/Reminder.wav"));
    EXPECT_EQ(FindSoundFile("missing.wav", {ZAMANIX_SOURCE_DIR "/resources/sounds"}),
        std::filesystem::path());
}

class CRecordingTarget : public CCmdTarget {
public:
    CRecordingTarget()
    {
        OnCommand(10, [this] { ++m_nRuns; });
        OnUpdateCommandUI(11, [](CCmdUI *ui) { ui->Enable(FALSE); });
        OnCommandRange(20, 23, [this](UINT id) { m_nLast = id; });
    }
    int m_nRuns = 0;
    UINT m_nLast = 0;
};

TEST(Commands, HandlersUpdateHandlersAndRanges)
{
    CRecordingTarget target;
    CCmdUI handled(10), vetoed(11), unknown(12);
    EXPECT_TRUE(target.OnCmdMsg(10, &handled));
    EXPECT_TRUE(handled.m_bEnabled) << "a handler without an update handler enables";
    EXPECT_TRUE(target.OnCmdMsg(11, &vetoed));
    EXPECT_FALSE(vetoed.m_bEnabled);
    EXPECT_FALSE(target.OnCmdMsg(12, &unknown)) << "nobody handles it: the caller disables it";
    EXPECT_EQ(target.m_nRuns, 0) << "updating runs nothing";
    target.OnCmdMsg(10, nullptr);
    target.OnCmdMsg(22, nullptr);
    EXPECT_EQ(target.m_nRuns, 1);
    EXPECT_EQ(target.m_nLast, 22u);
    EXPECT_FALSE(target.OnCmdMsg(24, nullptr));
}

class CTickingWnd : public CWnd {
public:
    CTickingWnd() { Attach(new QWidget); }
    ~CTickingWnd() override { DestroyWindow(); }
    void OnTimer(UINT id) override { ticks.push_back(id); }
    std::vector<UINT> ticks;
};

TEST(RealTimeTimers, TicksKeepComingWhileAModalBoxIsOpen)
{
    CTickingWnd wnd;
    EXPECT_EQ(wnd.SetTimer(1, 5), 1u);
    EXPECT_EQ(wnd.SetTimer(7, 5), 7u);
    // A box answered only after some ticks have arrived from inside it.
    SetMessageBoxResponder([&](const CString &, UINT) {
        QEventLoop loop;
        QTimer::singleShot(60, &loop, &QEventLoop::quit);
        loop.exec();
        return IDOK;
    });
    AfxMessageBox("wait");
    SetMessageBoxResponder({});
    EXPECT_GE(std::count(wnd.ticks.begin(), wnd.ticks.end(), 1u), 2);
    EXPECT_GE(std::count(wnd.ticks.begin(), wnd.ticks.end(), 7u), 2);
    EXPECT_TRUE(wnd.KillTimer(7));
    EXPECT_FALSE(wnd.KillTimer(7));
    EXPECT_EQ(wnd.SetTimer(0, 5), 0u) << "0 is no timer id";
}

} // namespace

// The minute timer of the form: it raises due reminders with their prompt
// and sound, and keeps today's date line current.
#include "form/zamanix_view.h"

#include "agenda/day_agenda.h"
#include "form/today_line.h"
#include "framework/long_text.h"
#include "framework/menu.h"
#include "framework/message_box.h"
#include "framework/notification.h"
#include "framework/sound.h"
#include "framework/winapp.h"
#include "resources/resource.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <QMetaObject>
#include <QWidget>

#include <QObject>

#include <algorithm>

namespace {

constexpr UINT kMinuteTimer = 1;

} // namespace

void CZamanixView::OnTimer(UINT nIDEvent)
{
    const CTime now = CTime::GetCurrentTime();
    const std::int64_t elapsed = now.GetTime() - m_timeLast.GetTime();
    // The one clock of the program: the profile tells every window of a new
    // day (the whole date: after a suspend of a month the day number of the
    // month alone may not have changed) and of a jump of the clock, the form
    // first (listenToProfile), before the due check moves the last check on.
    m_bMissedChecked = false;
    const int dayBefore = m_profile.Today();
    m_profile.ClockTicked(now.GetTime(), DayNumberOf(now));
    const bool newDay = m_profile.Today() != dayBefore;
    bool checked = false;
    if (nIDEvent == kMinuteTimer) {
        checked = CountDownToDueCheck(elapsed);
        m_crescentPrompt.Tick(m_timeLast, now);
    }
    if (newDay) {
        // A due check has just built the line.
        if (!checked)
            m_strToday = TodayLine(ReadToday(GetHijriCalendar()), TodayLineForm::Timer);
        SetDlgItemText(IDC_DATENOW, m_strToday);
    }
    m_timeLast = now;
    CFormView::OnTimer(nIDEvent);
}

bool CZamanixView::CountDownToDueCheck(std::int64_t elapsed)
{
    if (!m_dueCheck.Tick(elapsed, m_bPromptOpen))
        return false;
    if (!CheckAlarm())
        return true;
    m_bPromptOpen = true;
    // Opened after this tick: a timer does not tick while its own handler
    // runs, and the ticks keep today's line current while the prompt is open.
    if (QWidget *window = GetSafeHwnd())
        QMetaObject::invokeMethod(
            window, [this] { ShowAlarmPrompt(); }, Qt::QueuedConnection);
    else
        ShowAlarmPrompt();
    return true;
}

void CZamanixView::listenToProfile()
{
    QObject::connect(&m_profile, &CZamanixProfile::remindersChanged, &m_news,
        [this](const QStringList &keys) { OnRemindersChanged(keys); });
    QObject::connect(
        &m_profile, &CZamanixProfile::settingsChanged, &m_news, [this](unsigned which) {
            if (which & kHijriCalendarSetting)
                OnHijriCalendarChanged();
            if (which & kSoundSetting)
                if (CWnd *main = AfxGetMainWnd(); main && main->GetMenu())
                    main->GetMenu()->CheckMenuItem(ID_OPTIONS_AUDIBLEALARM,
                        MF_BYCOMMAND | (m_profile.Settings().sound ? MF_CHECKED : MF_UNCHECKED));
        });
    // A new day's reminders do not wait for the interval of an earlier
    // prompt; the days missed are caught up on first.
    QObject::connect(&m_profile, &CZamanixProfile::newDay, &m_news, [this] {
        m_dueCheck.CheckSoon();
        DescribeHijriCalendar(); // a record may touch the new day's month
        if (m_timeChecked && !m_bMissedChecked)
            CheckMissedReminders();
        m_bMissedChecked = true;
    });
    QObject::connect(&m_profile, &CZamanixProfile::clockJumped, &m_news, [this] {
        if (m_timeChecked && !m_bMissedChecked)
            CheckMissedReminders();
        m_bMissedChecked = true;
    });
}

// Add and Delete, here or in another window: a change to one of today's
// keys of any kind, or to a reminder whose notice falls today, is checked at
// the next tick, whatever the interval.
void CZamanixView::OnRemindersChanged(const QStringList &keys)
{
    const int today = ChristianDayNumber(ReadToday(GetHijriCalendar()).christian);
    for (const QString &key : keys)
        if (IsReminderKeyOfDay(key.toStdString(), today, GetHijriCalendar(), m_profile.Lookup()))
            m_dueCheck.CheckSoon();
}

BOOL CZamanixView::CheckAlarm()
{
    const Today today = ReadToday(GetHijriCalendar());
    m_strToday = TodayLine(today, TodayLineForm::Timer);
    if (m_timeChecked)
        m_timeChecked = today.now;
    m_profile.Refresh(); // the watch may not have told of a change yet
    const std::optional<DueReminders> due =
        m_dueCheck.Check({today.christian, today.now.GetHour(), today.now.GetMinute()},
            m_strDoneKey, m_profile.Lookup(), GetHijriCalendar());
    if (!due)
        return FALSE;
    m_nSnooze = due->snooze;
    m_strAlarmText = due->alarmText;
    m_strDueKey = ChristianDayKey(today.christian);
    return TRUE;
}

void CZamanixView::ShowAlarmPrompt()
{
    CWnd *main = AfxGetMainWnd();
    CMenu *menu = main ? main->GetMenu() : nullptr;
    if (menu && menu->GetMenuState(ID_OPTIONS_AUDIBLEALARM, MF_BYCOMMAND) == MF_CHECKED)
        PlaySoundAsync("Reminder.wav");
    SetFocus();
    // The key of the day the reminder fell due, not of the moment the
    // answer comes (which may be after midnight).
    const CString dueKey = m_strDueKey;
    // The prompt may open behind other windows (a program may not raise
    // itself on Wayland): the desktop shows the memo as well, until the
    // prompt is answered.
    CString memo = ShownPartOf(m_strAlarmText).text.toStdString();
    std::replace(memo.begin(), memo.end(), '\r', '\n');
    // Its buttons answer the prompt as Yes and No do.
    CMessageBoxEnder prompt;
    const CString snooze = std::to_string(m_nSnooze);
    ShowDesktopNotification(Translate("CZamanixView", "Zamanix Reminder"), memo,
        {{"later",
             FillSentence(Translate("CZamanixView", "Remind me again in %1 minutes"), {snooze})},
            {"done", Translate("CZamanixView", "Done for today")}},
        [&prompt](const CString &key) {
            if (key == "later" || key == "done")
                prompt.End(key == "later" ? IDYES : IDNO);
        });
    RecordLastCheck(); // the reminders up to the check that opened it are heard
    // Escape or the close box mean "not now", as Yes does: only No
    // silences the day.
    const int answer =
        AfxMessageBoxWithBody(Translate("CZamanixView", "Zamanix Reminder:\n\n"), m_strAlarmText,
            FillSentence(
                Translate("CZamanixView", "\n\nDo you want me to remind you again in %1 minutes?"),
                {snooze}),
            MB_YESNO | MB_ICONINFORMATION, IDYES, &prompt);
    m_bPromptOpen = false;
    CloseDesktopNotification();
    if (answer == IDNO)
        m_strDoneKey = dueKey;
    // Counted from the answer; a prompt answered on the next day leaves
    // that day's reminders to the next tick.
    m_dueCheck.Answered(CTime::GetCurrentTime().Format("%B/%d") == dueKey, m_nSnooze);
}

// The minute timer of the form: it raises due reminders with their prompt
// and sound, and keeps today's date line current.
#include "form/zamanix_view.h"

#include "agenda/day_reminders.h"
#include "form/today_line.h"
#include "framework/long_text.h"
#include "framework/menu.h"
#include "framework/message_box.h"
#include "framework/notification.h"
#include "framework/sound.h"
#include "framework/winapp.h"
#include "resources/resource.h"

#include <QMetaObject>
#include <QWidget>

#include <algorithm>

namespace {

// Ticks left before the next due check; at 0 every tick checks.
int s_nCountdown = 0;

constexpr UINT kMinuteTimer = 1;
// A tick later than this after the one before it (60 s) comes after a
// suspend, or after the clock was set forward.
constexpr std::int64_t kLateTick = 180;

bool sameLocalDate(const CTime &a, const CTime &b)
{
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth() && a.GetDay() == b.GetDay();
}

// The memos of one calendar, a carriage return between two.
CString memosOf(const std::vector<DayReminder> &reminders, ReminderCalendar calendar)
{
    CString memos;
    for (const DayReminder &reminder : reminders)
        if (reminder.calendar == calendar)
            memos += (memos.empty() ? "" : "\r") + reminder.memo;
    return memos;
}

} // namespace

void CZamanixView::ResetAlarmCountdown()
{
    s_nCountdown = 0;
}

int CZamanixView::GetAlarmCountdown()
{
    return s_nCountdown;
}

void CZamanixView::OnTimer(UINT nIDEvent)
{
    const CTime now = CTime::GetCurrentTime();
    // The whole date: after a suspend of a month the day number alone may
    // not have changed.
    const bool newDay = !sameLocalDate(now, m_timeLast);
    const std::int64_t elapsed = now.GetTime() - m_timeLast.GetTime();
    const bool jumped = elapsed > kLateTick;
    // A new day's reminders, and today's just added or deleted, do not wait
    // for the interval of an earlier prompt.
    m_bCheckSoon = m_bCheckSoon || newDay;
    // Before the due check moves the last check on to now.
    if ((newDay || jumped) && m_timeChecked)
        CheckMissedReminders();
    bool checked = false;
    if (nIDEvent == kMinuteTimer) {
        // Ticks stop while the machine sleeps: the interval counts the
        // minutes the clock moved.
        if (jumped)
            s_nCountdown -= static_cast<int>(std::min<std::int64_t>(elapsed / 60 - 1, 1440));
        if (m_bCheckSoon)
            s_nCountdown = 0;
        m_bCheckSoon = false;
        checked = CountDownToDueCheck();
    }
    if (newDay) {
        // A due check has just built the line.
        if (!checked)
            m_strToday = TodayLine(ReadToday(m_hijriCalendar), TodayLineForm::Timer);
        SetDlgItemText(IDC_DATENOW, m_strToday);
    }
    m_timeLast = now;
    CFormView::OnTimer(nIDEvent);
}

bool CZamanixView::CountDownToDueCheck()
{
    if (s_nCountdown > 0)
        --s_nCountdown;
    // While a prompt is open no second one opens over it; closing it starts
    // the count again.
    if (s_nCountdown > 0 || m_bPromptOpen)
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

void CZamanixView::OnReminderChanged(const CString &key)
{
    const Today today = ReadToday(m_hijriCalendar);
    if (IsDayReminderKey(key, today.christian, today.hijri))
        m_bCheckSoon = true;
}

void CZamanixView::readProfile()
{
    // Read again only when the file changed: the due check runs every minute.
    if (const std::filesystem::path &file = AfxGetApp()->m_pszProfileName;
        m_profileRead.File() != file)
        m_profileRead.Load(file);
    else
        m_profileRead.Refresh();
}

BOOL CZamanixView::CheckAlarm()
{
    const Today today = ReadToday(m_hijriCalendar);
    m_strToday = TodayLine(today, TodayLineForm::Timer);
    if (m_timeChecked)
        m_timeChecked = today.now;
    const CString christianKey = today.now.Format("%B/%d");
    if (christianKey == m_strDoneKey)
        return FALSE;

    readProfile();
    const std::vector<DayReminder> reminders = FindDayReminders(
        today.christian, today.hijri, [this](std::string_view section, std::string_view entry) {
            return m_profileRead.Find(section, entry);
        });
    const int hour = today.now.GetHour(), minute = today.now.GetMinute();
    if (std::none_of(reminders.begin(), reminders.end(),
            [&](const DayReminder &r) { return AlarmReached(r.alarm, hour, minute); }))
        return FALSE;

    m_nSnooze = std::min_element(
        reminders.begin(), reminders.end(), [](const DayReminder &a, const DayReminder &b) {
            return a.alarm.every < b.alarm.every;
        })->alarm.every;
    s_nCountdown = m_nSnooze;
    m_strAlarmText = memosOf(reminders, ReminderCalendar::Hijri) + "\r" +
        memosOf(reminders, ReminderCalendar::Christian);
    m_strDueKey = christianKey;
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
    ShowDesktopNotification("Zamanix Reminder", memo,
        {{"later", Format("Remind me again in %d minutes", m_nSnooze)}, {"done", "Done for today"}},
        [&prompt](const CString &key) {
            if (key == "later" || key == "done")
                prompt.End(key == "later" ? IDYES : IDNO);
        });
    RecordLastCheck(); // the reminders up to the check that opened it are heard
    // Escape or the close box mean "not now", as Yes does: only No
    // silences the day.
    const int answer = AfxMessageBoxWithBody("Zamanix Reminder:\n\n", m_strAlarmText,
        Format("\n\nDo you want me to remind you again in %d minutes?", m_nSnooze),
        MB_YESNO | MB_ICONINFORMATION, IDYES, &prompt);
    m_bPromptOpen = false;
    CloseDesktopNotification();
    if (answer == IDNO)
        m_strDoneKey = dueKey;
    // Counted from the answer; a prompt answered on the next day leaves
    // that day's reminders to the next tick.
    s_nCountdown = CTime::GetCurrentTime().Format("%B/%d") == dueKey ? m_nSnooze : 0;
}

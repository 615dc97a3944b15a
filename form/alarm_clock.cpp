// The minute timer of the form: it raises due reminders with their prompt
// and sound, and keeps today's date line current.
#include "form/zamanix_view.h"

#include "calendar/calendar.h"
#include "framework/menu.h"
#include "framework/message_box.h"
#include "framework/notification.h"
#include "framework/sound.h"
#include "framework/winapp.h"
#include "reminders/alarm_value.h"
#include "reminders/reminder_entries.h"
#include "resources/resource.h"

#include <algorithm>

namespace {

// Ticks left before the next due check.
int s_nCountdown = 0;

constexpr UINT kMinuteTimer = 1;

struct Alarm {
    int hour = 8, minute = 0, every = 60; // "08:00 60"
};

// A value that does not scan keeps the default's numbers where it stops.
Alarm readAlarm(const CString &key)
{
    Alarm alarm;
    ScanAlarmValue(AfxGetApp()->GetProfileString("Alarm", key.c_str(), "08:00 60"), alarm.hour,
        alarm.minute, alarm.every);
    return alarm;
}

bool reached(const Alarm &alarm, const CTime &now)
{
    return now.GetHour() > alarm.hour ||
        (now.GetHour() == alarm.hour && now.GetMinute() >= alarm.minute);
}

// "%s %d, %d": the Hijri month name, day and year.
CString hijriLine(const CTime &now)
{
    int year, month, day;
    ConvertToHijri(now.GetYear(), now.GetMonth(), now.GetDay(), &year, &month, &day);
    return now.Format("%A %B %d, %Y") + " - " +
        Format("%s %d, %d", HijriMonthNames[month - 1].c_str(), day, year);
}

// The day typed the other way: "06" for "6" and "6" for "06"; days from 10
// on have one spelling only.
CString otherSpelling(int day, bool withZero)
{
    return day < 10 ? Format(withZero ? "%d" : "%02d", day) : CString();
}

bool sameLocalDate(const CTime &a, const CTime &b)
{
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth() && a.GetDay() == b.GetDay();
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
    if (nIDEvent == kMinuteTimer) {
        --s_nCountdown;
        if (s_nCountdown <= 0) {
            // While a prompt is open the count goes on, but no second prompt
            // opens over it.
            if (!m_bPromptOpen && CheckAlarm())
                ShowAlarmPrompt();
            s_nCountdown = m_nSnooze;
        }
    }

    const CTime now = CTime::GetCurrentTime();
    // The whole date: after a suspend of a month the day number alone may
    // not have changed.
    if (!sameLocalDate(now, m_timeLast)) {
        m_strToday = hijriLine(now);
        SetDlgItemText(1000, m_strToday);
    }
    m_timeLast = now;
    CFormView::OnTimer(nIDEvent);
}

BOOL CZamanixView::CheckAlarm()
{
    const CTime now = CTime::GetCurrentTime();
    int hijriYear, hijriMonth, hijriDay;
    ConvertToHijri(now.GetYear(), now.GetMonth(), now.GetDay(), &hijriYear, &hijriMonth, &hijriDay);
    const CString &hijriMonthName = HijriMonthNames[hijriMonth - 1];
    m_strToday = hijriLine(now);

    const CString christianKey = now.Format("%B/%d");
    const CString hijriKey = Format("%s/%d", hijriMonthName.c_str(), hijriDay);
    if (christianKey == m_strDoneKey)
        return FALSE;

    // A reminder may have been saved with the day typed either way: "March/6"
    // as well as "March/06", "Ramadhan/05" as well as "Ramadhan/5".
    const CString otherChristian = otherSpelling(now.GetDay(), true);
    const CString otherHijri = otherSpelling(hijriDay, false);
    const CString christianKeys[2] = {
        christianKey, otherChristian.empty() ? CString() : now.Format("%B/") + otherChristian};
    const CString hijriKeys[2] = {
        hijriKey, otherHijri.empty() ? CString() : hijriMonthName + "/" + otherHijri};

    std::vector<Alarm> alarms;
    const auto collect = [&](const CString(&keys)[2]) {
        CString memos;
        for (int i = 0; i < 2; ++i) {
            if (keys[i].empty())
                continue;
            const CString memo = AfxGetApp()->GetProfileString("Reminder", keys[i].c_str(), "");
            // The usual key's alarm always counts (its default when absent);
            // the other spelling's only where it holds a memo.
            if (i == 0 || !memo.empty())
                alarms.push_back(readAlarm(keys[i]));
            if (!memo.empty())
                memos += (memos.empty() ? "" : "\r") + memo;
        }
        return memos;
    };
    const CString christianMemo = collect(christianKeys);
    const CString hijriMemo = collect(hijriKeys);
    if (christianMemo.empty() && hijriMemo.empty())
        return FALSE;
    if (std::none_of(alarms.begin(), alarms.end(), [&](const Alarm &a) { return reached(a, now); }))
        return FALSE;

    m_nSnooze = std::min_element(alarms.begin(), alarms.end(), [](const Alarm &a, const Alarm &b) {
        return a.every < b.every;
    })->every;
    s_nCountdown = m_nSnooze;
    m_strAlarmText = hijriMemo + "\r" + christianMemo;
    m_strDueKey = christianKey;
    return TRUE;
}

void CZamanixView::ShowAlarmPrompt()
{
    const CString interval = Format("%d", m_nSnooze);
    CWnd *main = AfxGetMainWnd();
    CMenu *menu = main ? main->GetMenu() : nullptr;
    if (menu && menu->GetMenuState(ID_OPTIONS_AUDIBLEALARM, MF_BYCOMMAND) == MF_CHECKED)
        PlaySoundAsync("Reminder.wav");
    SetFocus();
    const CString text = "Zamanix Reminder:\n\n" + m_strAlarmText +
        "\n\nDo you want me to remind you again in " + interval + " minutes?";
    // The key of the day the reminder fell due, not of the moment the
    // answer comes (which may be after midnight).
    const CString dueKey = m_strDueKey;
    // The prompt may open behind other windows (a program may not raise
    // itself on Wayland): the desktop shows the memo as well, until the
    // prompt is answered.
    CString memo = m_strAlarmText;
    std::replace(memo.begin(), memo.end(), '\r', '\n');
    ShowDesktopNotification("Zamanix Reminder", memo);
    m_bPromptOpen = true;
    const int answer = AfxMessageBox(text, MB_YESNO | MB_ICONINFORMATION);
    m_bPromptOpen = false;
    CloseDesktopNotification();
    if (answer == IDNO)
        m_strDoneKey = dueKey;
}

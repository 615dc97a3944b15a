// The date form: today's date in both calendars, a date chosen in either
// calendar with its corresponding date, and the memo and alarm stored for
// the chosen day. It also runs the minute timer that raises alarms.
#pragma once

#include "agenda/due_check.h"
#include "agenda/missed_reminders.h"
#include "form/crescent_prompt.h"
#include "form/form_news.h"
#include "framework/controls.h"
#include "framework/ctime.h"
#include "framework/view.h"
#include "session/zamanix_profile.h"
#include "text/display_names.h"

#include <optional>
#include <string_view>
#include <vector>

class CZamanixView : public CFormView {
public:
    // The form reads and writes the profile through `profile`, which
    // outlives it, and hears its changes.
    explicit CZamanixView(CZamanixProfile &profile);
    ~CZamanixView() override;

    // Fields, in the order of the form's data.
    CButton m_btnHijri; // its check tells in which calendar the entered date is
    CComboBox m_cbMonth;
    CString m_strToday; // today's date line in both calendars
    CString m_strMemo; // memo of the chosen day
    CString m_strMonth; // text of the selected month
    CString m_strDay; // day as typed, at most 2 characters
    UINT m_nHour; // alarm hour, 0..23
    UINT m_nMinute; // alarm minute, 0..59
    UINT m_nEvery; // repeat interval in minutes, 0..720
    int m_nYear; // year of the entered date, 0..3000
    CString m_strCorresponding; // the entered date in the other calendar
    UINT m_nTimerID; // the running minute timer, 0 while none runs
    CString m_strAlarmText; // memo text of the due reminders
    CString m_strDoneKey; // Christian key of the day the user declined reminders
    int m_nSnooze; // repeat interval chosen by the last due reminder
    CTime m_timeLast; // time of the previous timer tick

    BOOL DestroyWindow() override;
    void DoDataExchange(CDataExchange *pDX) override;
    void OnInitialUpdate() override;
    // A page with what the form shows: today, the chosen date and its
    // corresponding date, the memo and the alarm.
    void OnPrint(QPainter *painter, CPrintInfo *pInfo) override;

    void OnRadioHijri();
    void OnRadioChristian();
    // Fills m_strCorresponding from the chosen date; the controls are not
    // refreshed.
    void UpdateCorrespondingDate();
    // Numbers of the form written again in the digits shown now (Options >
    // Western Digits): the boxes keep what was typed.
    void ShowNumbersAgain();

    // Reminder commands.
    void OnAddReminder();
    void OnDeleteReminder();
    void OnViewReminder();
    void OnAudibleAlarm();
    void OnEditPaste();

    // For the windows beside the form, which the shell connects: ShowDate
    // chooses the calendar, the month (1..12), the day text and the year as
    // the user would, then runs View. News() tells of dates shown and of
    // reminders missed.
    void ShowDate(bool hijri, int year, int month, const CString &dayText);
    CFormNews &News() { return m_news; }
    // The question about the new moon, which the minute timer asks.
    CCrescentPrompt &CrescentPrompt() { return m_crescentPrompt; }
    // The Hijri calendar (rule and day adjustment) the program converts with.
    const CHijriCalendar &GetHijriCalendar() const { return m_profile.HijriCalendar(); }
    // Options > Hijri Calendar and Hijri Date Adjustment: the command's rule
    // or adjustment becomes the one in use and is kept in the profile, when
    // it differs from the one in use. Today's line, the corresponding date
    // and the due check follow at once, and every window with them.
    void OnHijriRule(UINT id);
    void OnHijriAdjust(UINT id);

    // The minute timer: counts down to the next due check and keeps
    // today's line current.
    void OnTimer(UINT nIDEvent) override;
    // Whether a reminder of today is due now; sets the prompt's text and the
    // interval to the next check when it is.
    BOOL CheckAlarm();
    // The countdown to the next due check, in ticks.
    int GetAlarmCountdown() const { return m_dueCheck.Countdown(); }

    // Tells of the reminders missed since the reminders were last checked
    // (News().remindersMissed, agenda/missed_reminders.h) and
    // records that the days before today are done with. The first call of a
    // run reads when that was from the profile; on the first start ever it
    // lists nothing and records now. The application calls it once the
    // program runs (not when it only prints), the minute timer on a new day
    // and when the clock jumped between two ticks (after a suspend).
    void CheckMissedReminders();
    // Writes to the profile when the reminders were last checked, if that
    // changed since the last write (a failure is said once, on stderr).
    void RecordLastCheck();

private:
    void NotifyDateShown();
    // After Add and Delete: the day written with its corresponding date,
    // the windows beside the form on it, today's line current, and what was
    // done in the status bar.
    void ShowDayWritten(const CString &message);
    // Today's line from the clock and the Hijri calendar, in the form it
    // has.
    void RefreshTodayLine();
    // A failed write of the profile is told to the user: what, and why.
    static bool reportFailedWrite(bool written, const CString &what, const std::string &error);
    // The profile's news: a change of today's reminders is checked at the
    // next tick, whatever the interval.
    void listenToProfile();
    void OnRemindersChanged(const QStringList &keys);

    // The Hijri calendar: the commands, a change of it, and today's line
    // naming it (tool tip and description).
    void AddHijriCommands();
    void SetHijriCalendar(const CHijriCalendar &calendar);
    void OnHijriCalendarChanged();
    void DescribeHijriCalendar();

    void fillMonthList(const std::string *names, NameKind shown, const char *first);
    // Counts a tick; when the count is out, opens the prompt of a reminder
    // that is due (once the tick is handled). Whether it checked (CheckAlarm
    // ran, and rebuilt today's line).
    bool CountDownToDueCheck(std::int64_t elapsedSeconds);
    void ShowAlarmPrompt();

    CZamanixProfile &m_profile;
    CFormNews m_news;
    CDueCheck m_dueCheck;
    CCrescentPrompt m_crescentPrompt{m_profile};
    CString m_strDueKey; // Christian key of the day the last due reminder fell due
    bool m_bPromptOpen = false; // a reminder prompt is open, or about to open
    // Every reminder up to this moment was checked or listed as missed;
    // none until the run keeps track (CheckMissedReminders).
    std::optional<CTime> m_timeChecked;
    bool m_bMissedChecked = false; // this tick caught up on missed reminders
};

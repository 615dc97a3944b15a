// The date form: today's date in both calendars, a date chosen in either
// calendar with its corresponding date, and the memo and alarm stored for
// the chosen day. It also runs the minute timer that raises alarms.
#pragma once

#include "agenda/missed_reminders.h"
#include "calendar/icu/hijri_calendar.h"
#include "form/view_listener.h"
#include "framework/controls.h"
#include "framework/ctime.h"
#include "framework/view.h"
#include "reminders/profile_snapshot.h"

#include <optional>
#include <string_view>
#include <vector>

class CZamanixView : public CFormView {
public:
    CZamanixView();
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

    // Reminder commands.
    void OnAddReminder();
    void OnDeleteReminder();
    void OnViewReminder();
    void OnAudibleAlarm();
    void OnEditPaste();

    // For the windows beside the form. ShowDate chooses the calendar, the
    // month (1..12), the day text and the year as the user would, then runs
    // View. RemoveReminder is Delete's write for any key: its memo and
    // alarm in one write; FALSE, after telling the user, when the profile
    // could not be written. Listeners hear of dates shown and of changes
    // (view_listener.h); a listener removes itself before it goes.
    void ShowDate(bool hijri, int year, int month, const CString &dayText);
    BOOL RemoveReminder(const CString &key);
    void AddListener(CZamanixViewListener *listener);
    void RemoveListener(CZamanixViewListener *listener);
    // The Hijri calendar (rule and day adjustment) the program converts with.
    const CHijriCalendar &GetHijriCalendar() const { return m_hijriCalendar; }
    // Options > Hijri Calendar and Hijri Date Adjustment: the command's rule
    // or adjustment becomes the one in use and is kept in the profile, when
    // it differs from the one in use. Today's line, the corresponding date,
    // the due check and the listeners follow at once.
    void OnHijriRule(UINT id);
    void OnHijriAdjust(UINT id);

    // The minute timer: counts down to the next due check and keeps
    // today's line current.
    void OnTimer(UINT nIDEvent) override;
    // Whether a reminder of today is due now; sets the prompt's text and the
    // interval to the next check when it is.
    BOOL CheckAlarm();
    // Add and Delete tell which key they changed: a change to one of today's
    // keys is checked at the next tick, whatever the interval.
    void OnReminderChanged(const CString &key);
    // The countdown to the next due check, in ticks (shared by the module).
    static int GetAlarmCountdown();

    // Tells the listeners of the reminders missed since the reminders were
    // last checked (OnRemindersMissed, agenda/missed_reminders.h) and
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
    void NotifyRemindersChanged();
    void NotifyDateShown();
    void NotifyRemindersMissed(const std::vector<MissedReminder> &missed);
    // Brings m_profileRead up to the profile on disk.
    void readProfile();
    void NotifyHijriCalendarChanged();
    // A failed write of the profile is told to the user: what, and why.
    static bool reportFailedWrite(BOOL written, const CString &what);

    // The Hijri calendar: the commands, the setting in the profile ("Defaults"),
    // a change of it, and today's line naming it (tool tip and description).
    void AddHijriCommands();
    // Reads the setting at the first start-up; whether the calendar in use
    // changed (windows that listened before have heard of the default).
    bool LoadHijriSetting();
    void UseHijriCalendar(const CHijriCalendar &calendar);
    void SaveHijriSetting(std::string_view entry, const CString &value);
    void DescribeHijriCalendar();

    void fillMonthList(const std::string *names, const char *first);
    // Counts a tick; when the count is out, opens the prompt of a reminder
    // that is due (once the tick is handled). Whether it checked (CheckAlarm
    // ran, and rebuilt today's line).
    bool CountDownToDueCheck();
    void ShowAlarmPrompt();
    static void ResetAlarmCountdown();

    CString m_strDueKey; // Christian key of the day the last due reminder fell due
    bool m_bPromptOpen = false; // a reminder prompt is open, or about to open
    CProfileSnapshot m_profileRead; // the profile as the form last read it (View, due check)
    bool m_bCheckSoon = false; // a new day, or today's reminders changed: check at the next tick
    CHijriCalendar m_hijriCalendar;
    // Every reminder up to this moment was checked or listed as missed;
    // none until the run keeps track (CheckMissedReminders).
    std::optional<CTime> m_timeChecked;
    std::optional<CTime> m_timeRecorded; // what the profile holds of it
    bool m_bHijriSettingRead = false; // LoadHijriSetting read it
    std::vector<CZamanixViewListener *> m_listeners;
};

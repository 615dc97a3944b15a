// The main frame: menu bar, toolbar, status bar, and the form as client.
#pragma once

#include "framework/control_bars.h"
#include "framework/frame.h"
#include "panels/all_reminders_window.h"
#include "panels/calendar_server_dialog.h"
#include "panels/missed_reminders_window.h"
#include "panels/month_dock.h"
#include "panels/month_starts_window.h"
#include "panels/reminder_publishing.h"

class CZamanixView;

// The frame wires the windows together: the form's news to the month panel
// and the Missed Reminders window, and the day or reminder that a window
// beside the form chooses to the form.
class CMainFrame : public CFrameWnd {
public:
    explicit CMainFrame(CZamanixProfile &profile);
    BOOL PreCreateWindow(CREATESTRUCT &cs) override;
    int OnCreate(CREATESTRUCT *cs) override;

    // View > All Reminders: opens the window, or brings it to the front.
    void OnViewAllReminders();
    // File > Export Reminders...
    void OnExportReminders();
    // The All Reminders window once it has been opened; it closes with the
    // frame.
    CAllRemindersWindow *GetAllRemindersWindow() const { return m_pAllReminders; }

    // Once the program runs: lists the reminders missed since the last run
    // in the Missed Reminders window, and those missed later (after a
    // suspend) as the form finds them.
    void CatchUpOnMissedReminders();
    void OnRemindersMissed(const std::vector<MissedReminder> &missed);
    // The Missed Reminders window once reminders were missed.
    CMissedRemindersWindow *GetMissedRemindersWindow() const { return m_pMissedReminders; }

    // The month panel, docked beside the form; it follows the form once a
    // document is attached to it.
    void InitialUpdateFrame(CDocument *document, BOOL bMakeVisible = TRUE) override;
    // View > Month: shows or hides it. File > Print Month prints its month
    // (`direct`: without the print dialog).
    void OnViewMonth();
    void OnPrintMonth(bool direct = false);
    // Options > Islamic Holy Days.
    void OnHolyDays();
    // F6 and Shift+F6 while the month panel shows: the keyboard focus moves
    // between the form and the panel, to the control that had it last.
    void OnNextPane();
    CMonthDock *GetMonthDock() const { return m_pMonthDock; }

    // Options > Hijri Month Starts...: opens the window, or brings it to the
    // front. Options > Ask About the New Moon: switches the question on or
    // off (shell/month_start_commands.cpp).
    void OnHijriMonthStarts();
    void OnAskNewMoon();
    CMonthStartsWindow *GetMonthStartsWindow() const { return m_pMonthStarts; }
    // Publishing the reminders to the calendar server, in the background; it
    // starts once the program runs (not when it only prints). Options >
    // Calendar Server... opens its dialog, or brings it to the front; File >
    // Publish to Calendar Server publishes now, or opens the dialog while
    // publishing is not set up. A failure is told once in a message box, and
    // the status bar's pane shows how publishing goes.
    void StartPublishing();
    void OnCalendarServer();
    void OnPublishNow();
    CReminderPublishing *GetPublishing() const { return m_pPublishing; }
    CCalendarServerDialog *GetCalendarServerDialog() const { return m_pServerDialog; }

    CStatusBar m_statusBar;
    CToolBar m_toolBar;

private:
    void createMonthDock();
    void addMonthStartCommands();
    void addDigitsCommand();
    // The windows follow the digits the profile names, whoever chose them.
    void followDigitsSetting();
    // Shows the form and the month panel again in the digits now chosen.
    void showDigitsAgain();
    void createPublishing();
    // Shows a date that a window beside the form chose, in the form, and
    // brings the main window to the front.
    void showInForm(bool hijri, int year, int month, const QString &dayText);
    CZamanixView *formView() const;

    CZamanixProfile &m_profile;
    bool m_bFormWired = false;
    QPointer<CAllRemindersWindow> m_pAllReminders;
    QPointer<CMonthDock> m_pMonthDock;
    QPointer<CMissedRemindersWindow> m_pMissedReminders;
    QPointer<CMonthStartsWindow> m_pMonthStarts;
    QPointer<CReminderPublishing> m_pPublishing;
    QPointer<CCalendarServerDialog> m_pServerDialog;
};

// The status bar's panes: the message pane, then Caps Lock, Num Lock and
// Scroll Lock.
extern const UINT kIndicators[4];

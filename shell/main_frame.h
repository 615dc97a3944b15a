// The main frame: menu bar, toolbar, status bar, and the form as client.
#pragma once

#include "framework/control_bars.h"
#include "framework/frame.h"
#include "panels/all_reminders_window.h"
#include "panels/missed_reminders_window.h"

class CMainFrame : public CFrameWnd, public CZamanixViewListener {
public:
    CMainFrame();
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
    void OnRemindersMissed(const std::vector<MissedReminder> &missed) override;
    // The Missed Reminders window once reminders were missed.
    CMissedRemindersWindow *GetMissedRemindersWindow() const { return m_pMissedReminders; }

    CStatusBar m_statusBar;
    CToolBar m_toolBar;

private:
    QPointer<CAllRemindersWindow> m_pAllReminders;
    QPointer<CMissedRemindersWindow> m_pMissedReminders;
};

// The status bar's panes: the message pane, then Caps Lock, Num Lock and
// Scroll Lock.
extern const UINT kIndicators[4];

// The main frame: menu bar, toolbar, status bar, and the form as client.
#pragma once

#include "framework/control_bars.h"
#include "framework/frame.h"
#include "panels/all_reminders_window.h"

class CMainFrame : public CFrameWnd {
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

    CStatusBar m_statusBar;
    CToolBar m_toolBar;

private:
    QPointer<CAllRemindersWindow> m_pAllReminders;
};

// The status bar's panes: the message pane, then Caps Lock, Num Lock and
// Scroll Lock.
extern const UINT kIndicators[4];

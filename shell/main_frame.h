// The main frame: menu bar, toolbar, status bar, and the form as client.
#pragma once

#include "framework/control_bars.h"
#include "framework/frame.h"
#include "panels/all_reminders_window.h"
#include "panels/month_dock.h"

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

    // The month panel, docked beside the form; it follows the view once a
    // document is attached to it.
    void InitialUpdateFrame(CDocument *document, BOOL bMakeVisible = TRUE) override;
    // View > Month: shows or hides it. File > Print Month prints its month
    // (`direct`: without the print dialog).
    void OnViewMonth();
    void OnPrintMonth(bool direct = false);
    // Options > Islamic Holy Days.
    void OnHolyDays();
    CMonthDock *GetMonthDock() const { return m_pMonthDock; }

    CStatusBar m_statusBar;
    CToolBar m_toolBar;

private:
    void createMonthDock();

    QPointer<CAllRemindersWindow> m_pAllReminders;
    QPointer<CMonthDock> m_pMonthDock;
};

// The status bar's panes: the message pane, then Caps Lock, Num Lock and
// Scroll Lock.
extern const UINT kIndicators[4];

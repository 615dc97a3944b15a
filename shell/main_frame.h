// The main frame: menu bar, toolbar, status bar, and the form as client.
#pragma once

#include "framework/control_bars.h"
#include "framework/frame.h"

class CMainFrame : public CFrameWnd {
public:
    BOOL PreCreateWindow(CREATESTRUCT &cs) override;
    int OnCreate(CREATESTRUCT *cs) override;

    CStatusBar m_statusBar;
    CToolBar m_toolBar;
};

// The status bar's panes: the message pane, then Caps Lock, Num Lock and
// Scroll Lock.
extern const UINT kIndicators[4];

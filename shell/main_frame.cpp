#include "shell/main_frame.h"

#include "form/zamanix_view.h"
#include "framework/winapp.h"
#include "panels/all_reminders_window.h"
#include "panels/reminder_export.h"
#include "resources/resource.h"

#include <QMainWindow>

const UINT kIndicators[4] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

CMainFrame::CMainFrame()
{
    OnCommand(ID_VIEW_ALL_REMINDERS, [this] { OnViewAllReminders(); });
    OnCommand(ID_FILE_EXPORT_REMINDERS, [this] { OnExportReminders(); });
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT &cs)
{
    return CFrameWnd::PreCreateWindow(cs);
}

int CMainFrame::OnCreate(CREATESTRUCT *cs)
{
    if (CFrameWnd::OnCreate(cs) == -1)
        return -1;
    if (!m_toolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, ID_VIEW_TOOLBAR) ||
        !m_toolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;
    if (!m_statusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, ID_VIEW_STATUS_BAR) ||
        !m_statusBar.SetIndicators(kIndicators, 4))
        return -1;
    SetIndicatorBar(&m_statusBar);

    m_toolBar.SetBarStyle(m_toolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
    m_toolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_toolBar);
    return 0;
}

void CMainFrame::OnViewAllReminders()
{
    auto *view = static_cast<CZamanixView *>(GetActiveView());
    if (!m_pAllReminders) {
        m_pAllReminders =
            new CAllRemindersWindow(view, AfxGetApp()->m_pszProfileName, GetMainWindow());
    } else
        m_pAllReminders->Refresh();
    m_pAllReminders->show();
    m_pAllReminders->raise();
    m_pAllReminders->activateWindow();
}

void CMainFrame::OnExportReminders()
{
    ExportRemindersWithDialog(GetMainWindow(), AfxGetApp()->m_pszProfileName);
}

void CMainFrame::CatchUpOnMissedReminders()
{
    auto *view = static_cast<CZamanixView *>(GetActiveView());
    if (!view)
        return;
    view->AddListener(this); // the view goes before the frame
    view->CheckMissedReminders();
}

void CMainFrame::OnRemindersMissed(const std::vector<MissedReminder> &missed)
{
    if (!m_pMissedReminders)
        m_pMissedReminders = new CMissedRemindersWindow(
            static_cast<CZamanixView *>(GetActiveView()), GetMainWindow());
    m_pMissedReminders->AddReminders(missed);
    m_pMissedReminders->show();
    m_pMissedReminders->raise();
}

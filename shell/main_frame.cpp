#include "shell/main_frame.h"

#include "form/zamanix_view.h"
#include "framework/winapp.h"
#include "panels/all_reminders_window.h"
#include "panels/month_printing.h"
#include "panels/reminder_export.h"
#include "resources/resource.h"

#include <QApplication>
#include <QMainWindow>

const UINT kIndicators[4] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

CMainFrame::CMainFrame()
{
    OnCommand(ID_VIEW_ALL_REMINDERS, [this] { OnViewAllReminders(); });
    OnCommand(ID_FILE_EXPORT_REMINDERS, [this] { OnExportReminders(); });
    OnCommand(ID_VIEW_MONTH, [this] { OnViewMonth(); });
    OnCommand(ID_FILE_PRINT_MONTH, [this] { OnPrintMonth(); });
    OnCommand(ID_OPTIONS_HOLY_DAYS, [this] { OnHolyDays(); });
    // Two panes, the form and the month panel: the next is the previous.
    OnCommand(ID_NEXT_PANE, [this] { OnNextPane(); });
    OnCommand(ID_PREV_PANE, [this] { OnNextPane(); });
    for (UINT id : {ID_NEXT_PANE, ID_PREV_PANE})
        OnUpdateCommandUI(id, [this](CCmdUI *ui) {
            ui->Enable(m_pMonthDock && !m_pMonthDock->isHidden() && GetActiveView());
        });
    OnUpdateCommandUI(ID_VIEW_MONTH, [this](CCmdUI *ui) {
        ui->Enable(m_pMonthDock != nullptr);
        ui->SetCheck(m_pMonthDock && !m_pMonthDock->isHidden());
    });
    OnUpdateCommandUI(ID_OPTIONS_HOLY_DAYS, [this](CCmdUI *ui) {
        ui->Enable(m_pMonthDock != nullptr);
        ui->SetCheck(m_pMonthDock && m_pMonthDock->Panel()->HolyDaysShown());
    });
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
    createMonthDock();
    return 0;
}

void CMainFrame::OnNextPane()
{
    CView *view = GetActiveView();
    if (!m_pMonthDock || m_pMonthDock->isHidden() || !view || !view->GetSafeHwnd())
        return;
    QWidget *form = view->GetSafeHwnd();
    QWidget *panel = m_pMonthDock->Panel();
    const QWidget *focus = QApplication::focusWidget();
    QWidget *pane = focus && (focus == panel || panel->isAncestorOf(focus)) ? form : panel;
    // The control of the pane that had the focus last, or else its first.
    QWidget *target = pane->focusWidget();
    for (QWidget *next = pane; !target && next; next = next->nextInFocusChain()) {
        if ((next == pane || pane->isAncestorOf(next)) && next->isVisible() && next->isEnabled() &&
            (next->focusPolicy() & Qt::TabFocus))
            target = next;
        if (next->nextInFocusChain() == pane)
            break;
    }
    if (!target)
        return;
    // A floating panel is a window of its own.
    target->activateWindow();
    target->setFocus(Qt::ShortcutFocusReason);
}

void CMainFrame::createMonthDock()
{
    m_pMonthDock = new CMonthDock(AfxGetApp()->m_pszProfileName, GetMainWindow());
    // Shown or hidden, docked or floating, the window fits the form and the
    // panel beside it: the form keeps its size.
    const auto fit = [this] {
        if (auto *form = dynamic_cast<CFormView *>(GetActiveView()))
            form->ResizeParentToFit(FALSE);
    };
    m_pMonthDock->SetShownHandler(fit);
    QObject::connect(m_pMonthDock, &QDockWidget::topLevelChanged, m_pMonthDock, fit);
}

void CMainFrame::InitialUpdateFrame(CDocument *document, BOOL bMakeVisible)
{
    if (m_pMonthDock)
        m_pMonthDock->Panel()->AttachView(static_cast<CZamanixView *>(GetActiveView()));
    CFrameWnd::InitialUpdateFrame(document, bMakeVisible);
}

void CMainFrame::OnViewMonth()
{
    if (m_pMonthDock)
        m_pMonthDock->SetShown(m_pMonthDock->isHidden());
}

void CMainFrame::OnPrintMonth(bool direct)
{
    if (m_pMonthDock)
        PrintMonth(m_pMonthDock->Panel()->Model(), AfxGetApp()->GetPrinter(), direct);
}

void CMainFrame::OnHolyDays()
{
    if (m_pMonthDock)
        m_pMonthDock->SetHolyDaysShown(!m_pMonthDock->Panel()->HolyDaysShown());
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

#include "shell/main_frame.h"

#include "form/zamanix_view.h"
#include "framework/message_box.h"
#include "framework/winapp.h"
#include "panels/all_reminders_window.h"
#include "panels/month_printing.h"
#include "panels/publish_status_pane.h"
#include "panels/reminder_backup.h"
#include "panels/reminder_export.h"
#include "resources/resource.h"

#include <QApplication>
#include <QMainWindow>

const UINT kIndicators[4] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

namespace {

// What a command of the File menu did, in the status bar; nothing when it
// did nothing.
void sayDone(CFrameWnd &frame, const QString &done)
{
    if (!done.isEmpty())
        frame.SetMessageText(done.toStdString());
}

} // namespace

CMainFrame::CMainFrame(CZamanixProfile &profile)
    : m_profile(profile)
{
    OnCommand(ID_VIEW_ALL_REMINDERS, [this] { OnViewAllReminders(); });
    OnCommand(ID_FILE_EXPORT_REMINDERS, [this] { OnExportReminders(); });
    OnCommand(ID_FILE_BACKUP_REMINDERS,
        [this] { sayDone(*this, BackUpRemindersWithDialog(GetMainWindow(), m_profile)); });
    OnCommand(ID_FILE_RESTORE_REMINDERS,
        [this] { sayDone(*this, RestoreRemindersWithDialog(GetMainWindow(), m_profile)); });
    OnCommand(ID_VIEW_MONTH, [this] { OnViewMonth(); });
    OnCommand(ID_FILE_PRINT_MONTH, [this] { OnPrintMonth(); });
    OnCommand(ID_OPTIONS_HOLY_DAYS, [this] { OnHolyDays(); });
    OnCommand(ID_OPTIONS_CALENDAR_SERVER, [this] { OnCalendarServer(); });
    OnCommand(ID_FILE_PUBLISH_NOW, [this] { OnPublishNow(); });
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
        ui->SetCheck(m_profile.Settings().holyDays);
    });
    addMonthStartCommands();
    addDigitsCommand();
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
    createPublishing();
    followDigitsSetting();
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
    m_pMonthDock = new CMonthDock(m_profile, GetMainWindow());
    QObject::connect(m_pMonthDock, &CMonthDock::dayChosen, m_pMonthDock,
        [this](bool hijri, int year, int month, const QString &day) {
            if (CZamanixView *view = formView())
                view->ShowDate(hijri, year, month, day.toStdString());
        });
    // Shown or hidden, docked or floating, the window fits the form and the
    // panel beside it: the form keeps its size.
    const auto fit = [this] {
        if (auto *form = dynamic_cast<CFormView *>(GetActiveView()))
            form->ResizeParentToFit(FALSE);
    };
    m_pMonthDock->SetShownHandler(fit);
    QObject::connect(m_pMonthDock, &QDockWidget::topLevelChanged, m_pMonthDock, fit);
}

CZamanixView *CMainFrame::formView() const
{
    return static_cast<CZamanixView *>(GetActiveView());
}

void CMainFrame::InitialUpdateFrame(CDocument *document, BOOL bMakeVisible)
{
    CZamanixView *view = formView();
    if (view && !m_bFormWired) {
        m_bFormWired = true;
        if (m_pMonthDock)
            QObject::connect(
                &view->News(), &CFormNews::dateShown, m_pMonthDock, &CMonthDock::ShowFormDate);
        QObject::connect(&view->News(), &CFormNews::remindersMissed, GetMainWindow(),
            [this](const std::vector<MissedReminder> &missed) { OnRemindersMissed(missed); });
    }
    CFrameWnd::InitialUpdateFrame(document, bMakeVisible);
}

void CMainFrame::showInForm(bool hijri, int year, int month, const QString &dayText)
{
    if (CZamanixView *view = formView()) {
        view->ShowDate(hijri, year, month, dayText.toStdString());
        ActivateFrame();
    }
}

void CMainFrame::OnViewMonth()
{
    if (m_pMonthDock)
        m_pMonthDock->SetShown(m_pMonthDock->isHidden());
}

void CMainFrame::OnPrintMonth(bool direct)
{
    if (!m_pMonthDock)
        return;
    if (QPrinter *printer = AfxGetApp()->FindPrinter())
        PrintMonth(m_pMonthDock->Panel()->Model(), *printer, direct);
}

void CMainFrame::OnHolyDays()
{
    if (m_pMonthDock)
        m_pMonthDock->SetHolyDaysShown(!m_profile.Settings().holyDays);
}

void CMainFrame::OnViewAllReminders()
{
    m_profile.Refresh(); // the window hears of what changed
    if (!m_pAllReminders) {
        m_pAllReminders = new CAllRemindersWindow(m_profile, GetMainWindow());
        QObject::connect(m_pAllReminders, &CAllRemindersWindow::reminderChosen, m_pAllReminders,
            [this](bool hijri, int year, int month, const QString &day) {
                showInForm(hijri, year, month, day);
            });
    }
    m_pAllReminders->show();
    m_pAllReminders->raise();
    m_pAllReminders->activateWindow();
}

void CMainFrame::OnExportReminders()
{
    sayDone(*this, ExportRemindersWithDialog(GetMainWindow(), AfxGetApp()->m_pszProfileName));
}

void CMainFrame::CatchUpOnMissedReminders()
{
    if (CZamanixView *view = formView())
        view->CheckMissedReminders();
}

void CMainFrame::OnRemindersMissed(const std::vector<MissedReminder> &missed)
{
    if (!m_pMissedReminders) {
        m_pMissedReminders = new CMissedRemindersWindow(GetMainWindow());
        QObject::connect(m_pMissedReminders, &CMissedRemindersWindow::reminderChosen,
            m_pMissedReminders, [this](bool hijri, int year, int month, const QString &day) {
                showInForm(hijri, year, month, day);
            });
    }
    m_pMissedReminders->AddReminders(missed);
    // A window above a minimized main window would be hidden with it (at
    // a start at login): what was missed is worth the window.
    if (GetMainWindow()->isMinimized())
        ActivateFrame();
    m_pMissedReminders->show();
    m_pMissedReminders->raise();
    m_pMissedReminders->activateWindow();
}

void CMainFrame::createPublishing()
{
    m_pPublishing = new CReminderPublishing(m_profile, GetMainWindow());
    // After the message pane, before the lock keys' indicators.
    m_statusBar.GetStatusBar()->insertPermanentWidget(1, new CPublishStatusPane(*m_pPublishing));
    // After the publisher's news is handled: a box holds whoever opens it.
    QObject::connect(
        m_pPublishing, &CReminderPublishing::failureToTell, m_pPublishing,
        [](const QString &text) { AfxMessageBox(text.toStdString(), MB_ICONEXCLAMATION); },
        Qt::QueuedConnection);
}

void CMainFrame::StartPublishing()
{
    if (m_pPublishing)
        m_pPublishing->Start();
}

void CMainFrame::OnCalendarServer()
{
    if (!m_pPublishing)
        return;
    if (!m_pServerDialog)
        m_pServerDialog = new CCalendarServerDialog(m_profile, *m_pPublishing, GetMainWindow());
    m_pServerDialog->show();
    m_pServerDialog->raise();
    m_pServerDialog->activateWindow();
}

void CMainFrame::OnPublishNow()
{
    if (m_pPublishing && m_pPublishing->IsSetUp())
        m_pPublishing->PublishNow();
    else
        OnCalendarServer();
}

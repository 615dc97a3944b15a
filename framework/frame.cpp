#include "framework/frame.h"

#include "framework/document.h"
#include "framework/first_paint.h"
#include "framework/lock_keys.h"
#include "framework/resource_types.h"
#include "framework/view.h"
#include "framework/winapp.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

// The Qt window of a frame; closing it asks the frame.
class CFrameWindowWidget : public QMainWindow {
public:
    explicit CFrameWindowWidget(CFrameWnd *frame)
        : m_frame(frame)
    {
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        event->ignore(); // the frame decides, and destroys the window itself
        m_frame->OnClose();
    }

private:
    CFrameWnd *m_frame;
};

// Watches the keys of the program for the frame: the lock keys' state, and
// the frame's accelerators, which go before the focused control as they
// always have (an edit field would otherwise take Ctrl+V for itself). Keys of
// disabled commands (Undo, Cut, Copy) stay with the edit field.
class CFrameKeyWatcher : public QObject {
public:
    CFrameKeyWatcher(CFrameWnd *frame)
        : QObject(frame->GetSafeHwnd())
        , m_frame(frame)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            m_frame->refreshLockKeys(static_cast<QKeyEvent *>(event));
            return false;
        case QEvent::ApplicationActivate:
            m_frame->refreshLockKeys(nullptr);
            return false;
        case QEvent::ShortcutOverride: {
            auto *widget = qobject_cast<QWidget *>(watched);
            return widget && widget->window() == m_frame->GetSafeHwnd() &&
                m_frame->IsEnabledAccelerator(static_cast<QKeyEvent *>(event));
        }
        default:
            return false;
        }
    }

private:
    CFrameWnd *m_frame;
};

namespace {

// A menu item's text as the name of its toolbar button, which a screen
// reader says: "&Open...\tCtrl+O" is "Open", without the keys, the dots that
// promise a dialog and the mnemonic marks.
QString buttonName(const QString &menuText)
{
    QString name = menuText.left(menuText.indexOf(QLatin1Char('\t')));
    name.remove(QStringLiteral("..."));
    // "&" marks the mnemonic; "&&" is an "&" of the text.
    for (qsizetype at = name.indexOf(QLatin1Char('&')); at >= 0;
         at = name.indexOf(QLatin1Char('&'), at + 1))
        name.remove(at, 1);
    return name.trimmed();
}

// A menu's text in the user's language: the resources mark the texts of
// their menus in the context "Menu" (resources/menus.cpp).
QString menuText(const char *text)
{
    return QCoreApplication::translate("Menu", text);
}

} // namespace

CFrameWnd::CFrameWnd()
{
    OnCommand(ID_VIEW_TOOLBAR, [this] { toggleBar(ID_VIEW_TOOLBAR); });
    OnCommand(ID_VIEW_STATUS_BAR, [this] { toggleBar(ID_VIEW_STATUS_BAR); });
    for (UINT id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR})
        OnUpdateCommandUI(id, [this, id](CCmdUI *ui) {
            QWidget *bar = GetControlBar(id);
            ui->Enable(bar != nullptr);
            ui->SetCheck(bar && !bar->isHidden());
        });
}

void CFrameWnd::RegisterControlBar(UINT id, QWidget *bar)
{
    m_bars[id] = bar;
}

QWidget *CFrameWnd::GetControlBar(UINT id) const
{
    const auto it = m_bars.find(id);
    return it == m_bars.end() ? nullptr : it->second.data();
}

void CFrameWnd::toggleBar(UINT id)
{
    if (QWidget *bar = GetControlBar(id))
        bar->setVisible(bar->isHidden());
}

void CFrameWnd::EnableDocking(DWORD style)
{
    QMainWindow *window = GetMainWindow();
    window->setDockNestingEnabled(true);
    window->setAnimated(false);
    Q_UNUSED(style); // a main window takes bars on every side it is given
}

void CFrameWnd::DockControlBar(CToolBar *bar)
{
    if (bar && bar->GetToolBar())
        GetMainWindow()->addToolBar(Qt::TopToolBarArea, bar->GetToolBar());
}

void CFrameWnd::SetIndicatorBar(CStatusBar *bar)
{
    m_pIndicatorBar = bar;
    refreshLockKeys(nullptr);
}

void CFrameWnd::SetMessageText(const CString &text)
{
    if (m_pIndicatorBar)
        m_pIndicatorBar->SetPaneText(0, text);
}

bool CFrameWnd::IsEnabledAccelerator(const QKeyEvent *event) const
{
    const QKeySequence pressed(event->keyCombination());
    for (const auto &[id, action] : m_actions)
        if (action->isEnabled() && action->shortcuts().contains(pressed))
            return true;
    return false;
}

void CFrameWnd::refreshLockKeys(const QKeyEvent *event)
{
    if (!m_pIndicatorBar)
        return;
    if (const std::optional<LockKeys> keys = QueryLockKeys()) {
        m_bScrollLock = keys->scroll;
        m_pIndicatorBar->UpdateIndicators(keys->caps, keys->num, keys->scroll);
    } else if (event) {
        const LockKeys keys = LockKeysFromModifiers(event->nativeModifiers(), m_bScrollLock);
        m_pIndicatorBar->UpdateIndicators(keys.caps, keys.num, keys.scroll);
    }
}

CFrameWnd::~CFrameWnd()
{
    if (m_pKeyWatcher)
        qApp->removeEventFilter(m_pKeyWatcher);
    if (GetSafeHwnd())
        DestroyWindow();
}

QMainWindow *CFrameWnd::GetMainWindow() const
{
    return static_cast<QMainWindow *>(GetSafeHwnd());
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT &)
{
    return TRUE;
}

int CFrameWnd::OnCreate(CREATESTRUCT *)
{
    return 0;
}

BOOL CFrameWnd::LoadFrame(UINT resourceId)
{
    CREATESTRUCT cs;
    // The first field of the document string is the window title.
    const CString documentString = LoadString(resourceId);
    cs.title = documentString.substr(0, documentString.find('\n'));
    if (cs.title.empty())
        cs.title = AfxGetAppTitle();
    if (!PreCreateWindow(cs))
        return FALSE;
    m_strTitle = cs.title;
    m_bAddDocumentTitle = cs.addDocumentTitle;

    auto *window = new CFrameWindowWidget(this);
    Attach(window);
    window->setWindowTitle(QString::fromStdString(m_strTitle));
    // Its sizes, drawn and sent to the display, are for the taskbar: the
    // window shows without them.
    AfterFirstPaint(window, [window, resourceId] {
        if (const QIcon icon = FindIconResource(resourceId); !icon.isNull())
            window->setWindowIcon(icon);
    });
    if (cs.cx > 0 && cs.cy > 0)
        window->resize(cs.cx, cs.cy);
    else
        window->resize(800, 600); // the default placement; the view shrinks it to fit
    m_menu = std::make_unique<CMenu>(window->menuBar());
    buildMenu(resourceId);
    buildAccelerators(resourceId);

    m_pKeyWatcher = new CFrameKeyWatcher(this);
    qApp->installEventFilter(m_pKeyWatcher);

    if (OnCreate(&cs) == -1) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

QAction *CFrameWnd::CommandAction(UINT id)
{
    if (const auto it = m_actions.find(id); it != m_actions.end())
        return it->second;
    auto *action = new QAction(GetSafeHwnd());
    action->setData(id);
    // "prompt\ntool tip": the prompt shows in the status bar, the short name
    // as the tool tip of a button.
    const QString text = QString::fromStdString(LoadString(id));
    const qsizetype split = text.indexOf(QLatin1Char('\n'));
    action->setStatusTip(text.left(split));
    if (split >= 0)
        action->setToolTip(text.mid(split + 1));
    GetSafeHwnd()->addAction(action); // its keys work wherever the focus is in the window
    QObject::connect(action, &QAction::triggered, action, [this, action, id](bool checked) {
        // A check mark is the command's business, not the click's.
        if (action->isCheckable())
            action->setChecked(!checked);
        ExecuteCommand(id);
    });
    m_actions[id] = action;
    return action;
}

void CFrameWnd::buildMenu(UINT resourceId)
{
    const MenuTemplate *menu = FindMenuResource(resourceId);
    if (!menu)
        return;
    QMenuBar *bar = GetMainWindow()->menuBar();
    for (const PopupTemplate &popup : menu->popups)
        fillMenu(bar->addMenu(menuText(popup.text)), popup.items);
}

void CFrameWnd::fillMenu(QMenu *pull, std::span<const MenuItemTemplate> items)
{
    QActionGroup *choices = nullptr; // of the Radio items just before
    for (const MenuItemTemplate &item : items) {
        if (!(item.flags & MenuFlag::Radio))
            choices = nullptr;
        if (item.flags & MenuFlag::Separator) {
            pull->addSeparator();
            continue;
        }
        if (!item.submenu.empty()) {
            fillMenu(pull->addMenu(menuText(item.text)), item.submenu);
            continue;
        }
        QAction *action = CommandAction(item.id);
        action->setText(menuText(item.text));
        action->setIconText(buttonName(action->text()));
        if (item.flags & MenuFlag::Radio) {
            // Round marks; which one is set is the update handlers' business,
            // so the group may be left without one for a moment.
            if (!choices) {
                choices = new QActionGroup(pull);
                choices->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
            }
            action->setCheckable(true);
            choices->addAction(action);
        }
        if (item.flags & MenuFlag::Checked) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        if (item.flags & MenuFlag::Grayed)
            action->setEnabled(false);
        pull->addAction(action);
        m_menu->AddItem(item.id, action);
    }
    updateWhenShown(pull);
}

void CFrameWnd::updateWhenShown(QMenu *pull)
{
    QObject::connect(pull, &QMenu::aboutToShow, pull, [this, pull] {
        if (CWinApp *app = AfxGetApp();
            app && pull->actions().contains(CommandAction(ID_FILE_MRU_FILE1)))
            app->UpdateRecentFileMenu(this);
        // A submenu's own item sends no command: it stays enabled.
        for (QAction *action : pull->actions())
            if (!action->isSeparator() && !action->menu())
                UpdateActionState(action, action->data().toUInt());
    });
}

void CFrameWnd::buildAccelerators(UINT resourceId)
{
    const AcceleratorTable *table = FindAcceleratorResource(resourceId);
    if (!table)
        return;
    for (const AcceleratorEntry &entry : table->entries) {
        QAction *action = CommandAction(entry.command);
        QList<QKeySequence> keys = action->shortcuts();
        keys.append(QKeySequence(entry.key));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    for (const AcceleratorEntry &entry : table->entries)
        showKeysAsShortcut(CommandAction(entry.command));
}

void CFrameWnd::showKeysAsShortcut(QAction *action)
{
    // "&New\tCtrl+N": the menu shows the keys after the tab, but a screen
    // reader would read them as part of the item's name. When they are the
    // item's own accelerator, the name keeps the words, and the keys are
    // the shortcut, which the menu shows in their place and a screen reader
    // gives as the item's keys.
    const QString text = action->text();
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab < 0)
        return;
    const QKeySequence written =
        QKeySequence::fromString(text.mid(tab + 1), QKeySequence::PortableText);
    QList<QKeySequence> keys = action->shortcuts();
    if (written.isEmpty() || !keys.removeOne(written))
        return;
    keys.prepend(written);
    action->setShortcuts(keys);
    action->setText(text.left(tab));
}

void CFrameWnd::SetClientView(CView *view)
{
    m_pView = view;
    if (view && view->GetSafeHwnd())
        GetMainWindow()->setCentralWidget(view->GetSafeHwnd());
}

BOOL CFrameWnd::OnCmdMsg(UINT id, CCmdUI *pCmdUI)
{
    if (m_pView && m_pView->OnCmdMsg(id, pCmdUI))
        return TRUE;
    if (HandleOwnCommand(id, pCmdUI))
        return TRUE;
    CWinApp *app = AfxGetApp();
    return app && app->OnCmdMsg(id, pCmdUI);
}

void CFrameWnd::ExecuteCommand(UINT id)
{
    CCmdUI state(id);
    // A disabled command does nothing, whichever way it was sent.
    if (!OnCmdMsg(id, &state) || (state.m_bEnableChanged && !state.m_bEnabled))
        return;
    OnCmdMsg(id, nullptr);
    if (GetSafeHwnd())
        UpdateCommandUI();
}

void CFrameWnd::UpdateActionState(QAction *action, UINT id)
{
    CCmdUI state(id);
    if (!OnCmdMsg(id, &state)) {
        action->setEnabled(false);
        return;
    }
    if (state.m_bEnableChanged)
        action->setEnabled(state.m_bEnabled);
    if (state.m_bCheckChanged) {
        action->setCheckable(true);
        action->setChecked(state.m_nCheck != 0);
    }
}

void CFrameWnd::UpdateCommandUI()
{
    for (const auto &[id, action] : m_actions)
        UpdateActionState(action, id);
}

void CFrameWnd::RecalcLayout()
{
    if (QMainWindow *window = GetMainWindow())
        if (window->layout())
            window->layout()->activate();
}

BOOL CFrameWnd::ShowWindow(int nCmdShow)
{
    if (!m_bHoldShow)
        return CWnd::ShowWindow(nCmdShow);
    m_nHeldShow = nCmdShow;
    return IsWindowVisible();
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    QMainWindow *window = GetMainWindow();
    if (!window)
        return;
    if (nCmdShow == -1) {
        // A minimize asked for during the initial update counts as done and
        // undone: the window stays as it was, maximized or not.
        if (window->isMinimized())
            nCmdShow = SW_RESTORE;
        else if (!window->isVisible())
            nCmdShow = SW_SHOWNORMAL;
    }
    m_nHeldShow = -1;
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    else
        window->show();
    window->raise();
    window->activateWindow();
}

void CFrameWnd::InitialUpdateFrame(CDocument *document, BOOL bMakeVisible)
{
    if (m_pView) {
        m_pView->m_pDocument = document;
        m_bHoldShow = true;
        m_nHeldShow = -1;
        m_pView->OnInitialUpdate();
        m_bHoldShow = false;
    }
    if (!bMakeVisible && m_nHeldShow != -1)
        ShowWindow(m_nHeldShow);
    if (bMakeVisible) {
        CWinApp *app = AfxGetApp();
        int nCmdShow = -1;
        if (app && app->m_pMainWnd == this) {
            nCmdShow = app->m_nCmdShow; // the start-up show state, used once
            app->m_nCmdShow = -1;
        }
        ActivateFrame(nCmdShow);
    }
    OnUpdateFrameTitle();
    UpdateCommandUI(); // now that the view and the document take their commands
}

void CFrameWnd::OnUpdateFrameTitle()
{
    QMainWindow *window = GetMainWindow();
    if (!window)
        return;
    CString caption = m_strTitle;
    const CDocument *document = m_pView ? m_pView->GetDocument() : nullptr;
    if (m_bAddDocumentTitle && document)
        caption = document->GetTitle() + " - " + m_strTitle;
    window->setWindowTitle(QString::fromStdString(caption));
}

BOOL CFrameWnd::DestroyWindow()
{
    if (m_pKeyWatcher) {
        qApp->removeEventFilter(m_pKeyWatcher);
        m_pKeyWatcher = nullptr;
    }
    m_pIndicatorBar = nullptr;
    if (m_pView) {
        CView *view = m_pView;
        m_pView = nullptr;
        if (view->GetSafeHwnd()) {
            view->GetSafeHwnd()->setParent(nullptr);
            view->DestroyWindow();
        }
    }
    m_actions.clear();
    m_menu.reset();
    return CWnd::DestroyWindow();
}

void CFrameWnd::OnClose()
{
    CWinApp *app = AfxGetApp();
    if (app && app->m_pMainWnd == this)
        app->PostCloseMainWindow();
    else
        DestroyWindow();
}

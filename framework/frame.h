// The main frame: a top-level window with a menu bar, keyboard accelerators
// and the view as its client area. Commands from menus, accelerators and
// toolbar buttons travel by id to the view, the document, the frame and the
// application, in that order; what nobody handles is disabled.
#pragma once

#include "framework/control_bars.h"
#include "framework/menu.h"
#include "framework/wnd.h"

#include <map>
#include <memory>
#include <span>

class CDocument;
class CView;
class QAction;
class QCloseEvent;
class QKeyEvent;
class QMainWindow;
class QMenu;
struct MenuItemTemplate;

struct CREATESTRUCT {
    int x = -1, y = -1, cx = 0, cy = 0; // -1 / 0: the default placement
    CString title;
    bool addDocumentTitle = true; // the caption shows the document's title
};

class CFrameWnd : public CWnd {
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Creates the window from resource id: menu, accelerators, icon and the
    // caption from the document string; then OnCreate. FALSE on failure.
    virtual BOOL LoadFrame(UINT resourceId);
    virtual BOOL PreCreateWindow(CREATESTRUCT &cs);
    // Builds what the frame holds besides the view; 0 on success, -1 fails.
    virtual int OnCreate(CREATESTRUCT *cs);

    CMenu *GetMenu() override { return m_menu.get(); }
    QMainWindow *GetMainWindow() const;
    void SetClientView(CView *view);
    CView *GetActiveView() const { return m_pView; }

    BOOL OnCmdMsg(UINT id, CCmdUI *pCmdUI) override;
    // Runs a command as a click on its menu item would.
    void ExecuteCommand(UINT id);
    // Enables, disables and checks every command's action by the routing.
    void UpdateCommandUI();
    // The one action of a command, shared by menu, toolbar and keys.
    QAction *CommandAction(UINT id);

    // During the view's initial update a show request is held and the
    // activation that follows decides the final state, so the window does
    // not flicker through a state it will not keep.
    BOOL ShowWindow(int nCmdShow) override;

    void RecalcLayout();
    // Shows the frame: nCmdShow as given, or by default a hidden window
    // normal, a minimized one restored and a shown one (maximized or not) as
    // it is; then brings it to the top.
    void ActivateFrame(int nCmdShow = -1);
    // The view's initial update, then activation and the caption. A frame
    // with windows beside the view introduces them to it first.
    virtual void InitialUpdateFrame(CDocument *document, BOOL bMakeVisible = TRUE);
    // Caption: the document's title, " - ", the window title.
    void OnUpdateFrameTitle();

    BOOL DestroyWindow() override;
    // The user closes the window (close box, Exit).
    virtual void OnClose();

    // Control bars by their child id; the View menu shows and hides them.
    void RegisterControlBar(UINT id, QWidget *bar);
    QWidget *GetControlBar(UINT id) const;
    // Lets bars dock on the sides in style (CBRS_ALIGN_*), and docks one.
    void EnableDocking(DWORD style);
    void DockControlBar(CToolBar *bar);
    // The status bar whose indicators follow the lock keys.
    void SetIndicatorBar(CStatusBar *bar);
    // Shows what a command did in that status bar's message pane, told to a
    // screen reader as it shows (message_pane.h); nothing without one.
    void SetMessageText(const CString &text);
    // Whether the key is an accelerator of a command that is enabled now.
    bool IsEnabledAccelerator(const QKeyEvent *event) const;

protected:
    void UpdateActionState(QAction *action, UINT id);

private:
    friend class CFrameWindowWidget;
    friend class CFrameKeyWatcher;
    void buildMenu(UINT resourceId);
    // Adds the items to the menu, submenus with their own items.
    void fillMenu(QMenu *pull, std::span<const MenuItemTemplate> items);
    // The menu's items are enabled and checked by the routing as it opens.
    void updateWhenShown(QMenu *pull);
    void buildAccelerators(UINT resourceId);
    static void showKeysAsShortcut(QAction *action);

    void toggleBar(UINT id);
    void refreshLockKeys(const QKeyEvent *event);

    std::unique_ptr<CMenu> m_menu;
    std::map<UINT, QPointer<QWidget>> m_bars;
    CStatusBar *m_pIndicatorBar = nullptr;
    QObject *m_pKeyWatcher = nullptr;
    bool m_bScrollLock = false;
    bool m_bHoldShow = false;
    int m_nHeldShow = -1;
    std::map<UINT, QAction *> m_actions;
    CView *m_pView = nullptr;
    CString m_strTitle;
    bool m_bAddDocumentTitle = true;
};

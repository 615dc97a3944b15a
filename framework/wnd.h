// A window of the program: a C++ object over a Qt widget, with the services
// the program's classes ask of a window (timers, focus, show state, the
// menu, child controls by id, data exchange with them).
#pragma once

#include "framework/afx_types.h"
#include "framework/cmd_target.h"
#include "framework/cstring.h"

#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>

class CDataExchange;
class CMenu;
class CTimerBridge;

class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd &) = delete;
    CWnd &operator=(const CWnd &) = delete;

    QWidget *GetSafeHwnd() const { return m_hWnd.data(); }

    // Timers: ticks arrive at OnTimer with the id given here, also while a
    // modal box is open. Setting an id again restarts it with the new
    // period. Returns the id, or 0 when no timer could be started.
    UINT SetTimer(UINT nIDEvent, UINT elapseMs);
    BOOL KillTimer(UINT nIDEvent);
    virtual void OnTimer(UINT nIDEvent);

    CWnd *SetFocus();
    virtual BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    virtual BOOL DestroyWindow();

    // The menu bar of a frame window; nullptr for other windows.
    virtual CMenu *GetMenu() { return nullptr; }

    // Child controls by id (dialog templates give them their ids).
    QWidget *GetDlgItem(int id) const;
    void RegisterDlgItem(int id, QWidget *control);
    void CheckRadioButton(int firstId, int lastId, int checkId);
    UINT IsDlgButtonChecked(int id) const;
    void SetDlgItemText(int id, const CString &text);
    CString GetDlgItemText(int id) const;

    // Copies fields into the controls (FALSE) or the controls into the
    // fields with validation (TRUE); FALSE after a failed validation.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange *pDX);

protected:
    void Attach(QWidget *widget);

    QPointer<QWidget> m_hWnd;

private:
    std::unique_ptr<CTimerBridge> m_timers;
    std::map<int, QPointer<QWidget>> m_controls;
};

// The frame's control bars: a toolbar that docks on any side or floats, and
// a status bar with a message pane and lock-key indicators.
#pragma once

#include "framework/afx_types.h"
#include "framework/cstring.h"
#include "framework/message_pane.h"

#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

#include <vector>

class CFrameWnd;

using DWORD = unsigned long;

inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
inline constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
inline constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
inline constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
inline constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
inline constexpr DWORD CBRS_BORDER_TOP = 0x0200;
inline constexpr DWORD CBRS_BORDER_BOTTOM = 0x0800;
inline constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
inline constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;
inline constexpr DWORD CBRS_TOOLTIPS = 0x0010;
inline constexpr DWORD CBRS_FLYBY = 0x0020;
inline constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0004;

class CToolBar {
public:
    BOOL Create(CFrameWnd *parent, DWORD style, UINT id);
    // The buttons of toolbar resource id, with their images, prompts and
    // tool tips.
    BOOL LoadToolBar(UINT id);
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD style);
    void EnableDocking(DWORD style);
    QToolBar *GetToolBar() const { return m_pBar.data(); }

private:
    CFrameWnd *m_pFrame = nullptr;
    QPointer<QToolBar> m_pBar;
    DWORD m_dwStyle = 0;
};

class CStatusBar {
public:
    BOOL Create(CFrameWnd *parent, DWORD style, UINT id);
    // Pane ids in order: ID_SEPARATOR is the stretching message pane, the
    // others indicators whose text comes from the string table.
    BOOL SetIndicators(const UINT *ids, int count);
    QStatusBar *GetStatusBar() const { return m_pBar.data(); }
    // The text of a pane: the message pane's (0), or an indicator's, its
    // string while its key is on.
    CString GetPaneText(int index) const;
    // Sets it; the message pane tells a screen reader (message_pane.h).
    void SetPaneText(int index, const CString &text);
    // Shows each lock key's state (called when it may have changed).
    void UpdateIndicators(bool capsLock, bool numLock, bool scrollLock);

private:
    QPointer<QStatusBar> m_pBar;
    QPointer<CMessagePane> m_pMessage;
    std::vector<UINT> m_ids;
    std::vector<QPointer<QLabel>> m_panes;
};

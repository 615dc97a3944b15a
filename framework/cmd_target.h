// Commands by numeric id. Each class that takes commands keeps a map from
// id to handler (its message map); a command travels along a route of such
// targets until one handles it. A command that nobody handles is disabled.
#pragma once

#include "framework/afx_types.h"

#include <functional>
#include <map>

// The state of one command's user interface (menu item, toolbar button), as
// the update handlers set it.
class CCmdUI {
public:
    explicit CCmdUI(UINT id)
        : m_nID(id)
    {
    }
    void Enable(BOOL on = TRUE)
    {
        m_bEnabled = on != FALSE;
        m_bEnableChanged = true;
    }
    void SetCheck(int check = 1)
    {
        m_nCheck = check;
        m_bCheckChanged = true;
    }

    UINT m_nID;
    bool m_bEnabled = false;
    bool m_bEnableChanged = false;
    int m_nCheck = 0;
    bool m_bCheckChanged = false;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // With pCmdUI null: runs the command if this target (or what it routes
    // to) handles it. With pCmdUI: lets the handler update the command's
    // state. Returns TRUE when handled.
    virtual BOOL OnCmdMsg(UINT id, CCmdUI *pCmdUI);

protected:
    // Message map entries.
    void OnCommand(UINT id, std::function<void()> handler);
    void OnCommandRange(UINT first, UINT last, std::function<void(UINT)> handler);
    void OnUpdateCommandUI(UINT id, std::function<void(CCmdUI *)> handler);

    // This target's own map only, without routing.
    BOOL HandleOwnCommand(UINT id, CCmdUI *pCmdUI);

private:
    struct Range {
        UINT last;
        std::function<void(UINT)> handler;
    };
    std::map<UINT, std::function<void()>> m_commands;
    std::map<UINT, Range> m_ranges; // by first id
    std::map<UINT, std::function<void(CCmdUI *)>> m_updates;
};

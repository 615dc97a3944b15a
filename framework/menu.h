// The menu bar of a frame, reached by command id as the classic menu calls
// reach it: check marks and states by command.
#pragma once

#include "framework/afx_types.h"

#include <map>

class QAction;
class QMenuBar;

class CMenu {
public:
    explicit CMenu(QMenuBar *bar)
        : m_pBar(bar)
    {
    }

    // Sets or removes the check mark of the item with this command id
    // (MF_CHECKED or MF_UNCHECKED, by command). Returns the previous check
    // state, MF_CHECKED or MF_UNCHECKED, or kMenuItemMissing.
    UINT CheckMenuItem(UINT id, UINT flags);
    // MF_CHECKED, MF_GRAYED | MF_DISABLED as they apply, or kMenuItemMissing.
    UINT GetMenuState(UINT id, UINT flags) const;

    // Items are registered by the frame as it builds the menu bar.
    void AddItem(UINT id, QAction *action);
    QAction *FindItem(UINT id) const;

private:
    QMenuBar *m_pBar;
    std::map<UINT, QAction *> m_items;
};

#include "framework/menu.h"

#include <QAction>

void CMenu::AddItem(UINT id, QAction *action)
{
    m_items[id] = action;
}

QAction *CMenu::FindItem(UINT id) const
{
    const auto it = m_items.find(id);
    return it == m_items.end() ? nullptr : it->second;
}

UINT CMenu::CheckMenuItem(UINT id, UINT flags)
{
    QAction *item = FindItem(id);
    if (!item)
        return kMenuItemMissing;
    const UINT previous = item->isChecked() ? MF_CHECKED : MF_UNCHECKED;
    item->setCheckable(true);
    item->setChecked((flags & MF_CHECKED) != 0);
    return previous;
}

UINT CMenu::GetMenuState(UINT id, UINT) const
{
    const QAction *item = FindItem(id);
    if (!item)
        return kMenuItemMissing;
    UINT state = item->isChecked() ? MF_CHECKED : 0;
    if (!item->isEnabled())
        state |= MF_GRAYED | MF_DISABLED;
    return state;
}

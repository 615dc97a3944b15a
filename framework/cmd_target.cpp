#include "framework/cmd_target.h"

void CCmdTarget::OnCommand(UINT id, std::function<void()> handler)
{
    m_commands[id] = std::move(handler);
}

void CCmdTarget::OnCommandRange(UINT first, UINT last, std::function<void(UINT)> handler)
{
    m_ranges[first] = {last, std::move(handler)};
}

void CCmdTarget::OnUpdateCommandUI(UINT id, std::function<void(CCmdUI *)> handler)
{
    m_updates[id] = std::move(handler);
}

BOOL CCmdTarget::HandleOwnCommand(UINT id, CCmdUI *pCmdUI)
{
    if (pCmdUI) {
        if (const auto update = m_updates.find(id); update != m_updates.end()) {
            update->second(pCmdUI);
            return TRUE;
        }
    }
    std::function<void()> command;
    if (const auto it = m_commands.find(id); it != m_commands.end())
        command = it->second;
    else if (auto range = m_ranges.upper_bound(id); range != m_ranges.begin()) {
        --range;
        if (id <= range->second.last) {
            const auto handler = range->second.handler;
            command = [handler, id] { handler(id); };
        }
    }
    if (!command)
        return FALSE;
    if (pCmdUI)
        pCmdUI->Enable(TRUE); // a command with a handler and no update handler is enabled
    else
        command();
    return TRUE;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, CCmdUI *pCmdUI)
{
    return HandleOwnCommand(id, pCmdUI);
}

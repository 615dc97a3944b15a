#include "framework/control_bars.h"

#include "framework/frame.h"
#include "framework/resource_types.h"
#include "framework/string_table.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>

namespace {

Qt::ToolBarAreas areasOf(DWORD style)
{
    Qt::ToolBarAreas areas;
    if (style & CBRS_ALIGN_LEFT)
        areas |= Qt::LeftToolBarArea;
    if (style & CBRS_ALIGN_TOP)
        areas |= Qt::TopToolBarArea;
    if (style & CBRS_ALIGN_RIGHT)
        areas |= Qt::RightToolBarArea;
    if (style & CBRS_ALIGN_BOTTOM)
        areas |= Qt::BottomToolBarArea;
    return areas;
}

} // namespace

BOOL CToolBar::Create(CFrameWnd *parent, DWORD style, UINT id)
{
    QMainWindow *window = parent ? parent->GetMainWindow() : nullptr;
    if (!window)
        return FALSE;
    m_pFrame = parent;
    m_pBar = new QToolBar(QCoreApplication::translate("Toolbar", "Toolbar"), window);
    m_pBar->setObjectName(QStringLiteral("toolbar-%1").arg(id));
    m_pBar->setProperty("controlId", id);
    m_dwStyle = style;
    m_pBar->setAllowedAreas(Qt::TopToolBarArea); // until docking is enabled
    m_pBar->setMovable(false);
    window->addToolBar(Qt::TopToolBarArea, m_pBar);
    m_pBar->setVisible(style & WS_VISIBLE);
    parent->RegisterControlBar(id, m_pBar);
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT id)
{
    const ToolbarTemplate *bar = FindToolbarResource(id);
    if (!bar || !m_pBar)
        return FALSE;
    const QPixmap strip = bar->draw();
    m_pBar->setIconSize(QSize(bar->imageWidth, bar->imageHeight));
    int image = 0;
    for (UINT command : bar->buttons) {
        if (command == 0) {
            m_pBar->addSeparator();
            continue;
        }
        QAction *action = m_pFrame->CommandAction(command);
        action->setIcon(
            QIcon(strip.copy(image * bar->imageWidth, 0, bar->imageWidth, bar->imageHeight)));
        ++image;
        m_pBar->addAction(action);
    }
    SetBarStyle(m_dwStyle);
    return TRUE;
}

void CToolBar::SetBarStyle(DWORD style)
{
    m_dwStyle = style;
    if (!m_pBar)
        return;
    // Tool tips show the short name after "\n" in each button's command
    // string.
    m_pBar->setToolTipDuration(style & CBRS_TOOLTIPS ? -1 : 0);
    if (!(style & CBRS_TOOLTIPS))
        return;
    for (QAction *action : m_pBar->actions()) {
        const CString text = LoadString(action->data().toUInt());
        if (const std::size_t split = text.find('\n');
            !action->isSeparator() && split != CString::npos)
            action->setToolTip(QString::fromStdString(text.substr(split + 1)));
    }
}

void CToolBar::EnableDocking(DWORD style)
{
    if (!m_pBar)
        return;
    const Qt::ToolBarAreas areas = areasOf(style);
    m_pBar->setAllowedAreas(areas);
    m_pBar->setMovable(areas != Qt::NoToolBarArea);
    m_pBar->setFloatable(areas != Qt::NoToolBarArea);
}

BOOL CStatusBar::Create(CFrameWnd *parent, DWORD style, UINT id)
{
    QMainWindow *window = parent ? parent->GetMainWindow() : nullptr;
    if (!window)
        return FALSE;
    m_pBar = new QStatusBar(window);
    m_pBar->setProperty("controlId", id);
    window->setStatusBar(m_pBar);
    m_pBar->setVisible(style & WS_VISIBLE);
    parent->RegisterControlBar(id, m_pBar);
    return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT *ids, int count)
{
    if (!m_pBar)
        return FALSE;
    m_ids.assign(ids, ids + count);
    for (UINT id : m_ids) {
        if (id == 0) {
            // The message pane: the idle text; prompts cover it while shown.
            m_pMessage = new CMessagePane(QString::fromStdString(LoadString(AFX_IDS_IDLEMESSAGE)));
            m_pBar->addWidget(m_pMessage, 1);
            m_panes.emplace_back(m_pMessage->Label());
            continue;
        }
        const QString text = QString::fromStdString(LoadString(id));
        if (text.isEmpty())
            return FALSE;
        auto *pane = new QLabel;
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // As wide as its text, whether the text shows or not.
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) + 8);
        // No accessible name: it would replace the text, and a screen reader
        // would hear "CAP" while Caps Lock is off.
        m_pBar->addPermanentWidget(pane);
        m_panes.emplace_back(pane);
    }
    return TRUE;
}

void CStatusBar::SetPaneText(int index, const CString &text)
{
    if (index == 0 && m_pMessage)
        m_pMessage->SetMessage(QString::fromStdString(text));
    else if (index > 0 && index < static_cast<int>(m_panes.size()) && m_panes[index])
        m_panes[index]->setText(QString::fromStdString(text));
}

CString CStatusBar::GetPaneText(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_panes.size()) || !m_panes[index])
        return {};
    return m_panes[index]->text().toStdString();
}

void CStatusBar::UpdateIndicators(bool capsLock, bool numLock, bool scrollLock)
{
    for (std::size_t i = 0; i < m_ids.size(); ++i) {
        bool on;
        switch (m_ids[i]) {
        case ID_INDICATOR_CAPS:
            on = capsLock;
            break;
        case ID_INDICATOR_NUM:
            on = numLock;
            break;
        case ID_INDICATOR_SCRL:
            on = scrollLock;
            break;
        default:
            continue;
        }
        if (m_panes[i])
            m_panes[i]->setText(on ? QString::fromStdString(LoadString(m_ids[i])) : QString());
    }
}

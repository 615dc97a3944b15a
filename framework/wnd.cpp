#include "framework/wnd.h"

#include "framework/controls.h"
#include "framework/data_exchange.h"
#include "framework/dialog_builder.h"
#include "framework/long_text.h"
#include "framework/shown_digits.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimerEvent>

// Receives the Qt timer events of one window and hands them on by the
// window's own timer ids.
class CTimerBridge : public QObject {
public:
    explicit CTimerBridge(CWnd *owner)
        : m_owner(owner)
    {
    }

    UINT Start(UINT id, UINT elapseMs)
    {
        Stop(id);
        const int qtId = startTimer(static_cast<int>(elapseMs));
        if (qtId == 0)
            return 0;
        m_byQtId[qtId] = id;
        return id;
    }

    bool Stop(UINT id)
    {
        for (auto it = m_byQtId.begin(); it != m_byQtId.end(); ++it)
            if (it->second == id) {
                killTimer(it->first);
                m_byQtId.erase(it);
                return true;
            }
        return false;
    }

protected:
    void timerEvent(QTimerEvent *event) override
    {
        if (const auto it = m_byQtId.find(event->timerId()); it != m_byQtId.end())
            m_owner->OnTimer(it->second);
    }

private:
    CWnd *m_owner;
    std::map<int, UINT> m_byQtId;
};

CWnd::CWnd()
    : m_timers(std::make_unique<CTimerBridge>(this))
{
}

CWnd::~CWnd() = default;

void CWnd::Attach(QWidget *widget)
{
    m_hWnd = widget;
}

UINT CWnd::SetTimer(UINT nIDEvent, UINT elapseMs)
{
    if (!m_hWnd || nIDEvent == 0)
        return 0;
    return m_timers->Start(nIDEvent, elapseMs);
}

BOOL CWnd::KillTimer(UINT nIDEvent)
{
    return m_timers->Stop(nIDEvent) ? TRUE : FALSE;
}

void CWnd::OnTimer(UINT) { }

CWnd *CWnd::SetFocus()
{
    if (m_hWnd)
        m_hWnd->setFocus(Qt::OtherFocusReason);
    return nullptr;
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    if (!m_hWnd)
        return FALSE;
    const BOOL wasVisible = m_hWnd->isVisible() ? TRUE : FALSE;
    switch (nCmdShow) {
    case SW_HIDE:
        m_hWnd->hide();
        break;
    case SW_SHOWMINIMIZED:
        m_hWnd->setWindowState(
            (m_hWnd->windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
        m_hWnd->show();
        break;
    case SW_SHOWMAXIMIZED:
        m_hWnd->showMaximized();
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        m_hWnd->showNormal();
        break;
    default:
        m_hWnd->show();
        break;
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    return m_hWnd && m_hWnd->isVisible() ? TRUE : FALSE;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    m_timers = std::make_unique<CTimerBridge>(this); // the window's timers end with it
    QWidget *widget = m_hWnd.data();
    m_hWnd = nullptr;
    m_controls.clear();
    delete widget;
    return TRUE;
}

QWidget *CWnd::GetDlgItem(int id) const
{
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second.data();
}

void CWnd::RegisterDlgItem(int id, QWidget *control)
{
    m_controls[id] = control;
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId)
{
    for (int id = firstId; id <= lastId; ++id)
        if (auto *button = qobject_cast<QAbstractButton *>(GetDlgItem(id))) {
            // An automatic radio group would uncheck its siblings anyway;
            // setting every state explicitly keeps this independent of it.
            const bool exclusive = button->autoExclusive();
            button->setAutoExclusive(false);
            button->setChecked(id == checkId);
            button->setAutoExclusive(exclusive);
        }
}

UINT CWnd::IsDlgButtonChecked(int id) const
{
    const auto *button = qobject_cast<const QAbstractButton *>(GetDlgItem(id));
    return button && button->isChecked() ? 1 : 0;
}

void CWnd::SetDlgItemText(int id, const CString &text)
{
    QWidget *control = GetDlgItem(id);
    if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
        SetLongText(memo, text); // shows a text of any length at once
        return;
    }
    const QString value = QString::fromStdString(text);
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->setText(IsNumberBox(edit) ? ShownDigits(value) : value);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(value);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(value);
    // A drop-down list has no text of its own to set.
}

CString CWnd::GetDlgItemText(int id) const
{
    const QWidget *control = GetDlgItem(id);
    QString value;
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        value = IsNumberBox(edit) ? TypedDigits(edit->text()) : edit->text();
    else if (auto *memo = qobject_cast<const QPlainTextEdit *>(control))
        return LongTextOf(memo);
    else if (auto *label = qobject_cast<const QLabel *>(control))
        value = label->text();
    else if (auto *combo = qobject_cast<const QComboBox *>(control))
        return ComboItemKey(combo, combo->currentIndex());
    else if (auto *button = qobject_cast<const QAbstractButton *>(control))
        value = button->text();
    return value.toStdString();
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return dx.Failed() ? FALSE : TRUE;
}

void CWnd::DoDataExchange(CDataExchange *) { }

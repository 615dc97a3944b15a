#include "framework/controls.h"

#include <QAbstractButton>
#include <QComboBox>

void CButton::Attach(QWidget *control)
{
    m_hWnd = qobject_cast<QAbstractButton *>(control);
}

QWidget *CButton::GetSafeHwnd() const
{
    return m_hWnd.data();
}

UINT CButton::GetState() const
{
    return m_hWnd && m_hWnd->isChecked() ? 1 : 0;
}

void CComboBox::Attach(QWidget *control)
{
    m_hWnd = qobject_cast<QComboBox *>(control);
}

QWidget *CComboBox::GetSafeHwnd() const
{
    return m_hWnd.data();
}

void CComboBox::ResetContent()
{
    if (m_hWnd)
        m_hWnd->clear();
}

int CComboBox::AddString(const CString &text)
{
    if (!m_hWnd)
        return CB_ERR;
    m_hWnd->addItem(QString::fromStdString(text));
    return m_hWnd->count() - 1;
}

int CComboBox::AddString(const QString &shown, const CString &key)
{
    if (!m_hWnd)
        return CB_ERR;
    m_hWnd->addItem(shown, QString::fromStdString(key));
    return m_hWnd->count() - 1;
}

int CComboBox::GetCount() const
{
    return m_hWnd ? m_hWnd->count() : 0;
}

int CComboBox::GetCurSel() const
{
    return m_hWnd ? m_hWnd->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int index)
{
    if (!m_hWnd || index < -1 || index >= m_hWnd->count())
        return CB_ERR;
    m_hWnd->setCurrentIndex(index);
    return index;
}

int CComboBox::FindString(int startAfter, const CString &prefix) const
{
    const int count = GetCount();
    if (count == 0)
        return CB_ERR;
    const QString wanted = QString::fromStdString(prefix);
    const int first = startAfter < 0 || startAfter >= count ? 0 : startAfter + 1;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        if (QString::fromStdString(ComboItemKey(m_hWnd, index))
                .startsWith(wanted, Qt::CaseInsensitive))
            return index;
    }
    return CB_ERR;
}

int CComboBox::SelectString(int startAfter, const CString &prefix)
{
    const int index = FindString(startAfter, prefix);
    if (index != CB_ERR)
        m_hWnd->setCurrentIndex(index);
    return index;
}

CString ComboItemKey(const QComboBox *combo, int index)
{
    if (!combo || index < 0 || index >= combo->count())
        return {};
    const QVariant key = combo->itemData(index);
    return (key.isValid() ? key.toString() : combo->itemText(index)).toStdString();
}

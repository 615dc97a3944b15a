// Control objects: C++ handles attached to the controls of a form.
#pragma once

#include "framework/afx_types.h"
#include "framework/cstring.h"

#include <QPointer>

class QAbstractButton;
class QComboBox;
class QWidget;

inline constexpr int CB_ERR = -1;

class CButton {
public:
    void Attach(QWidget *control);
    QWidget *GetSafeHwnd() const;
    // 1 when checked, 0 when not (the check part of the button's state).
    UINT GetState() const;

private:
    QPointer<QAbstractButton> m_hWnd;
};

// A list of texts with one selected item. Finding and selecting by text
// follow the classic rule: start after the given index, wrap around, and
// match an item that begins with the text, ignoring case.
class CComboBox {
public:
    void Attach(QWidget *control);
    QWidget *GetSafeHwnd() const;

    void ResetContent();
    int AddString(const CString &text);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    // Index of the first match searching from after startAfter (-1: from the
    // top), or CB_ERR.
    int FindString(int startAfter, const CString &prefix) const;
    // Selects the match of FindString and returns its index, or CB_ERR
    // (the selection then stays as it was).
    int SelectString(int startAfter, const CString &prefix);

private:
    QPointer<QComboBox> m_hWnd;
};

// Control objects: C++ handles attached to the controls of a form.
#pragma once

#include "framework/afx_types.h"
#include "framework/cstring.h"

#include <QPointer>

class QAbstractButton;
class QComboBox;
class QString;
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
// match an item that begins with the text, ignoring case. An item may show
// one text and stand for another, its key: a month named in the user's
// language stands for its English name, which reminder keys are built from;
// finding, selecting and the data exchange go by the key.
class CComboBox {
public:
    void Attach(QWidget *control);
    QWidget *GetSafeHwnd() const;

    void ResetContent();
    int AddString(const CString &text);
    // An item that shows `shown` and stands for `key`.
    int AddString(const QString &shown, const CString &key);
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

// What an item of a list stands for: its key, or its text when it has none;
// "" for no item.
CString ComboItemKey(const QComboBox *combo, int index);

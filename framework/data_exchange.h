// Dialog data exchange: copying a window's fields into its controls and back,
// with the standard validation prompts. A failed validation shows its prompt,
// puts the focus on the control (its text selected) and ends the exchange:
// the fields after it keep their values.
#pragma once

#include "framework/afx_types.h"
#include "framework/cstring.h"

class CWnd;
class CButton;
class CComboBox;

class CDataExchange {
public:
    CDataExchange(CWnd *window, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate)
        , m_pDlgWnd(window)
    {
    }

    // Shows nothing itself: focuses the last control and ends the exchange.
    void Fail();
    bool Failed() const { return m_bFailed; }

    BOOL m_bSaveAndValidate;
    CWnd *m_pDlgWnd;
    int m_idLastControl = 0;

private:
    bool m_bFailed = false;
};

void DDX_Control(CDataExchange *pDX, int id, CButton &control);
void DDX_Control(CDataExchange *pDX, int id, CComboBox &control);
void DDX_Text(CDataExchange *pDX, int id, CString &value);
void DDX_Text(CDataExchange *pDX, int id, UINT &value);
void DDX_Text(CDataExchange *pDX, int id, int &value);
void DDV_MaxChars(CDataExchange *pDX, const CString &value, int nChars);
void DDV_MinMaxUInt(CDataExchange *pDX, UINT value, UINT minVal, UINT maxVal);
void DDV_MinMaxInt(CDataExchange *pDX, int value, int minVal, int maxVal);

// How a number box is read: blanks and tabs around one decimal number; the
// unsigned form refuses a leading "-"; zero only from a typed 0. Values
// beyond 32 bits saturate (and then fail their range test).
bool ParseDialogUInt(const CString &text, UINT &value);
bool ParseDialogInt(const CString &text, int &value);

// Modal dialogs built from a dialog template.
#pragma once

#include "framework/wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(int templateId, CWnd *parent = nullptr);

    // Shows the dialog centred over the main window, which stays disabled
    // until it closes. Returns IDOK, IDCANCEL, or what EndDialog gave.
    virtual int DoModal();
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int result);

private:
    int m_nTemplateId;
    CWnd *m_pParent;
    int m_nResult = IDCANCEL;
};

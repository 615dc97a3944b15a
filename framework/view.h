// Views: the client window of a frame, showing a document. A form view is a
// view whose content is a dialog template.
#pragma once

#include "framework/dialog_template.h"
#include "framework/wnd.h"

class CDocument;
class CFrameWnd;
class CPrintInfo;
class QPainter;

class CView : public CWnd {
public:
    CDocument *GetDocument() const { return m_pDocument; }
    CFrameWnd *GetParentFrame() const { return m_pFrame; }

    // Creates the view's window as the client area of frame.
    virtual BOOL Create(CFrameWnd *frame);

    // Called each time a document is attached (start, File New, File Open).
    virtual void OnInitialUpdate();

    // Routes a command to the view's own map, then to its document.
    BOOL OnCmdMsg(UINT id, CCmdUI *pCmdUI) override;

    // Printing: preparation (the print dialog), then per page OnPrint.
    virtual BOOL OnPreparePrinting(CPrintInfo *pInfo);
    virtual void OnBeginPrinting(QPainter *painter, CPrintInfo *pInfo);
    virtual void OnPrint(QPainter *painter, CPrintInfo *pInfo);
    virtual void OnEndPrinting(QPainter *painter, CPrintInfo *pInfo);

    // The standard print commands: with the print dialog, without it, and
    // the print preview.
    void OnFilePrint();
    void OnFilePrintDirect();
    void OnFilePrintPreview();

private:
    friend class CDocument;
    friend class CFrameWnd;
    CDocument *m_pDocument = nullptr;
    CFrameWnd *m_pFrame = nullptr;
};

class CFormView : public CView {
public:
    explicit CFormView(const DialogTemplate &form)
        : m_template(form)
    {
    }

    BOOL Create(CFrameWnd *frame) override;
    // Writes the fields into the controls (which attaches control objects).
    void OnInitialUpdate() override;

    // Resizes the parent frame so that the form fits; with bShrinkOnly the
    // frame never grows. A maximized or full-screen frame keeps its size.
    void ResizeParentToFit(BOOL bShrinkOnly = TRUE);

private:
    const DialogTemplate &m_template;
};

#include "framework/view.h"

#include "framework/dialog_builder.h"
#include "framework/document.h"
#include "framework/frame.h"
#include "framework/printing.h"
#include "framework/winapp.h"

#include <QMainWindow>

BOOL CView::Create(CFrameWnd *frame)
{
    m_pFrame = frame;
    auto *widget = new QWidget;
    Attach(widget);
    frame->SetClientView(this);
    return TRUE;
}

void CView::OnInitialUpdate() { }

BOOL CView::OnCmdMsg(UINT id, CCmdUI *pCmdUI)
{
    if (HandleOwnCommand(id, pCmdUI))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(id, pCmdUI);
}

BOOL CView::OnPreparePrinting(CPrintInfo *pInfo)
{
    return DoPreparePrinting(this, pInfo);
}

void CView::OnFilePrint()
{
    if (QPrinter *printer = AfxGetApp()->FindPrinter())
        PrintView(this, *printer, false);
}

void CView::OnFilePrintDirect()
{
    if (QPrinter *printer = AfxGetApp()->FindPrinter())
        PrintView(this, *printer, true);
}

void CView::OnFilePrintPreview()
{
    CWinApp *app = AfxGetApp();
    QPrinter *printer = app->FindPrinter();
    if (!printer)
        return;
    int pages = app->m_nNumPreviewPages;
    PreviewView(this, *printer, pages);
    // Remembered only when the user asked for two pages at once.
    app->m_nNumPreviewPages = pages == 2 ? 2 : 0;
}
void CView::OnBeginPrinting(QPainter *, CPrintInfo *) { }
void CView::OnPrint(QPainter *, CPrintInfo *) { }
void CView::OnEndPrinting(QPainter *, CPrintInfo *) { }

BOOL CFormView::Create(CFrameWnd *frame)
{
    if (!CView::Create(frame))
        return FALSE;
    BuildDialog(m_template, this, GetSafeHwnd());
    return TRUE;
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
}

void CFormView::ResizeParentToFit(BOOL bShrinkOnly)
{
    CFrameWnd *frame = GetParentFrame();
    if (!frame || !GetSafeHwnd())
        return;
    QMainWindow *window = frame->GetMainWindow();
    // A maximized or full-screen window keeps the size the user gave it.
    if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    frame->RecalcLayout();
    // The form has a fixed size, so the frame's preferred size is the form
    // with the frame's bars around it.
    QSize fit = window->sizeHint();
    if (bShrinkOnly)
        fit = fit.boundedTo(window->size());
    window->resize(fit);
}

// Printing a view: the print dialog, print preview and direct printing, on
// the application's printer. Qt Print Support is reached through the
// printing module; where it cannot be loaded, the user is told and nothing
// is printed.
#pragma once

#include "framework/afx_types.h"

#include <QRect>

class CView;
class IPrintingModule;
class QPrinter;

class CPrintInfo {
public:
    QPrinter *m_pPrinter = nullptr;
    bool m_bDirect = false; // no print dialog
    bool m_bPreview = false;
    UINT m_nCurPage = 1;
    QRect m_rectDraw; // the printable area of the page, in device pixels

    UINT GetMaxPage() const { return m_nMaxPage; }

private:
    UINT m_nMaxPage = 1;
};

// The printing module (framework/printing_module.h), or nullptr after
// telling the user why it could not be loaded.
IPrintingModule *PrintingModuleOrTell();

// Shows the print dialog unless the job is direct or a preview; FALSE when
// the user cancels.
BOOL DoPreparePrinting(CView *view, CPrintInfo *info);

// The standard print command: preparation, then each page through the
// view. Tells the user when the job cannot start.
void PrintView(CView *view, QPrinter &printer, bool direct);
// The standard print preview; pages is how many pages it shows at once
// (0: its default), and is updated from the user's choice.
void PreviewView(CView *view, QPrinter &printer, int &pages);

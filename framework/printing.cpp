#include "framework/printing.h"

#include "framework/message_box.h"
#include "framework/printing_module.h"
#include "framework/string_table.h"
#include "framework/view.h"
#include "framework/winapp.h"
#include "reminders/profile_files.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <QApplication>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

QWidget *dialogParent(CView *view)
{
    QWidget *widget = view ? view->GetSafeHwnd() : nullptr;
    return widget ? widget->window() : QApplication::activeWindow();
}

bool renderPages(CView *view, QPagedPaintDevice &device, CPrintInfo &info)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // A printer's logical resolution is its resolution.
    info.m_rectDraw =
        QRect(QPoint(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    view->OnBeginPrinting(&painter, &info);
    for (info.m_nCurPage = 1; info.m_nCurPage <= info.GetMaxPage(); ++info.m_nCurPage) {
        if (info.m_nCurPage > 1)
            device.newPage();
        view->OnPrint(&painter, &info);
    }
    view->OnEndPrinting(&painter, &info);
    painter.end();
    return true;
}

// Print to File writes over the file it names: never the profile or one of
// its files. Says so and gives true when that is what was named.
bool refuseProfileOutput(IPrintingModule &module, const QPrinter &printer)
{
    const CWinApp *app = AfxGetApp();
    const std::string file = module.OutputFileName(printer);
    if (!app || file.empty())
        return false;
    const std::string problem = ProfileFileProblem(file, app->m_pszProfileName);
    if (problem.empty())
        return false;
    AfxMessageBox(FillSentence(Translate("Printing",
                                   "%1: %2; nothing was printed to it.\nPrint to another file."),
                      {file, problem}),
        MB_ICONEXCLAMATION);
    return true;
}

} // namespace

IPrintingModule *PrintingModuleOrTell()
{
    std::string problem;
    IPrintingModule *module = LoadPrintingModule(problem);
    if (!module)
        AfxMessageBox(problem, MB_ICONEXCLAMATION);
    return module;
}

BOOL DoPreparePrinting(CView *view, CPrintInfo *info)
{
    if (info->m_bDirect || info->m_bPreview)
        return TRUE;
    IPrintingModule *module = PrintingModuleOrTell();
    return module && module->ExecPrintDialog(*info->m_pPrinter, dialogParent(view)) ? TRUE : FALSE;
}

void PrintView(CView *view, QPrinter &printer, bool direct)
{
    IPrintingModule *module = PrintingModuleOrTell();
    if (!module)
        return;
    CPrintInfo info;
    info.m_pPrinter = &printer;
    info.m_bDirect = direct;
    if (!view->OnPreparePrinting(&info) || refuseProfileOutput(*module, printer))
        return;
    if (!renderPages(view, module->PaintDevice(printer), info))
        AfxMessageBox(LoadString(AFX_IDP_FAILED_TO_START_PRINT));
}

void PreviewView(CView *view, QPrinter &printer, int &pages)
{
    IPrintingModule *module = PrintingModuleOrTell();
    if (!module)
        return;
    CPrintInfo info;
    info.m_pPrinter = &printer;
    info.m_bPreview = true;
    if (!view->OnPreparePrinting(&info))
        return;
    module->ExecPreviewDialog(
        printer, dialogParent(view), pages, [module, view, &info](QPrinter &target) {
            info.m_pPrinter = &target;
            renderPages(view, module->PaintDevice(target), info);
        });
}

#include "framework/printing.h"

#include "framework/message_box.h"
#include "framework/string_table.h"
#include "framework/view.h"
#include "framework/winapp.h"
#include "reminders/profile_files.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <QApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace {

QWidget *dialogParent(CView *view)
{
    QWidget *widget = view ? view->GetSafeHwnd() : nullptr;
    return widget ? widget->window() : QApplication::activeWindow();
}

bool renderPages(CView *view, QPrinter &printer, CPrintInfo &info)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    info.m_rectDraw =
        QRect(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    view->OnBeginPrinting(&painter, &info);
    for (info.m_nCurPage = 1; info.m_nCurPage <= info.GetMaxPage(); ++info.m_nCurPage) {
        if (info.m_nCurPage > 1)
            printer.newPage();
        view->OnPrint(&painter, &info);
    }
    view->OnEndPrinting(&painter, &info);
    painter.end();
    return true;
}

// Print to File writes over the file it names: never the profile or one of
// its files. Says so and gives true when that is what was named.
bool refuseProfileOutput(const QPrinter &printer)
{
    const CWinApp *app = AfxGetApp();
    const std::string file = printer.outputFileName().toStdString();
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

BOOL DoPreparePrinting(CView *view, CPrintInfo *info)
{
    if (info->m_bDirect || info->m_bPreview)
        return TRUE;
    QPrintDialog dialog(info->m_pPrinter, dialogParent(view));
    return dialog.exec() == QDialog::Accepted ? TRUE : FALSE;
}

void PrintView(CView *view, QPrinter &printer, bool direct)
{
    CPrintInfo info;
    info.m_pPrinter = &printer;
    info.m_bDirect = direct;
    if (!view->OnPreparePrinting(&info) || refuseProfileOutput(printer))
        return;
    if (!renderPages(view, printer, info))
        AfxMessageBox(LoadString(AFX_IDP_FAILED_TO_START_PRINT));
}

void PreviewView(CView *view, QPrinter &printer, int &pages)
{
    CPrintInfo info;
    info.m_pPrinter = &printer;
    info.m_bPreview = true;
    if (!view->OnPreparePrinting(&info))
        return;
    QPrintPreviewDialog dialog(&printer, dialogParent(view));
    auto *preview = dialog.findChild<QPrintPreviewWidget *>();
    if (preview && pages == 2)
        preview->setViewMode(QPrintPreviewWidget::FacingPagesView);
    QObject::connect(
        &dialog, &QPrintPreviewDialog::paintRequested, &dialog, [view, &info](QPrinter *target) {
            info.m_pPrinter = target;
            renderPages(view, *target, info);
        });
    dialog.exec();
    if (preview)
        pages = preview->viewMode() == QPrintPreviewWidget::FacingPagesView ? 2 : 1;
}

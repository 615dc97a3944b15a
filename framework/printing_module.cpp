// The module's side of framework/printing_module.h: Qt Print Support behind
// the interface, and the one function the module exports.
#include "framework/printing_module.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <type_traits>

namespace {

void deletePrinter(QPrinter *printer)
{
    delete printer;
}

class CPrintingModule : public IPrintingModule {
public:
    PrinterPtr NewPrinter() override
    {
        return PrinterPtr(new QPrinter(QPrinter::HighResolution), deletePrinter);
    }
    QPagedPaintDevice &PaintDevice(QPrinter &printer) override { return printer; }
    std::string OutputFileName(const QPrinter &printer) override
    {
        return printer.outputFileName().toStdString();
    }
    void SetPrinterName(QPrinter &printer, const std::string &name) override
    {
        printer.setPrinterName(QString::fromStdString(name));
    }
    bool ExecPrintDialog(QPrinter &printer, QWidget *parent) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    void ExecPageSetupDialog(QPrinter &printer, QWidget *parent) override
    {
        QPageSetupDialog dialog(&printer, parent);
        dialog.exec();
    }
    void ExecPreviewDialog(QPrinter &printer, QWidget *parent, int &pages,
        const std::function<void(QPrinter &target)> &paint) override
    {
        QPrintPreviewDialog dialog(&printer, parent);
        auto *preview = dialog.findChild<QPrintPreviewWidget *>();
        if (preview && pages == 2)
            preview->setViewMode(QPrintPreviewWidget::FacingPagesView);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
            [&paint](QPrinter *target) { paint(*target); });
        dialog.exec();
        if (preview)
            pages = preview->viewMode() == QPrintPreviewWidget::FacingPagesView ? 2 : 1;
    }
};

} // namespace

extern "C" __attribute__((visibility("default"))) IPrintingModule *ZamanixPrintingModule()
{
    static CPrintingModule s_module;
    return &s_module;
}

static_assert(std::is_same_v<decltype(&ZamanixPrintingModule), PrintingModuleEntry>);

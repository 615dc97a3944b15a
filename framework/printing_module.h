// Qt Print Support as the desktop program reaches it: the printer, the
// print, page setup and preview dialogs live in a module of their own
// (zamanix-printing.so), loaded the first time the program prints, previews
// or asks for its printer. A start maps no Print Support. The module holds
// nothing of the program's: it paints through the callback it is handed,
// and its dialogs speak Qt's own words.
//
// Qt is a shared library: the QPrinter the module makes is the same kind of
// object as one a test makes, and either may be handed back to it. What the
// program itself asks of a printer goes through QPagedPaintDevice and
// QPaintDevice (Qt Gui); everything else through the interface below.
//
//   std::string error;
//   if (IPrintingModule *module = LoadPrintingModule(error))
//       module->ExecPrintDialog(printer, parent);
#pragma once

#include <functional>
#include <memory>
#include <string>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

class IPrintingModule {
public:
    // A printer of the module's, deleted by the module.
    using PrinterPtr = std::unique_ptr<QPrinter, void (*)(QPrinter *)>;

    virtual ~IPrintingModule() = default;
    // A printer at the printer's high resolution.
    virtual PrinterPtr NewPrinter() = 0;
    // What a QPainter paints the printer's pages on (newPage, pageLayout).
    virtual QPagedPaintDevice &PaintDevice(QPrinter &printer) = 0;
    // The file that Print to File writes, empty when it prints on paper.
    virtual std::string OutputFileName(const QPrinter &printer) = 0;
    virtual void SetPrinterName(QPrinter &printer, const std::string &name) = 0;
    // The print dialog; false when the user cancels it.
    virtual bool ExecPrintDialog(QPrinter &printer, QWidget *parent) = 0;
    virtual void ExecPageSetupDialog(QPrinter &printer, QWidget *parent) = 0;
    // The print preview, each time it needs the pages: `paint` paints them
    // all on the printer it is handed. `pages` is how many pages it shows
    // at once (2: facing pages, else one), and is updated from the user's
    // choice.
    virtual void ExecPreviewDialog(QPrinter &printer, QWidget *parent, int &pages,
        const std::function<void(QPrinter &target)> &paint) = 0;
};

// The module, loaded on the first call and kept while the program runs;
// nullptr when it cannot be loaded, with `error` saying in words for a user
// which file could not be loaded, why, and how to mend it.
IPrintingModule *LoadPrintingModule(std::string &error);

// Tests: the module is looked for at `path` (absolute) from the next call
// on (empty: where the program looks for it).
void LookForPrintingModuleAt(const std::string &path);

// The one function the module exports.
using PrintingModuleEntry = IPrintingModule *(*)();
inline constexpr const char *kPrintingModuleEntry = "ZamanixPrintingModule";

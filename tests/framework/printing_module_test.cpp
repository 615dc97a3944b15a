// Qt Print Support through the printing module, as the program prints: a
// view's page as a PDF on the printer the module makes and on one of the
// caller's, and a module that cannot be loaded told to the user, with
// nothing printed.
#include "framework/printing.h"
#include "framework/printing_module.h"
#include "framework/view.h"
#include "tests/framework/message_box_texts.h"
#include "tests/reminders/temp_folder.h"

#include <QPainter>
#include <QPrinter>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A page with one line across its printable area.
class CPageView : public CView {
public:
    void OnPrint(QPainter *painter, CPrintInfo *pInfo) override
    {
        m_pages.push_back(pInfo->m_rectDraw);
        painter->drawText(pInfo->m_rectDraw, Qt::AlignCenter, QStringLiteral("7 Ramadhan 1448"));
    }
    std::vector<QRect> m_pages;
};

std::size_t count(const std::string &text, const std::string &what)
{
    std::size_t found = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++found;
    return found;
}

class PrintingModuleTest : public testing::Test {
protected:
    void TearDown() override
    {
        LookForPrintingModuleAt({});
    }
    void PrintTo(QPrinter &printer, const std::filesystem::path &pdf)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        PrintView(&m_view, printer, true);
    }

    CTempFolder m_folder;
    CMessageBoxTexts m_boxes;
    CPageView m_view;
};

TEST_F(PrintingModuleTest, PrintsAPageOnTheModulesPrinterAndOnTheCallers)
{
    std::string error;
    IPrintingModule *module = LoadPrintingModule(error);
    ASSERT_NE(module, nullptr) << error;
    const IPrintingModule::PrinterPtr made = module->NewPrinter();
    QPrinter callers(QPrinter::ScreenResolution);
    callers.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
        QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    const struct {
        const char *name;
        QPrinter &printer;
        const char *mediaBox; // in points
    } cases[] = {
        {"the module's printer: A4, high resolution", *made,
            "/MediaBox [0 0 595.000000 842.000000]"},
        {"the caller's: Letter across, screen resolution", callers,
            "/MediaBox [0 0 792.000000 612.000000]"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        m_view.m_pages.clear();
        const std::filesystem::path pdf = m_folder / "page.pdf";
        PrintTo(c.printer, pdf);
        const std::string bytes = ReadBytes(pdf);
        ASSERT_EQ(bytes.rfind("%PDF", 0), 0u);
        EXPECT_EQ(count(bytes, "/Type /Page\n"), 1u);
        EXPECT_NE(bytes.find(c.mediaBox), std::string::npos)
            << bytes.substr(bytes.find("/MediaBox"), 40);
        // The printable area as the printer itself gives it, from the origin.
        ASSERT_EQ(m_view.m_pages.size(), 1u);
        EXPECT_EQ(m_view.m_pages[0],
            QRect(QPoint(0, 0),
                c.printer.pageLayout().paintRectPixels(c.printer.resolution()).size()));
        EXPECT_TRUE(m_boxes.empty());
    }
    EXPECT_GE(made->resolution(), 600) << "the module's printer prints at high resolution";
}

TEST_F(PrintingModuleTest, AModuleThatCannotBeLoadedIsToldAndNothingIsPrinted)
{
    const std::filesystem::path notAModule = m_folder / "zamanix-printing.so";
    std::ofstream(notAModule)
        << "A text file named as a module: not a shared object at all, whatever its name says.\n";
    const struct {
        const char *name;
        std::filesystem::path module;
        const char *why; // the loader's words
        bool preview;
    } cases[] = {
        {"missing, printing", m_folder / "gone" / "zamanix-printing.so", "No such file", false},
        {"missing, preview", m_folder / "gone" / "zamanix-printing.so", "No such file", true},
        {"not a shared object", notAModule, "invalid ELF header", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        LookForPrintingModuleAt(c.module.string());
        m_boxes.clear();
        QPrinter printer;
        const std::filesystem::path pdf = m_folder / "page.pdf";
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        int pages = 2;
        if (c.preview)
            PreviewView(&m_view, printer, pages);
        else
            PrintView(&m_view, printer, true);
        ASSERT_EQ(m_boxes.size(), 1u);
        const CString &said = m_boxes[0];
        EXPECT_NE(said.find("The printing module " + c.module.string() + " could not be loaded ("),
            CString::npos)
            << said;
        EXPECT_NE(said.find(c.why), CString::npos) << said;
        EXPECT_EQ(count(said, c.module.string()), 1u) << "the path is said once: " << said;
        EXPECT_NE(said.find("Installing Zamanix again mends this."), CString::npos) << said;
        EXPECT_TRUE(m_view.m_pages.empty());
        EXPECT_FALSE(std::filesystem::exists(pdf));
        EXPECT_EQ(pages, 2);
    }
    // Found again where the program looks.
    LookForPrintingModuleAt({});
    std::string error;
    EXPECT_NE(LoadPrintingModule(error), nullptr) << error;
}

} // namespace

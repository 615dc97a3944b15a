// Every printing command of the main window where the printing module
// cannot be loaded: one message that names the file, why, and how to mend
// it; no dialog, nothing printed, and the program goes on.
#include "tests/form/form_fixture.h"

#include "framework/printing_module.h"
#include "resources/resource.h"

namespace {

class PrintingFailureTest : public ProgramTest {
protected:
    void TearDown() override
    {
        LookForPrintingModuleAt({});
        ProgramTest::TearDown();
    }
};

TEST_F(PrintingFailureTest, EachPrintingCommandSaysTheModuleCouldNotBeLoaded)
{
    const std::filesystem::path module = m_dir / "gone" / "zamanix-printing.so";
    LookForPrintingModuleAt(module.string());
    Start();
    const struct {
        const char *name;
        UINT command;
    } commands[] = {
        {"Print", ID_FILE_PRINT},
        {"Print Preview", ID_FILE_PRINT_PREVIEW},
        {"Print Setup", ID_FILE_PRINT_SETUP},
        {"Print Month", ID_FILE_PRINT_MONTH},
    };
    for (const auto &c : commands) {
        SCOPED_TRACE(c.name);
        m_boxes.clear();
        Frame()->ExecuteCommand(c.command);
        ASSERT_EQ(m_boxes.size(), 1u);
        EXPECT_EQ(m_boxes[0].text,
            "The printing module " + module.string() +
                " could not be loaded (cannot open shared object file: No such file or "
                "directory); nothing was printed.\nInstalling Zamanix again mends this.");
        EXPECT_EQ(m_boxes[0].style & MB_ICONEXCLAMATION, MB_ICONEXCLAMATION);
    }
    EXPECT_TRUE(Frame()->GetMainWindow()->isVisible()) << "the program goes on";
}

} // namespace

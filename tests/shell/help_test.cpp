// Help > Keyboard Shortcuts and Help > Manual as a user meets them: the
// key table (the README's own) in a dialog read by keyboard and screen
// reader, and the manual page handed to the desktop's help viewer.
#include "tests/form/form_fixture.h"

#include "resources/resource.h"
#include "resources/resources.h"
#include "shell/manual.h"
#include "shell/shortcuts_dialog.h"

#include <QAccessible>
#include <QTableWidget>
#include <QTimer>

#include <fstream>
#include <sstream>

namespace {

TEST(ManualViewerTest, TheHelpViewerElseTheReadme)
{
    const auto only = [](QStringList installed) {
        return [installed](const QString &name) {
            return installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
        };
    };
    const QString readme = QStringLiteral(ZAMANIX_SOURCE_DIR "/README.md");
    const struct {
        const char *name;
        std::function<QString(const QString &)> find;
        QStringList readmes;
        ManualViewer expected;
    } cases[] = {
        {"Yelp", only({"yelp", "khelpcenter"}), {readme}, {"/usr/bin/yelp", {"man:zamanix"}, {}}},
        {"KDE's help center", only({"khelpcenter"}), {readme},
            {"/usr/bin/khelpcenter", {"man:/zamanix"}, {}}},
        {"the first README there is", only({}), {"/nowhere/README.md", readme},
            {{}, {}, QUrl::fromLocalFile(readme)}},
        {"nothing", only({}), {"/nowhere/README.md"}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ManualViewer viewer = FindManualViewer(c.find, c.readmes);
        EXPECT_EQ(viewer.program, c.expected.program);
        EXPECT_EQ(viewer.arguments, c.expected.arguments);
        EXPECT_EQ(viewer.file, c.expected.file);
    }
}

// The README's table "Keyboard shortcuts", row by row as "where|keys|what".
std::vector<std::string> readmeShortcuts()
{
    std::ifstream readme(ZAMANIX_SOURCE_DIR "/README.md");
    std::vector<std::string> rows;
    bool inSection = false;
    for (std::string line; std::getline(readme, line);) {
        if (line.rfind("## ", 0) == 0)
            inSection = line == "## Keyboard shortcuts";
        if (!inSection || line.rfind("| ", 0) != 0 || line.rfind("| Where", 0) == 0)
            continue;
        // "| a | b | c |": the cells between the bars, without their blanks.
        std::string row;
        std::stringstream cells(line.substr(1));
        for (std::string cell; std::getline(cells, cell, '|');)
            if (cell.size() > 2)
                row += (row.empty() ? "" : "|") + cell.substr(1, cell.size() - 2);
        rows.push_back(row);
    }
    return rows;
}

TEST(KeyboardShortcutsTest, TheDialogsTableIsTheReadmes)
{
    std::vector<std::string> listed;
    for (const KeyboardShortcut &shortcut : KeyboardShortcuts())
        listed.push_back(std::string(shortcut.where) + "|" + shortcut.keys + "|" + shortcut.what);
    EXPECT_EQ(readmeShortcuts(), listed);
}

class HelpTest : public ProgramTest { };

TEST_F(HelpTest, KeyboardShortcutsShowsTheTableAndEscapeClosesIt)
{
    Start();
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = dynamic_cast<CShortcutsDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown = true;
        QTableWidget *table = dialog->Table();
        EXPECT_EQ(dialog->focusWidget(), table) << "the keys move in the table at once";
        EXPECT_EQ(table->rowCount(), static_cast<int>(KeyboardShortcuts().size()));
        EXPECT_EQ(table->item(0, 1)->text(), "Alt+the underlined letter");
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(table);
        EXPECT_EQ(accessible->role(), QAccessible::Table);
        EXPECT_EQ(accessible->text(QAccessible::Name), "Keyboard shortcuts");
        QTest::keyClick(table, Qt::Key_Escape);
    });
    Frame()->ExecuteCommand(ID_HELP_KEYBOARD_SHORTCUTS);
    EXPECT_TRUE(shown);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Waits for the viewer, a program of the test's own named yelp on PATH.
TEST_F(HelpTest, F1OpensTheManualPageInTheHelpViewerRealTime)
{
    const std::filesystem::path bin = m_dir / "bin", asked = m_dir / "asked";
    std::filesystem::create_directory(bin);
    std::ofstream(bin / "yelp") << "#!/bin/sh\necho \"$@\" > \"" << asked.string()
                                << ".new\"\nmv \"" << asked.string() << ".new\" \""
                                << asked.string() << "\"\n";
    std::filesystem::permissions(bin / "yelp", std::filesystem::perms::owner_all);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray(bin.c_str()) + ":" + path);
    Start();
    QTest::keyClick(Frame()->GetMainWindow(), Qt::Key_F1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(asked); }, 10000));
    qputenv("PATH", path);
    std::ifstream in(asked);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "man:zamanix");
    EXPECT_TRUE(m_boxes.empty());
}

} // namespace

// The whole program as it starts: frame, bars, menus, document commands,
// recent files, the command line, the About box and printing.
#include "tests/form/form_fixture.h"

#include "framework/document.h"
#include "framework/printing.h"
#include "framework/recent_files.h"
#include "framework/string_table.h"
#include "resources/resource.h"
#include "shell/main_frame.h"

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEngine>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTextItem>
#include <QTimer>
#include <QToolBar>

#include <fstream>
#include <functional>
#include <iterator>

namespace {

class ShellTest : public ProgramTest {
protected:
    // Starts the program with these arguments after the program name.
    BOOL StartWith(std::vector<std::string> args)
    {
        return ProgramTest::StartWith(std::move(args), [this] {
            if (!m_printTo.empty()) {
                QPrinter *printer = m_app->FindPrinter();
                ASSERT_NE(printer, nullptr);
                printer->setOutputFormat(QPrinter::PdfFormat);
                printer->setOutputFileName(QString::fromStdString(m_printTo));
            }
        });
    }

    QMainWindow *Window() const { return Frame()->GetMainWindow(); }
    QAction *Action(UINT id) const { return Frame()->CommandAction(id); }
    std::string NewFile(const char *name, const char *content = "some bytes")
    {
        const std::string path = (m_dir / name).string();
        std::ofstream(path) << content;
        return path;
    }

    static std::string ReadAll(const std::filesystem::path &file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::string m_printTo;
};

TEST_F(ShellTest, StartsWithCaptionBarsAndReady)
{
    ASSERT_TRUE(StartWith({}));
    EXPECT_EQ(Window()->windowTitle(), "Untitled - Zamanix");
    EXPECT_TRUE(Window()->isVisible());
    auto *frame = static_cast<CMainFrame *>(Frame());
    QToolBar *toolbar = frame->m_toolBar.GetToolBar();
    ASSERT_NE(toolbar, nullptr);
    EXPECT_TRUE(toolbar->isVisible());
    EXPECT_EQ(Window()->toolBarArea(toolbar), Qt::TopToolBarArea);
    EXPECT_EQ(toolbar->allowedAreas(), Qt::AllToolBarAreas);
    EXPECT_TRUE(toolbar->isFloatable());
    ASSERT_NE(Window()->statusBar(), nullptr);
    EXPECT_TRUE(Window()->statusBar()->isVisible());
    EXPECT_EQ(frame->m_statusBar.GetPaneText(0), "Ready");
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(ShellTest, CommandsNobodyHandlesAreDisabled)
{
    ASSERT_TRUE(StartWith({}));
    const struct {
        UINT id;
        bool enabled;
    } states[] = {
        {ID_EDIT_UNDO, false},
        {ID_EDIT_CUT, false},
        {ID_EDIT_COPY, false},
        {ID_EDIT_PASTE, true},
        {ID_EDIT_ADD, true},
        {ID_EDIT_DELETE, true},
        {ID_FILE_NEW, true},
        {ID_FILE_OPEN, true},
        {ID_FILE_SAVE, true},
        {ID_FILE_PRINT, true},
        {ID_FILE_PRINT_PREVIEW, true},
        {ID_APP_ABOUT, true},
        {ID_OPTIONS_AUDIBLEALARM, true},
        {ID_FILE_MRU_FILE1, false},
        {ID_NEXT_PANE, false},
    };
    for (const auto &s : states) {
        SCOPED_TRACE(s.id);
        EXPECT_EQ(Action(s.id)->isEnabled(), s.enabled);
    }
    EXPECT_EQ(Action(ID_FILE_MRU_FILE1)->text(), "Recent File");
}

TEST_F(ShellTest, PromptsAndToolTips)
{
    ASSERT_TRUE(StartWith({}));
    EXPECT_EQ(Action(ID_EDIT_PASTE)->statusTip(), "Insert Clipboard contents");
    EXPECT_EQ(Action(ID_EDIT_PASTE)->toolTip(), "Paste");
    EXPECT_EQ(Action(ID_EDIT_ADD)->statusTip(), "Add memo entry to reminders on specified date");
    EXPECT_EQ(Action(ID_OPTIONS_AUDIBLEALARM)->statusTip(), "Play Remider.wav audio file on alarm");
    const QList<QAction *> buttons =
        static_cast<CMainFrame *>(Frame())->m_toolBar.GetToolBar()->actions();
    EXPECT_FALSE(buttons.contains(Action(ID_EDIT_ADD)))
        << "the program's own commands have no button";
    int count = 0;
    for (QAction *button : buttons)
        count += button->isSeparator() ? 0 : 1;
    EXPECT_EQ(count, 8);
    EXPECT_EQ(Action(ID_FILE_NEW)->text(), "&New");
    EXPECT_EQ(Action(ID_FILE_NEW)->shortcut(), QKeySequence("Ctrl+N"));
}

// What a screen reader gets of each menu item: its words as the name, and
// its keys as the item's keys, never inside the name.
TEST_F(ShellTest, MenuItemsNameTheirKeysApart)
{
    ASSERT_TRUE(StartWith({}));
    int items = 0, withKeys = 0;
    std::function<void(QMenu *)> check = [&](QMenu *menu) {
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(menu);
        ASSERT_NE(list, nullptr);
        for (int i = 0; i < list->childCount(); ++i) {
            const QString name = list->child(i)->text(QAccessible::Name);
            EXPECT_FALSE(name.contains(QLatin1Char('\t'))) << name.toStdString();
            ++items;
            withKeys += list->child(i)->text(QAccessible::Accelerator).startsWith("Ctrl+") ? 1 : 0;
        }
        for (QAction *action : menu->actions())
            if (action->menu())
                check(action->menu());
    };
    for (QAction *top : Frame()->GetMainWindow()->menuBar()->actions())
        check(top->menu());
    EXPECT_GT(items, 30);
    EXPECT_EQ(withKeys, 10)
        << "New, Open, Save, Print, Undo, Cut, Copy, Paste, All Reminders, Month";
    EXPECT_EQ(Action(ID_FILE_OPEN)->text(), "&Open...");
    EXPECT_EQ(Action(ID_EDIT_UNDO)->shortcuts(),
        QList<QKeySequence>({QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}))
        << "the keys the menu shows come first";
}

TEST_F(ShellTest, ViewMenuShowsAndHidesTheBars)
{
    ASSERT_TRUE(StartWith({}));
    QToolBar *toolbar = static_cast<CMainFrame *>(Frame())->m_toolBar.GetToolBar();
    Frame()->ExecuteCommand(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(toolbar->isVisible());
    Frame()->UpdateCommandUI();
    EXPECT_FALSE(Action(ID_VIEW_TOOLBAR)->isChecked());
    Frame()->ExecuteCommand(ID_VIEW_TOOLBAR);
    Frame()->ExecuteCommand(ID_VIEW_STATUS_BAR);
    Frame()->UpdateCommandUI();
    EXPECT_TRUE(Action(ID_VIEW_TOOLBAR)->isChecked());
    EXPECT_FALSE(Action(ID_VIEW_STATUS_BAR)->isChecked());
}

TEST_F(ShellTest, OpeningFilesCaptionsAndKeepsFourRecentFiles)
{
    ASSERT_TRUE(StartWith({}));
    std::vector<std::string> files;
    for (const char *name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}) {
        files.push_back(NewFile(name));
        ASSERT_NE(m_app->OpenDocumentFile(files.back().c_str()), nullptr);
    }
    EXPECT_EQ(Window()->windowTitle(), "e.txt - Zamanix");
    CRecentFileList *recent = m_app->GetRecentFileList();
    ASSERT_EQ(recent->GetSize(), 4);
    EXPECT_EQ((*recent)[0], files[4]);
    EXPECT_EQ((*recent)[3], files[1]);
    m_app->UpdateRecentFileMenu(Frame());
    EXPECT_TRUE(Action(ID_FILE_MRU_FILE1)->text().startsWith("&1 "))
        << Action(ID_FILE_MRU_FILE1)->text().toStdString();
    EXPECT_TRUE(Action(ID_FILE_MRU_FILE1 + 3)->isVisible());

    // The list goes to the profile at exit and comes back at the next start.
    m_app->SaveStdProfileSettings();
    EXPECT_EQ(ReadProfileEntry(m_profile, "Recent File List", "File1", ""), files[4]);
    m_app.reset();
    ASSERT_TRUE(StartWith({}));
    EXPECT_EQ(m_app->GetRecentFileList()->GetSize(), 4);

    // A recent file that has gone is dropped from the list after the message.
    std::filesystem::remove(files[4]);
    Frame()->ExecuteCommand(ID_FILE_MRU_FILE1);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_NE(m_boxes[0].text.find("Cannot find this file."), CString::npos);
    EXPECT_EQ(m_app->GetRecentFileList()->GetSize(), 3);
    EXPECT_EQ(Window()->windowTitle(), "Untitled - Zamanix") << "a failed open changes nothing";
}

TEST_F(ShellTest, SavingWritesAnEmptyFileAndNothingAsksToSave)
{
    ASSERT_TRUE(StartWith({}));
    const std::string path = (m_dir / "saved.zam").string();
    ASSERT_TRUE(
        m_app->GetDocTemplate()->GetDocument()->DoSave(path.c_str())); // as Save As names it
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    EXPECT_EQ(Window()->windowTitle(), "saved.zam - Zamanix");
    Frame()->ExecuteCommand(ID_FILE_SAVE);
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    Frame()->ExecuteCommand(ID_FILE_NEW);
    EXPECT_EQ(Window()->windowTitle(), "Untitled - Zamanix");
    EXPECT_TRUE(Control<QRadioButton>(IDC_HIJRI)->isChecked())
        << "File New runs the form's start-up";
    Frame()->ExecuteCommand(ID_APP_EXIT);
    QApplication::processEvents();
    EXPECT_EQ(m_app->m_pMainWnd, nullptr) << "the window is closed";
    EXPECT_TRUE(m_boxes.empty()) << "no save question";
}

// The document holds no data: a save over a file with bytes would erase
// what the program never wrote, and a save over the profile every reminder.
TEST_F(ShellTest, SavingNeverErasesWhatTheProgramDidNotWrite)
{
    Store("Reminder", "Rajab/27", "Journey");
    Store("Defaults", "LastCheck", std::to_string(m_now)); // not a first start
    const std::string profile = ReadAll(m_profile);
    std::filesystem::create_symlink(m_profile, m_dir / "link.INI");
    const struct {
        const char *name;
        const char *file;
        const char *bytes; // nullptr: the profile, or no file yet
        bool opened; // opened and saved with Ctrl+S, or named as Save As does
        int answer;
        bool asked;
        bool saved;
        const char *after; // nullptr: as before
    } cases[] = {
        {"a file with bytes, answered No", "notes.txt", "my notes", true, IDNO, true, false,
            nullptr},
        {"a file with bytes, answered Yes", "notes.txt", "my notes", true, IDYES, true, true, ""},
        {"Save As over a file with bytes, No", "notes.txt", "my notes", false, IDNO, true, false,
            nullptr},
        {"an empty file", "empty.zam", "", true, IDNO, false, true, ""},
        {"a new file", "new.zam", nullptr, false, IDNO, false, true, ""},
        {"the profile, even answering Yes", "zamanix.INI", nullptr, true, IDYES, false, false,
            nullptr},
        {"a link to the profile, by Save As", "link.INI", nullptr, false, IDYES, false, false,
            nullptr},
        {"the profile's backup, by Save As", "zamanix.INI.bak", "[Reminder]\n", false, IDYES, false,
            false, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = (m_dir / c.file).string();
        if (c.bytes)
            std::ofstream(path) << c.bytes;
        const std::string before = ReadAll(path);
        ASSERT_TRUE(StartWith({}));
        CDocument *doc = m_app->GetDocTemplate()->GetDocument();
        if (c.opened) {
            ASSERT_NE(m_app->OpenDocumentFile(path.c_str()), nullptr);
        }
        m_boxes.clear();
        m_answer = c.answer;
        if (c.opened) {
            Frame()->ExecuteCommand(ID_FILE_SAVE);
        } else {
            EXPECT_EQ(doc->DoSave(path.c_str()) != FALSE, c.saved);
        }
        EXPECT_EQ(std::filesystem::exists(path), c.saved || before.size() > 0);
        EXPECT_EQ(ReadAll(path), c.after ? std::string(c.after) : before);
        ASSERT_EQ(m_boxes.size(), c.saved && !c.asked ? 0u : 1u);
        if (c.asked) {
            EXPECT_EQ(m_boxes[0].style & (MB_TYPEMASK | MB_DEFMASK), MB_YESNO | MB_DEFBUTTON2)
                << "No is the default";
        } else if (!c.saved) {
            EXPECT_NE(m_boxes[0].text.find("reminders and settings"), CString::npos)
                << m_boxes[0].text;
        }
        m_app.reset();
    }
    EXPECT_EQ(ReadAll(m_profile), profile);
    EXPECT_EQ(ReadProfileEntry(m_profile, "Reminder", "Rajab/27", ""), "Journey");
}

// Entries past the list's length, left by another version or by hand, are
// gone once the list is written, and the list lands in one write.
TEST_F(ShellTest, TheRecentFileListReplacesItsWholeSection)
{
    const std::string record = "[Defaults]\nLastCheck=" + std::to_string(m_now) + "\n";
    std::ofstream(m_profile) << record
                             << "[Recent File List]\nFile1=/a\nFile2=/b\nFile5=/stale\n"
                                "[Settings]\nPreviewPages=2\n[recent file list]\nFile6=/older\n";
    ASSERT_TRUE(StartWith({}));
    const std::string file = NewFile("c.txt");
    ASSERT_NE(m_app->OpenDocumentFile(file.c_str()), nullptr);
    m_app->SaveStdProfileSettings();
    EXPECT_EQ(ReadAll(m_profile),
        record + "[Settings]\nPreviewPages=2\n[Recent File List]\nFile1=" + file +
            "\nFile2=/a\nFile3=/b\n");
}

TEST_F(ShellTest, FileNewPutsTheFormBackInHijriMode)
{
    ASSERT_TRUE(StartWith({}));
    QTest::mouseClick(Control<QRadioButton>(IDC_CHRISTIAN), Qt::LeftButton);
    Frame()->ExecuteCommand(ID_FILE_NEW);
    EXPECT_TRUE(Control<QRadioButton>(IDC_HIJRI)->isChecked());
    EXPECT_FALSE(Control<QRadioButton>(IDC_CHRISTIAN)->isChecked());
    EXPECT_FALSE(Window()->isMinimized());
}

TEST_F(ShellTest, NewAndOpenKeepTheWindowMaximizedOrNot)
{
    ASSERT_TRUE(StartWith({}));
    const std::string file = NewFile("kept.zam");
    // File Open's dialog, answered with the file.
    const auto openWithTheDialog = [&] {
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectFile(QString::fromStdString(file));
            static_cast<QDialog *>(dialog)->accept(); // QFileDialog::accept, as OK does
        });
        Frame()->ExecuteCommand(ID_FILE_OPEN);
    };
    const struct {
        const char *name;
        std::function<void()> command;
    } commands[] = {
        {"File New", [&] { Frame()->ExecuteCommand(ID_FILE_NEW); }},
        {"File Open", openWithTheDialog},
        {"a recent file", [&] { Frame()->ExecuteCommand(ID_FILE_MRU_FILE1); }},
    };
    for (const bool maximized : {true, false})
        for (const auto &c : commands) {
            SCOPED_TRACE(std::string(c.name) + (maximized ? ", maximized" : ", normal"));
            if (maximized)
                Window()->showMaximized();
            else
                Window()->showNormal();
            QApplication::processEvents();
            ASSERT_EQ(Window()->isMaximized(), maximized);
            const QSize size = Window()->size();
            c.command();
            QApplication::processEvents();
            EXPECT_EQ(Window()->isMaximized(), maximized);
            EXPECT_FALSE(Window()->isMinimized());
            EXPECT_TRUE(Window()->isVisible());
            EXPECT_EQ(Window()->size(), size);
        }
    EXPECT_EQ(Window()->windowTitle(), "kept.zam - Zamanix") << "the file was opened";
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(ShellTest, CommandLine)
{
    const std::string file = NewFile("doc.zam");
    const struct {
        const char *name;
        std::vector<std::string> args;
        BOOL started;
        bool window;
        CString title;
        int boxes;
    } cases[] = {
        {"a file, its absolute path starting with a slash as flags do", {file}, TRUE, true,
            "doc.zam - Zamanix", 0},
        {"dde starts as without flags", {"-dde"}, TRUE, true, "Untitled - Zamanix", 0},
        {"Embedding", {"/Embedding"}, TRUE, true, "Untitled - Zamanix", 0},
        {"a missing file ends the program", {(m_dir / "nope").string()}, FALSE, false, "", 1},
        {"Unregister", {"/Unregister"}, FALSE, false, "", 1},
        {"Unregister with Embedding says nothing", {"-Unregister", "-Embedding"}, FALSE, false, "",
            0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        m_boxes.clear();
        EXPECT_EQ(StartWith(c.args), c.started);
        CWnd *main = m_app->m_pMainWnd;
        EXPECT_EQ(main != nullptr && main->IsWindowVisible(), c.window);
        if (c.window) {
            EXPECT_EQ(Window()->windowTitle().toStdString(), c.title);
        }
        EXPECT_EQ(static_cast<int>(m_boxes.size()), c.boxes);
        m_app.reset();
    }
}

TEST_F(ShellTest, PrintFlagPrintsHiddenAndEnds)
{
    const std::string file = NewFile("print-me.zam");
    m_printTo = (m_dir / "out.pdf").string();
    EXPECT_FALSE(StartWith({"-p", file}));
    EXPECT_FALSE(Window()->isVisible());
    ASSERT_TRUE(std::filesystem::exists(m_printTo));
    EXPECT_GT(std::filesystem::file_size(m_printTo), 500u);
    EXPECT_TRUE(m_boxes.empty());
}

// Records the text a view prints.
class CTextRecorder : public QPaintDevice {
public:
    QPaintEngine *paintEngine() const override { return &m_engine; }
    QStringList Texts() const { return m_engine.texts; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return 2000;
        case PdmHeight:
            return 2800;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 240;
        case PdmDepth:
            return 32;
        default:
            return 1;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override { }
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { }
        void drawTextItem(const QPointF &, const QTextItem &item) override { texts << item.text(); }
        Type type() const override { return User; }
        mutable QStringList texts;
    };
    mutable Engine m_engine;
};

// The texts of the page the view prints.
QStringList PrintedTexts(CZamanixView *view)
{
    CTextRecorder page;
    QPainter painter(&page);
    CPrintInfo info;
    info.m_rectDraw = QRect(0, 0, 2000, 2800);
    view->OnPrint(&painter, &info);
    painter.end();
    return page.Texts();
}

TEST_F(ShellTest, PrintingGivesAPageWithWhatTheFormShows)
{
    Store("Reminder", "Thul Qi'dah/7", "Pay the rent");
    Store("Alarm", "Thul Qi'dah/7", "07:05 15");
    ASSERT_TRUE(StartWith({}));
    const QString printed = PrintedTexts(View()).join(QLatin1Char('|'));
    for (const char *text : {"Friday March 06, 1998 - 7 Thul Qi'dah 1418", "6 March 1998", "Pay",
             "rent", "7:05, every 15 minutes", "7 Thul Qi'dah 1418 (Hijri)"})
        EXPECT_TRUE(printed.contains(QString::fromUtf8(text)))
            << text << " in " << printed.toStdString();
}

TEST_F(ShellTest, PrintingNamesTheHijriCalendarOfItsDates)
{
    Store("Defaults", "HijriCalendar", "umalqura");
    Store("Defaults", "HijriAdjust", "1");
    ASSERT_TRUE(StartWith({}));
    const QStringList printed = PrintedTexts(View());
    // 6 March 1998 is 7 Thul Qi'dah 1418 by Umm al-Qura; a day on, the 8th.
    for (const char *text : {"Hijri calendar:", "Umm al-Qura, +1 day",
             "Friday March 06, 1998 - 8 Thul Qi'dah 1418", "8 Thul Qi'dah 1418 (Hijri)"})
        EXPECT_TRUE(printed.contains(QString::fromUtf8(text)))
            << text << " in " << printed.join('|').toStdString();
}

TEST_F(ShellTest, AboutBoxClosesWithOkEscapeAndLeavesEverything)
{
    ASSERT_TRUE(StartWith({}));
    const CString today = View()->m_strToday;
    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        QString caption, version;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            caption = box->windowTitle();
            for (QLabel *label : box->findChildren<QLabel *>())
                if (label->text().startsWith("Zamanix Version"))
                    version = label->text();
            QTest::keyClick(box, static_cast<Qt::Key>(key));
        });
        Frame()->ExecuteCommand(ID_APP_ABOUT);
        EXPECT_EQ(caption, "About Zamanix");
        EXPECT_EQ(version, "Zamanix Version 1.1");
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_EQ(View()->m_strToday, today);
}

} // namespace

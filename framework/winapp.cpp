#include "framework/winapp.h"

#include "framework/command_line.h"
#include "framework/desktop_language.h"
#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/font_warmup.h"
#include "framework/frame.h"
#include "framework/message_box.h"
#include "framework/printing.h"
#include "framework/printing_module.h"
#include "framework/recent_files.h"
#include "framework/start_style.h"
#include "framework/string_table.h"
#include "reminders/profile.h"
#include "reminders/profile_path.h"
#include "reminders/profile_snapshot.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QTimer>

#include <cstdlib>

namespace {

CWinApp *s_app = nullptr;

// An entry read as a number: its leading digits, or the default when empty.
int intOf(const CString &text, int defaultValue)
{
    return text.empty() ? defaultValue : std::atoi(text.c_str());
}

// The framework's own sections of the profile.
constexpr const char *kRecentFileSection = "Recent File List";
constexpr const char *kRecentFileEntry = "File%d"; // File1, File2, ...
constexpr const char *kSettingsSection = "Settings";
constexpr const char *kPreviewPagesEntry = "PreviewPages";

} // namespace

CWinApp::CWinApp(const char *appName)
{
    if (appName)
        m_pszAppName = appName;
    s_app = this;
    // CWinApp's own map: Exit and the recent files.
    OnCommand(ID_APP_EXIT, [this] { PostCloseMainWindow(); });
    OnCommandRange(
        ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, [this](UINT id) { onOpenRecentFile(id); });
    OnUpdateCommandUI(ID_FILE_MRU_FILE1,
        [this](CCmdUI *ui) { ui->Enable(m_pRecentFileList && m_pRecentFileList->GetSize() > 0); });
}

CWinApp::~CWinApp()
{
    m_pDocTemplate.reset();
    if (s_app == this)
        s_app = nullptr;
}

CWinApp *AfxGetApp()
{
    return s_app;
}

CWnd *AfxGetMainWnd()
{
    return s_app ? s_app->m_pMainWnd : nullptr;
}

CString AfxGetAppTitle()
{
    return s_app ? s_app->m_pszAppName : LoadString(AFX_IDS_APP_TITLE);
}

void CWinApp::InitApplicationNames(const std::filesystem::path &executable)
{
    if (m_pszAppName.empty())
        m_pszAppName = LoadString(AFX_IDS_APP_TITLE);
    if (m_pszAppName.empty())
        m_pszAppName = executable.stem().string();
    if (m_pszProfileName.empty()) {
        const char *xdgConfigHome = std::getenv("XDG_CONFIG_HOME");
        const char *home = std::getenv("HOME");
        m_pszProfileName = ProfilePath(executable, xdgConfigHome, home);
        m_strProfileProblem = ProfilePathProblem(executable, xdgConfigHome, home);
    }
}

int CWinApp::Run(int argc, char **argv)
{
    QApplication application(argc, argv);
    // A style Qt cannot make again by its name stays as it is.
    if (const QString style = QApplication::style()->name(); !style.isEmpty())
        QApplication::setStyle(new CStartStyle(style));
    const CFontDatabaseWarmup fonts; // done before the application goes
    ApplyProgramLanguage(LanguageOfEnvironment());
    m_argc = argc;
    m_argv = argv;
    InitApplicationNames(QApplication::applicationFilePath().toStdString());
    QApplication::setApplicationName(QString::fromStdString(m_pszAppName));
    QApplication::setQuitOnLastWindowClosed(false); // the main window ends the loop
    int status = 0;
    if (InitInstance())
        status = QApplication::exec();
    if (m_pDocTemplate)
        m_pDocTemplate->CloseAll();
    m_pMainWnd = nullptr;
    const int exitStatus = ExitInstance();
    m_pPrinter.reset();
    return status != 0 ? status : exitStatus;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return 0;
}

void CWinApp::PostCloseMainWindow()
{
    // Not from inside the command or event that asks for it: the window and
    // its menu are still in use until that returns.
    QWidget *window = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr;
    if (window)
        QTimer::singleShot(0, window, [this] { CloseMainWindow(); });
    else
        CloseMainWindow();
}

void CWinApp::CloseMainWindow()
{
    if (m_pDocTemplate)
        m_pDocTemplate->CloseAll();
    else if (m_pMainWnd)
        m_pMainWnd->DestroyWindow();
    m_pMainWnd = nullptr;
    QApplication::quit();
}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate)
{
    m_pDocTemplate = std::move(docTemplate);
}

void CWinApp::OnFileNew()
{
    if (m_pDocTemplate)
        m_pDocTemplate->OpenDocumentFile(nullptr);
}

CDocument *CWinApp::OpenDocumentFile(const char *path)
{
    return m_pDocTemplate ? m_pDocTemplate->OpenDocumentFile(path) : nullptr;
}

void CWinApp::OnFileOpen()
{
    QWidget *parent = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr;
    const QString path = QFileDialog::getOpenFileName(
        parent, QString::fromStdString(LoadString(AFX_IDS_OPENFILE)), QString(), AllFilesFilter());
    if (!path.isEmpty())
        OpenDocumentFile(path.toStdString().c_str());
}

void CWinApp::onOpenRecentFile(UINT id)
{
    const int index = static_cast<int>(id - ID_FILE_MRU_FILE1);
    if (!m_pRecentFileList || index >= m_pRecentFileList->GetSize())
        return;
    const CString path = (*m_pRecentFileList)[index];
    if (!OpenDocumentFile(path.c_str()))
        m_pRecentFileList->Remove(index); // gone: the user has been told
}

void CWinApp::OnFilePrintSetup()
{
    if (QPrinter *printer = FindPrinter())
        PrintingModuleOrTell()->ExecPageSetupDialog(
            *printer, m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr);
}

QPrinter *CWinApp::FindPrinter()
{
    if (!m_pPrinter)
        if (IPrintingModule *module = PrintingModuleOrTell())
            m_pPrinter = module->NewPrinter();
    return m_pPrinter.get();
}

void CWinApp::LoadStdProfileSettings(int maxRecentFiles)
{
    // One read of the profile for all of them.
    LoadStdProfileSettings(maxRecentFiles, CProfileSnapshot(m_pszProfileName));
}

void CWinApp::LoadStdProfileSettings(int maxRecentFiles, const CProfileSnapshot &profile)
{
    m_pRecentFileList =
        std::make_unique<CRecentFileList>(kRecentFileSection, kRecentFileEntry, maxRecentFiles, 30);
    m_pRecentFileList->ReadList(profile);
    m_nNumPreviewPages = intOf(profile.Get(kSettingsSection, kPreviewPagesEntry, ""), 0);
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList(*this);
    if (m_nNumPreviewPages != 0)
        WriteProfileInt(kSettingsSection, kPreviewPagesEntry, m_nNumPreviewPages);
}

void CWinApp::AddToRecentFileList(const CString &path)
{
    if (m_pRecentFileList)
        m_pRecentFileList->Add(path);
}

void CWinApp::UpdateRecentFileMenu(CFrameWnd *frame)
{
    if (!m_pRecentFileList)
        return;
    QAction *first = frame->CommandAction(ID_FILE_MRU_FILE1);
    QMenu *menu = nullptr;
    for (QObject *owner : first->associatedObjects())
        if ((menu = qobject_cast<QMenu *>(owner)))
            break;
    if (!menu)
        return;
    if (first->property("resourceText").isNull())
        first->setProperty("resourceText", first->text());
    const int count = m_pRecentFileList->GetSize();
    QAction *previous = first;
    for (int i = 0; i < m_pRecentFileList->GetMaxSize(); ++i) {
        QAction *item = frame->CommandAction(ID_FILE_MRU_FILE1 + i);
        if (i > 0 && !menu->actions().contains(item)) {
            const QList<QAction *> actions = menu->actions();
            const qsizetype after = actions.indexOf(previous);
            menu->insertAction(after + 1 < actions.size() ? actions[after + 1] : nullptr, item);
        }
        if (i < count) {
            CString name = m_pRecentFileList->GetDisplayName(i);
            // "&" would make a mnemonic of the next letter.
            for (std::size_t at = name.find('&'); at != CString::npos; at = name.find('&', at + 2))
                name.insert(at, "&");
            item->setText(QString::fromStdString(Format("&%d %s", i + 1, name.c_str())));
            item->setVisible(true);
            item->setEnabled(true);
        } else if (i == 0) {
            item->setText(first->property("resourceText").toString());
            item->setVisible(true);
            item->setEnabled(false);
        } else {
            item->setVisible(false);
        }
        previous = item;
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo &info)
{
    switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
    case CCommandLineInfo::FileDDE: // no one on this system talks DDE: start as without flags
        m_nCmdShow = SW_SHOWNORMAL;
        OnCmdMsg(ID_FILE_NEW, nullptr);
        return m_pMainWnd ? TRUE : FALSE;
    case CCommandLineInfo::FileOpen:
        m_nCmdShow = SW_SHOWNORMAL;
        return OpenDocumentFile(info.m_strFileName.c_str()) ? TRUE : FALSE;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        m_nCmdShow = SW_HIDE;
        if (OpenDocumentFile(info.m_strFileName.c_str()) && FindPrinter()) {
            if (!info.m_strPrinterName.empty())
                PrintingModuleOrTell()->SetPrinterName(*m_pPrinter, info.m_strPrinterName);
            if (auto *frame = dynamic_cast<CFrameWnd *>(m_pMainWnd))
                frame->ExecuteCommand(ID_FILE_PRINT_DIRECT); // print without the dialog
        }
        return FALSE; // ends the program after printing
    case CCommandLineInfo::AppUnregister:
        // No file types or registry entries are kept on this system.
        if (!info.m_bRunEmbedded)
            AfxMessageBox(LoadString(AFX_IDP_UNREG_DONE), MB_ICONINFORMATION);
        return FALSE;
    case CCommandLineInfo::FileNothing:
        return TRUE;
    }
    return TRUE;
}

CString CWinApp::GetProfileString(const char *section, const char *entry, const char *defaultValue)
{
    return ReadProfileEntry(m_pszProfileName, section, entry, defaultValue ? defaultValue : "");
}

BOOL CWinApp::WriteProfileString(const char *section, const char *entry, const char *value)
{
    const ProfileChange change =
        value ? ProfileChange::Set(section, entry, value) : ProfileChange::Remove(section, entry);
    return WriteProfileEntries(std::span(&change, 1));
}

BOOL CWinApp::WriteProfileEntries(std::span<const ProfileChange> changes)
{
    std::string error;
    if (::WriteProfileEntries(m_pszProfileName, changes, error)) {
        m_strLastProfileError.clear();
        return TRUE;
    }
    m_strLastProfileError =
        m_pszProfileName.empty() && !m_strProfileProblem.empty() ? m_strProfileProblem : error;
    return FALSE;
}

int CWinApp::GetProfileInt(const char *section, const char *entry, int defaultValue)
{
    return intOf(GetProfileString(section, entry, ""), defaultValue);
}

BOOL CWinApp::WriteProfileInt(const char *section, const char *entry, int value)
{
    return WriteProfileString(section, entry, Format("%d", value).c_str());
}

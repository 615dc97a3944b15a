#include "shell/zamanix_app.h"

#include "form/today_line.h"
#include "form/zamanix_view.h"
#include "framework/command_line.h"
#include "framework/doc_template.h"
#include "framework/first_paint.h"
#include "framework/message_box.h"
#include "resources/resource.h"
#include "shell/about_box.h"
#include "shell/login_start.h"
#include "shell/main_frame.h"
#include "shell/manual.h"
#include "shell/one_copy.h"
#include "shell/shortcuts_dialog.h"
#include "shell/zamanix_doc.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>

CZamanixApp::CZamanixApp()
{
    OnCommand(ID_APP_ABOUT, [this] { OnShowAbout(); });
    OnCommand(ID_HELP_KEYBOARD_SHORTCUTS, [] {
        CShortcutsDialog dialog(AfxGetMainWnd() ? AfxGetMainWnd()->GetSafeHwnd() : nullptr);
        dialog.exec();
    });
    OnCommand(ID_HELP_MANUAL, [] { OpenManual(); });
    OnCommand(ID_FILE_NEW, [this] { OnFileNew(); });
    OnCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
    OnCommand(ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
    OnCommand(ID_OPTIONS_START_AT_LOGIN, [this] { OnStartAtLogin(); });
    OnUpdateCommandUI(ID_OPTIONS_START_AT_LOGIN, [](CCmdUI *ui) {
        ui->Enable();
        ui->SetCheck(StartsAtLogin() ? 1 : 0);
    });
}

CZamanixApp::~CZamanixApp()
{
    if (CSingleDocTemplate *docTemplate = GetDocTemplate())
        docTemplate->CloseAll();
}

BOOL CZamanixApp::InitInstance()
{
    CCommandLineInfo commandLine;
    ParseCommandLine(m_argc, m_argv, commandLine);
    for (int i = 1; i < m_argc; ++i)
        m_bMinimized = m_bMinimized || std::strcmp(m_argv[i], "--minimized") == 0;
    // Before the profile is read: a start handed over writes nothing.
    if (m_bOneCopy && handOver(commandLine))
        return FALSE;

    createProfile();
    LoadStdProfileSettings(4, m_pProfile->Snapshot()); // the one read of the profile
    AddDocTemplate(std::make_unique<CSingleDocTemplate>(
        IDR_MAINFRAME, [] { return std::make_unique<CZamanixDoc>(); },
        [this] { return std::make_unique<CMainFrame>(*m_pProfile); },
        [this] { return std::make_unique<CZamanixView>(*m_pProfile); }));
    if (!ProcessShellCommand(commandLine))
        return FALSE;
    if (m_bMinimized && m_pMainWnd)
        m_pMainWnd->ShowWindow(SW_SHOWMINIMIZED);
    // Only a run that goes on (not a print) tells of a Hijri calendar it
    // cannot compute, catches up on missed reminders and publishes them:
    // once the window is drawn, so that none of it holds the window back.
    if (auto *frame = dynamic_cast<CMainFrame *>(m_pMainWnd)) {
        m_bStartPending = true;
        AfterFirstPaint(frame->GetMainWindow(), [this, frame] {
            if (const std::string &problem = m_pProfile->CalendarProblem(); !problem.empty())
                AfxMessageBox(problem, MB_ICONEXCLAMATION);
            frame->CatchUpOnMissedReminders();
            frame->StartPublishing();
            m_bStartPending = false;
            // After the window icon's work, posted with this: what the start
            // freed (the icon's sizes above all) goes back to the system
            // instead of staying in the heap for the life of the program.
            QTimer::singleShot(0, [] { malloc_trim(0); });
        });
    }
    return TRUE;
}

void CZamanixApp::createProfile()
{
    // Written as every profile write of the application is, so that a write
    // that fails says why in the application's words.
    m_pProfile = std::make_unique<CZamanixProfile>(
        m_pszProfileName, [this](std::span<const ProfileChange> changes, std::string &error) {
            const bool written = WriteProfileEntries(changes);
            error = GetLastProfileError();
            return written;
        });
    const CTime now = CTime::GetCurrentTime();
    m_pProfile->ClockTicked(now.GetTime(), DayNumberOf(now));
}

int CZamanixApp::ExitInstance()
{
    m_pOneCopy.reset();
    return CWinApp::ExitInstance();
}

bool CZamanixApp::handOver(const CCommandLineInfo &commandLine)
{
    const bool runs = commandLine.m_nShellCommand == CCommandLineInfo::FileNew ||
        commandLine.m_nShellCommand == CCommandLineInfo::FileOpen ||
        commandLine.m_nShellCommand == CCommandLineInfo::FileDDE;
    if (!runs)
        return false; // printing and the like do their work here and end
    m_pOneCopy = std::make_unique<COneCopy>(QStringLiteral(ZAMANIX_APP_ID));
    COneCopy::Requests requests;
    requests.activate = [this](const QString &token) { OnHandedOver({}, token); };
    requests.open = [this](const QStringList &files, const QString &token) {
        OnHandedOver(files, token);
    };
    const CopyClaim claim = m_pOneCopy->Claim(std::move(requests));
    if (claim != CopyClaim::HeldElsewhere)
        return false;
    // At login a copy already running is all there is to do.
    if (m_bMinimized)
        return true;
    QStringList files;
    if (commandLine.m_nShellCommand == CCommandLineInfo::FileOpen)
        files << QString::fromStdString(commandLine.m_strFileName);
    QString error;
    if (m_pOneCopy->HandOver(files, error))
        return true;
    const std::string message =
        FillSentence(Translate("CZamanixApp",
                         "zamanix: the running copy does not answer (%1); starting another"),
            {error.toStdString()});
    std::fprintf(stderr, "%s\n", message.c_str());
    return false;
}

void CZamanixApp::OnHandedOver(const QStringList &files, const QString &token)
{
    if (!files.isEmpty())
        OpenDocumentFile(files.front().toStdString().c_str());
    auto *frame = dynamic_cast<CFrameWnd *>(m_pMainWnd);
    if (!frame)
        return;
    // Wayland lets a window come to the front with the token of the start
    // that asked for it; Qt takes it from here.
    if (!token.isEmpty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    frame->ActivateFrame(); // a minimized window is restored
    if (QWidget *prompt = QApplication::activeModalWidget()) {
        prompt->raise();
        prompt->activateWindow();
    }
}

std::filesystem::path CZamanixApp::AutostartEntry()
{
    return AutostartEntryPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), ZAMANIX_APP_ID);
}

bool CZamanixApp::StartsAtLogin()
{
    std::error_code error;
    const std::filesystem::path entry = AutostartEntry();
    return !entry.empty() && std::filesystem::exists(entry, error);
}

void CZamanixApp::OnStartAtLogin()
{
    const std::filesystem::path entry = AutostartEntry();
    const bool starts = StartsAtLogin();
    std::string error;
    bool done = false;
    if (entry.empty())
        error = Translate("CZamanixApp",
            "Neither XDG_CONFIG_HOME nor HOME names the folder where the desktop looks for the "
            "programs to start at login.");
    else if (starts)
        done = RemoveAutostartEntry(entry, error);
    else {
        const std::string program = QCoreApplication::applicationFilePath().toStdString();
        const std::string text =
            AutostartEntryText(InstalledDesktopEntry(program, ZAMANIX_APP_ID), program);
        if (text.empty())
            error = FillSentence(Translate("CZamanixApp",
                                     "The program's path \"%1\" cannot be written in a desktop "
                                     "entry."),
                {program});
        else
            done = WriteAutostartEntry(entry, text, error);
    }
    if (!done)
        AfxMessageBox(
            FillSentence(starts
                    ? Translate("CZamanixApp", "Zamanix could not stop starting at login:\n\n%1")
                    : Translate("CZamanixApp", "Zamanix could not be set to start at login:\n\n%1"),
                {error}),
            MB_ICONEXCLAMATION);
}

void CZamanixApp::OnShowAbout()
{
    CAboutBox about;
    about.DoModal();
}

#include "shell/zamanix_app.h"

#include "form/zamanix_view.h"
#include "framework/command_line.h"
#include "framework/doc_template.h"
#include "resources/resource.h"
#include "shell/about_box.h"
#include "shell/main_frame.h"
#include "shell/zamanix_doc.h"

CZamanixApp::CZamanixApp()
{
    OnCommand(ID_APP_ABOUT, [this] { OnShowAbout(); });
    OnCommand(ID_FILE_NEW, [this] { OnFileNew(); });
    OnCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
    OnCommand(ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
}

BOOL CZamanixApp::InitInstance()
{
    LoadStdProfileSettings(4);
    AddDocTemplate(std::make_unique<CSingleDocTemplate>(
        IDR_MAINFRAME, [] { return std::make_unique<CZamanixDoc>(); },
        [] { return std::make_unique<CMainFrame>(); },
        [] { return std::make_unique<CZamanixView>(); }));

    CCommandLineInfo commandLine;
    ParseCommandLine(m_argc, m_argv, commandLine);
    return ProcessShellCommand(commandLine);
}

void CZamanixApp::OnShowAbout()
{
    CAboutBox about;
    about.DoModal();
}

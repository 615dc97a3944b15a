// The application object: start-up and the message loop, the main window,
// the application title and the profile file where settings live.
#pragma once

#include "framework/cmd_target.h"
#include "framework/cstring.h"
#include "reminders/profile.h"

#include <filesystem>
#include <memory>
#include <span>

class CCommandLineInfo;
class CDocument;
class CProfileSnapshot;
class CFrameWnd;
class CRecentFileList;
class CSingleDocTemplate;
class CWnd;
class QApplication;
class QPrinter;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char *appName = nullptr);
    ~CWinApp() override;

    // Runs the program: creates the Qt application, takes the title and the
    // profile path, calls InitInstance and, when it succeeds, the message
    // loop. Returns the exit status.
    int Run(int argc, char **argv);

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Closes the main window and ends the message loop.
    void CloseMainWindow();
    // The same, once the current command or event has returned (Exit and
    // the close box).
    void PostCloseMainWindow();

    // The application owns its one document template.
    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
    CSingleDocTemplate *GetDocTemplate() const { return m_pDocTemplate.get(); }
    // The standard File New: the new-document path.
    void OnFileNew();
    // The standard File Open: the file dialog, then the open path.
    void OnFileOpen();
    void OnFilePrintSetup();
    // Opens a file as the document; the template adds it to the list.
    CDocument *OpenDocumentFile(const char *path);

    // The recent-file list (4 entries, "Recent File List"/"File%d") and
    // "Settings"/"PreviewPages", read at start-up and written at exit.
    void LoadStdProfileSettings(int maxRecentFiles = 4);
    // The same from a read of the profile the caller has already made.
    void LoadStdProfileSettings(int maxRecentFiles, const CProfileSnapshot &profile);
    void SaveStdProfileSettings();
    void AddToRecentFileList(const CString &path);
    CRecentFileList *GetRecentFileList() const { return m_pRecentFileList.get(); }
    // Puts the recent files into frame's File menu in place of its "Recent
    // File" item, or that item, disabled, when there are none.
    void UpdateRecentFileMenu(CFrameWnd *frame);
    int m_nNumPreviewPages = 0;

    // Does what the command line asks; FALSE ends the program.
    BOOL ProcessShellCommand(CCommandLineInfo &info);

    // The printer that print setup, printing and preview share, made by the
    // printing module on first use: nullptr when that module cannot be
    // loaded, after telling the user.
    QPrinter *FindPrinter();

    // The profile file: entries by section and key.
    CString GetProfileString(const char *section, const char *entry, const char *defaultValue = "");
    // A null value removes the entry. FALSE when the file could not be
    // written; GetLastProfileError then says why.
    BOOL WriteProfileString(const char *section, const char *entry, const char *value);
    // The changes together, in one replacement of the file: all of them
    // land or none. FALSE as WriteProfileString.
    BOOL WriteProfileEntries(std::span<const ProfileChange> changes);
    int GetProfileInt(const char *section, const char *entry, int defaultValue);
    BOOL WriteProfileInt(const char *section, const char *entry, int value);
    const CString &GetLastProfileError() const { return m_strLastProfileError; }

    // Takes the title ("Zamanix" from the string table, else the
    // executable's name) and the profile path from the executable's path.
    void InitApplicationNames(const std::filesystem::path &executable);

    CWnd *m_pMainWnd = nullptr;
    CString m_pszAppName;
    std::filesystem::path m_pszProfileName;
    int m_nCmdShow = -1; // the start-up show state, used by the first activation
    int m_argc = 0;
    char **m_argv = nullptr;

private:
    void onOpenRecentFile(UINT id);

    CString m_strLastProfileError;
    // Why the start-up found no profile path, for the errors of writes.
    CString m_strProfileProblem;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    std::unique_ptr<QPrinter, void (*)(QPrinter *)> m_pPrinter{nullptr, nullptr};
    std::unique_ptr<CSingleDocTemplate> m_pDocTemplate;
};

CWinApp *AfxGetApp();
CWnd *AfxGetMainWnd();
// The application title, "Zamanix" unless the program says otherwise.
CString AfxGetAppTitle();

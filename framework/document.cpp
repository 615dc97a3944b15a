#include "framework/document.h"

#include "framework/frame.h"
#include "framework/message_box.h"
#include "framework/save_folder.h"
#include "framework/string_table.h"
#include "framework/winapp.h"
#include "reminders/profile_files.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <QDir>
#include <QFileDialog>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

// A save writes what the document holds, which is nothing: a file that
// holds bytes was not written by the program, and keeps them unless the
// user says otherwise. The profile and its files are never written over.
bool mayWriteOver(const CString &path)
{
    const CWinApp *app = AfxGetApp();
    const std::string problem = app ? ProfileFileProblem(path, app->m_pszProfileName) : "";
    if (!problem.empty()) {
        AfxMessageBox(FillSentence(Translate("Document",
                                       "%1: %2; a document cannot be saved over it.\nSave the "
                                       "document under another name."),
                          {path, problem}),
            MB_ICONEXCLAMATION);
        return false;
    }
    struct stat status;
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size == 0)
        return true;
    const CString question =
        FillSentence(Translate("Document",
                         "%1 is not empty. A %2 document holds no data, so "
                         "saving it here would replace what the file holds "
                         "with nothing.\n\nReplace the contents of %3 anyway?"),
            {path, AfxGetAppTitle(), std::filesystem::path(path).filename().string()});
    return AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

// A pipe, socket or device in a file's place: opening a pipe waits for its
// other end, which may never come, and no such thing holds a document.
// Says so (after the usual text for a failed read or write) and gives true.
bool refuseSpecialFile(const char *path, bool writing)
{
    struct stat status;
    if (::stat(path, &status) != 0 || S_ISREG(status.st_mode) || S_ISDIR(status.st_mode))
        return false;
    AfxMessageBox(FillSentence(Translate("Document",
                                   "%1\n(Not a regular file: a pipe, socket or device cannot "
                                   "hold a document)"),
                      {FormatMessageText(LoadString(writing ? AFX_IDP_FAILED_IO_ERROR_WRITE
                                                            : AFX_IDP_FAILED_IO_ERROR_READ),
                          path)}),
        MB_ICONEXCLAMATION);
    return true;
}

} // namespace

CString FileErrorMessage(int err, const CString &path, bool writing)
{
    UINT id;
    if (err == ENOENT && !writing)
        id = AFX_IDP_FILE_NOT_FOUND;
    else if (err == ENOSPC)
        id = AFX_IDP_FILE_DISKFULL;
    else if (writing && (err == EACCES || err == EROFS || err == EPERM || err == ETXTBSY))
        id = AFX_IDP_FILE_ACCESS_DENIED;
    else if (!writing && (err == EBUSY || err == ETXTBSY))
        id = AFX_IDP_FILE_SHARING;
    else
        id = writing ? AFX_IDP_FAILED_IO_ERROR_WRITE : AFX_IDP_FAILED_IO_ERROR_READ;
    CString text = FormatMessageText(LoadString(id), path);
    if (id != AFX_IDP_FILE_NOT_FOUND)
        text += Format("\n(%s)", std::strerror(err));
    return text;
}

CDocument::CDocument()
{
    OnCommand(ID_FILE_SAVE, [this] { OnFileSave(); });
    OnCommand(ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
}

void CDocument::SetPathName(const CString &path)
{
    m_strPathName = path;
    m_strTitle = std::filesystem::path(path).filename().string();
}

BOOL CDocument::OnNewDocument()
{
    m_strPathName.clear();
    return TRUE;
}

BOOL CDocument::OnOpenDocument(const char *path)
{
    if (refuseSpecialFile(path, false))
        return FALSE;
    std::ifstream file(path, std::ios::binary);
    if (!file || std::filesystem::is_directory(path)) {
        const int err = file ? EISDIR : errno;
        AfxMessageBox(FileErrorMessage(err, path, false), MB_ICONEXCLAMATION);
        return FALSE;
    }
    CArchive archive(nullptr, &file);
    Serialize(archive);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(const char *path)
{
    if (refuseSpecialFile(path, true))
        return FALSE;
    errno = 0;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    bool ok = static_cast<bool>(file);
    if (ok) {
        CArchive archive(&file, nullptr);
        Serialize(archive);
        file.close();
        ok = !file.fail();
    }
    if (!ok) {
        AfxMessageBox(FileErrorMessage(errno ? errno : EIO, path, true), MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}

void CDocument::Serialize(CArchive &) { }

BOOL CDocument::DoSave(const char *path)
{
    CString target = path ? path : "";
    if (target.empty()) {
        CWnd *main = AfxGetMainWnd();
        // The question, where one is needed, is mayWriteOver's.
        const QString folder = SaveDialogFolder(QString::fromStdString(m_strPathName));
        const QString chosen = QFileDialog::getSaveFileName(main ? main->GetSafeHwnd() : nullptr,
            QString::fromStdString(LoadString(AFX_IDS_SAVEFILE)),
            QDir(folder).filePath(QString::fromStdString(m_strTitle)), AllFilesFilter(), nullptr,
            QFileDialog::DontConfirmOverwrite);
        if (chosen.isEmpty())
            return FALSE;
        target = chosen.toStdString();
    }
    if (!mayWriteOver(target) || !OnSaveDocument(target.c_str()))
        return FALSE;
    SetPathName(std::filesystem::absolute(target).string());
    if (CWinApp *app = AfxGetApp())
        app->AddToRecentFileList(m_strPathName);
    if (auto *frame = dynamic_cast<CFrameWnd *>(AfxGetMainWnd()))
        frame->OnUpdateFrameTitle();
    return TRUE;
}

void CDocument::OnFileSave()
{
    DoSave(m_strPathName.empty() ? nullptr : m_strPathName.c_str());
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}

#include "framework/document.h"

#include "framework/frame.h"
#include "framework/message_box.h"
#include "framework/string_table.h"
#include "framework/winapp.h"

#include <QFileDialog>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

CString FileErrorMessage(int err, const CString &path, bool writing)
{
    UINT id;
    if (err == ENOENT && !writing)
        id = AFX_IDP_FILE_NOT_FOUND;
    else if (err == ENOSPC)
        id = AFX_IDP_FILE_DISKFULL;
    else if (err == EACCES || err == EROFS || err == EPERM)
        id = writing ? AFX_IDP_FILE_ACCESS_DENIED : AFX_IDP_FILE_SHARING;
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
    m_bModified = false;
    return TRUE;
}

BOOL CDocument::OnOpenDocument(const char *path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file || std::filesystem::is_directory(path)) {
        const int err = file ? EISDIR : errno;
        AfxMessageBox(FileErrorMessage(err, path, false), MB_ICONEXCLAMATION);
        return FALSE;
    }
    CArchive archive(nullptr, &file);
    Serialize(archive);
    m_bModified = false;
    return TRUE;
}

BOOL CDocument::OnSaveDocument(const char *path)
{
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
    m_bModified = false;
    return TRUE;
}

void CDocument::Serialize(CArchive &) { }

BOOL CDocument::DoSave(const char *path)
{
    CString target = path ? path : "";
    if (target.empty()) {
        CWnd *main = AfxGetMainWnd();
        const QString chosen = QFileDialog::getSaveFileName(main ? main->GetSafeHwnd() : nullptr,
            QString::fromStdString(LoadString(AFX_IDS_SAVEFILE)),
            QString::fromStdString(m_strTitle), AllFilesFilter());
        if (chosen.isEmpty())
            return FALSE;
        target = chosen.toStdString();
    }
    if (!OnSaveDocument(target.c_str()))
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

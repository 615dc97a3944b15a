// The document of the single-document framework: its title and path, and
// the file commands that concern it.
#pragma once

#include "framework/cmd_target.h"
#include "framework/cstring.h"

#include <iosfwd>

// What a document stores into or loads from.
class CArchive {
public:
    CArchive(std::ostream *out, std::istream *in)
        : m_pOut(out)
        , m_pIn(in)
    {
    }
    std::ostream *Out() const { return m_pOut; }
    std::istream *In() const { return m_pIn; }

private:
    std::ostream *m_pOut;
    std::istream *m_pIn;
};

class CDocument : public CCmdTarget {
public:
    CDocument();

    const CString &GetTitle() const { return m_strTitle; }
    void SetTitle(const CString &title) { m_strTitle = title; }
    const CString &GetPathName() const { return m_strPathName; }
    // Takes the path and its file name as the title.
    void SetPathName(const CString &path);

    virtual BOOL OnNewDocument();
    // Opens the file and lets Serialize load from it; FALSE (after telling
    // the user) when it cannot be read.
    virtual BOOL OnOpenDocument(const char *path);
    // Writes the file through Serialize; FALSE (after telling the user) when
    // it cannot be written.
    virtual BOOL OnSaveDocument(const char *path);
    virtual void Serialize(CArchive &archive);

    // Save: to the document's path, or asking for one; Save As always asks.
    BOOL DoSave(const char *path);
    void OnFileSave();
    void OnFileSaveAs();

private:
    CString m_strTitle;
    CString m_strPathName;
};

// The text of the file error for errno-style code err on path.
CString FileErrorMessage(int err, const CString &path, bool writing);

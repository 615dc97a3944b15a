// The recent-file list: the last documents opened or saved, most recent
// first, kept in the profile's "Recent File List" section.
#pragma once

#include "framework/afx_types.h"
#include "framework/cstring.h"

#include <vector>

class CProfileSnapshot;
class CWinApp;

class CRecentFileList {
public:
    CRecentFileList(const char *section, const char *entryFormat, int maxFiles, int displayLength);

    // Reads the list from the profile as the snapshot holds it.
    void ReadList(const CProfileSnapshot &profile);
    // Removes the whole section and writes one entry per file, in one
    // replacement of the profile. FALSE when it could not be written.
    BOOL WriteList(CWinApp &app) const;

    // Puts the path first, dropping an older copy and the oldest beyond the
    // limit.
    void Add(const CString &path);
    void Remove(int index);
    int GetSize() const { return static_cast<int>(m_files.size()); }
    const CString &operator[](int index) const { return m_files[index]; }
    // The path as a menu shows it: at most the display length, shortened in
    // the middle of the folders ("/home/.../file").
    CString GetDisplayName(int index) const;
    int GetMaxSize() const { return m_nMaxFiles; }

private:
    CString m_strSection;
    CString m_strEntryFormat;
    int m_nMaxFiles;
    int m_nDisplayLength;
    std::vector<CString> m_files;
};

#include "framework/recent_files.h"

#include "framework/winapp.h"
#include "reminders/profile_snapshot.h"

#include <QString>

#include <algorithm>

CRecentFileList::CRecentFileList(
    const char *section, const char *entryFormat, int maxFiles, int displayLength)
    : m_strSection(section)
    , m_strEntryFormat(entryFormat)
    , m_nMaxFiles(maxFiles)
    , m_nDisplayLength(displayLength)
{
}

void CRecentFileList::ReadList(const CProfileSnapshot &profile)
{
    m_files.clear();
    for (int i = 1; i <= m_nMaxFiles; ++i) {
        const CString path = profile.Get(m_strSection, Format(m_strEntryFormat.c_str(), i), "");
        if (!path.empty())
            m_files.push_back(path);
    }
}

BOOL CRecentFileList::WriteList(CWinApp &app) const
{
    // Entries beyond the list's size, from a longer list or by hand, go too.
    std::vector<ProfileChange> changes{ProfileChange::RemoveSection(m_strSection)};
    for (int i = 0; i < GetSize(); ++i)
        changes.push_back(
            ProfileChange::Set(m_strSection, Format(m_strEntryFormat.c_str(), i + 1), m_files[i]));
    return app.WriteProfileEntries(changes);
}

void CRecentFileList::Add(const CString &path)
{
    m_files.erase(std::remove(m_files.begin(), m_files.end(), path), m_files.end());
    m_files.insert(m_files.begin(), path);
    if (GetSize() > m_nMaxFiles)
        m_files.resize(m_nMaxFiles);
}

void CRecentFileList::Remove(int index)
{
    if (index >= 0 && index < GetSize())
        m_files.erase(m_files.begin() + index);
}

CString CRecentFileList::GetDisplayName(int index) const
{
    const QString path = QString::fromStdString(m_files[index]);
    if (path.size() <= m_nDisplayLength)
        return m_files[index];
    // Keep the root and the file name, drop folders from the middle.
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const QString name = path.mid(nameStart);
    const QString root = path.left(path.indexOf(QLatin1Char('/'), 1) + 1);
    const QString shortened = root + QStringLiteral(".../") + name;
    if (shortened.size() <= m_nDisplayLength)
        return shortened.toStdString();
    QString end = name.right(m_nDisplayLength - 3);
    // A character outside the BMP is two UTF-16 units: never keep half of it.
    if (!end.isEmpty() && end.front().isLowSurrogate())
        end.remove(0, 1);
    return (QStringLiteral("...") + end).toStdString();
}

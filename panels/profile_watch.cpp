#include "panels/profile_watch.h"

CProfileWatch::CProfileWatch(QObject *context, const std::function<void()> &changed)
{
    QObject::connect(&m_watcher, &QFileSystemWatcher::directoryChanged, context, changed);
    QObject::connect(&m_watcher, &QFileSystemWatcher::fileChanged, context, changed);
}

void CProfileWatch::Watch(const std::filesystem::path &file)
{
    const QString folder = QString::fromStdString(file.parent_path().string());
    const QString path = QString::fromStdString(file.string());
    std::error_code error;
    if (!m_watcher.directories().contains(folder) &&
        std::filesystem::is_directory(file.parent_path(), error))
        m_watcher.addPath(folder);
    if (!m_watcher.files().contains(path) && std::filesystem::exists(file, error))
        m_watcher.addPath(path);
}

#include "panels/profile_watch.h"

void WatchProfile(QFileSystemWatcher &watcher, const std::filesystem::path &file)
{
    const QString folder = QString::fromStdString(file.parent_path().string());
    const QString path = QString::fromStdString(file.string());
    std::error_code error;
    if (!watcher.directories().contains(folder) &&
        std::filesystem::is_directory(file.parent_path(), error))
        watcher.addPath(folder);
    if (!watcher.files().contains(path) && std::filesystem::exists(file, error))
        watcher.addPath(path);
}

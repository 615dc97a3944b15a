// Watching the profile for changes that other programs make.
#pragma once

#include <QFileSystemWatcher>

#include <filesystem>
#include <functional>

class CProfileWatch {
public:
    // `changed` runs whenever the file system reports a change of the
    // profile or of its folder, for as long as `context` lives.
    CProfileWatch(QObject *context, const std::function<void()> &changed);

    // Puts the profile's folder and the profile itself on the watch, each
    // once it exists and only once: the folder sees the profile replaced
    // (every writer renames a new file over it), the file an edit in place.
    // Call it again after each change, since a replaced file is watched no
    // more.
    void Watch(const std::filesystem::path &file);

private:
    QFileSystemWatcher m_watcher;
};

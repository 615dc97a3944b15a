// Watching the profile for changes that other programs make.
#pragma once

#include <QFileSystemWatcher>

#include <filesystem>

// Puts the profile's folder and the profile itself on `watcher`, each once
// it exists and only once: the folder sees the profile replaced (every
// writer renames a new file over it), the file an edit in place. Call it
// again after each change, since a replaced file is watched no more.
void WatchProfile(QFileSystemWatcher &watcher, const std::filesystem::path &file);

#include "platform/qt/FolderWatcher.h"

#include <QFileInfo>
#include <QSet>

namespace veltrano {

FolderWatcher::FolderWatcher(QObject *parent) : QObject(parent)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FolderWatcher::changed);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderWatcher::changed);
}

// Called at every look (once a second): only paths not followed yet are
// looked at on disk, so a large tree costs no stat per folder per second.
void FolderWatcher::watch(const QStringList &paths)
{
    const QSet<QString> wanted(paths.cbegin(), paths.cend());
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    QStringList gone;
    for (const QString &path : watched) {
        if (!wanted.contains(path))
            gone << path;
    }
    if (!gone.isEmpty())
        m_watcher.removePaths(gone);
    // A file renamed over drops out of the watch by itself: it is added back.
    const QSet<QString> followed(watched.cbegin(), watched.cend());
    QStringList added;
    for (const QString &path : wanted) {
        if (followed.contains(path))
            continue;
        // A FIFO or a device is nothing to follow (and nothing the program reads).
        const QFileInfo info(path);
        if (info.isDir() || info.isFile())
            added << path;
    }
    if (!added.isEmpty())
        m_watcher.addPaths(added);
}

} // namespace veltrano

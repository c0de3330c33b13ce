#include "platform/qt/FolderWatcher.h"

#include <QFileInfo>
#include <QSet>

namespace veltrano {

FolderWatcher::FolderWatcher(QObject *parent) : QObject(parent)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FolderWatcher::changed);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderWatcher::changed);
}

void FolderWatcher::watch(const QStringList &paths)
{
    QSet<QString> wanted;
    for (const QString &path : paths) {
        // A FIFO or a device is nothing to follow (and nothing the program reads).
        const QFileInfo info(path);
        if (info.isDir() || info.isFile())
            wanted.insert(path);
    }
    QStringList gone;
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    for (const QString &path : watched) {
        if (!wanted.remove(path))
            gone << path;
    }
    if (!gone.isEmpty())
        m_watcher.removePaths(gone);
    // A file renamed over drops out of the watch by itself: it is added back.
    if (!wanted.isEmpty())
        m_watcher.addPaths(QStringList(wanted.cbegin(), wanted.cend()));
}

} // namespace veltrano

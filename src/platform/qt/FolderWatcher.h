#pragma once
#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>

namespace veltrano {

// Tells when a watched file, or anything in a watched folder, changes: a file
// written in place, made, removed, or renamed into place (as sync engines
// and many editors save). A file replaced by a rename is watched anew at the
// next watch() call; what does not exist is left out.
class FolderWatcher final : public QObject {
    Q_OBJECT
public:
    explicit FolderWatcher(QObject *parent = nullptr);

    // Watches exactly these files and folders from now on.
    void watch(const QStringList &paths);

signals:
    void changed(const QString &path);

private:
    QFileSystemWatcher m_watcher;
};

} // namespace veltrano

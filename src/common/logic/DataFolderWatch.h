#pragma once
#include <QObject>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <vector>

namespace veltrano {

class BackgroundWriter;
class FolderWatcher;

// Follows files and folders of the data folder on disk, so that what a sync
// engine or an editor changes there is shown while the program runs. A file
// counts as changed when it differs from what the program last read or wrote
// of it, and is handed on only while the program holds no change of its own
// for it (that one is written first, keeping the other as a conflict copy).
// Changes are taken together for a moment, and a look once a second catches
// what the system's notices miss.
class DataFolderWatch final : public QObject {
    Q_OBJECT
public:
    explicit DataFolderWatch(BackgroundWriter &files, QObject *parent = nullptr);
    ~DataFolderWatch() override;

    // What becomes of the program's own last write of a file when a version
    // made before it was put in its place: kept as a conflict copy, or left
    // to the owner, who puts its changes back into what it takes in.
    enum class OwnWriteReplaced { KeepCopy, OwnerMerges };

    // `files` says which files to follow, asked anew at each look (the note
    // shown changes); `changed` gets each one changed outside. Ends with `owner`.
    void followFiles(QObject *owner, std::function<QStringList()> files,
                     std::function<void(const QString &file)> changed,
                     OwnWriteReplaced ownWriteReplaced = OwnWriteReplaced::KeepCopy);
    // `changed` runs when folders below one of `folders` are made, removed or
    // renamed (to `depth` levels).
    void followFolders(QObject *owner, std::function<QStringList()> folders, int depth,
                       std::function<void()> changed);

    // Takes a look now (the tests' way of not waiting).
    void lookNow();

private:
    struct FileFollower {
        QPointer<QObject> owner;
        std::function<QStringList()> files;
        std::function<void(const QString &)> changed;
        OwnWriteReplaced ownWriteReplaced = OwnWriteReplaced::KeepCopy;
    };
    struct FolderFollower {
        QPointer<QObject> owner;
        std::function<QStringList()> folders;
        int depth = 1;
        std::function<void()> changed;
        QHash<QString, QStringList> subfolders; // of each folder seen, to `depth`
    };

    // The folders below `folder` to `depth` levels, with the subfolders of each.
    void readTree(const QString &folder, int depth, QHash<QString, QStringList> &into) const;
    QStringList subfoldersOf(const QString &folder) const;
    void onChanged(const QString &path);
    // Whether the subfolders of a changed folder are not what they were.
    bool treeChanged(const FolderFollower &follower) const;
    void rearm();

    BackgroundWriter &m_files;
    FolderWatcher *m_watcher;
    QTimer m_settle;
    QTimer m_poll;
    std::vector<FileFollower> m_fileFollowers;
    std::vector<FolderFollower> m_folderFollowers;
    QSet<QString> m_changedPaths; // since the last look
};

} // namespace veltrano

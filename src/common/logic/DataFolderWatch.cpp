#include "common/logic/DataFolderWatch.h"

#include "common/logic/BackgroundWriter.h"
#include "platform/qt/FolderWatcher.h"

#include <algorithm>

namespace veltrano {
namespace {

// Sync engines write a file in steps (a temporary, then a rename): a moment
// lets them finish before the file is read.
constexpr int kSettleMs = 120;
constexpr int kPollMs = 1000;
// The system's watches are few (8192 per user on many systems): a larger
// tree is followed in its upper folders only.
constexpr qsizetype kMostFoldersWatched = 2000;

QString folderOf(const QString &path)
{
    return path.left(path.lastIndexOf(u'/') + 1);
}

} // namespace

DataFolderWatch::DataFolderWatch(BackgroundWriter &files, QObject *parent)
    : QObject(parent), m_files(files), m_watcher(new FolderWatcher(this))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(m_watcher, &FolderWatcher::changed, this, &DataFolderWatch::onChanged);
    connect(&m_settle, &QTimer::timeout, this, &DataFolderWatch::lookNow);
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &DataFolderWatch::lookNow);
    m_poll.start();
}

DataFolderWatch::~DataFolderWatch() = default;

void DataFolderWatch::onChanged(const QString &path)
{
    m_changedPaths.insert(path);
    m_settle.start();
}

void DataFolderWatch::followFiles(QObject *owner, std::function<QStringList()> files,
                                  std::function<void(const QString &)> changed, OwnWriteReplaced ownWriteReplaced)
{
    m_fileFollowers.push_back({owner, std::move(files), std::move(changed), ownWriteReplaced});
    rearm();
}

void DataFolderWatch::followFolders(QObject *owner, std::function<QStringList()> folders, int depth,
                                    std::function<void()> changed)
{
    FolderFollower follower{owner, std::move(folders), depth, std::move(changed), {}};
    for (const QString &folder : follower.folders())
        readTree(folder, depth, follower.subfolders);
    m_folderFollowers.push_back(std::move(follower));
    rearm();
}

QStringList DataFolderWatch::subfoldersOf(const QString &folder) const
{
    QStringList names;
    for (const FolderEntry &entry : m_files.listFolder(folder + u'/')) {
        if (entry.kind == FolderEntry::Kind::Folder)
            names << entry.name;
    }
    return names;
}

void DataFolderWatch::readTree(const QString &folder, int depth, QHash<QString, QStringList> &into) const
{
    if (into.size() >= kMostFoldersWatched)
        return;
    const QStringList names = subfoldersOf(folder);
    into.insert(folder, names);
    if (depth <= 0)
        return;
    for (const QString &name : names)
        readTree(folder + u'/' + name, depth - 1, into);
}

// Only the folders the system named are listed again: a note saved in a
// project folder costs one listing of that folder, not of the whole tree.
bool DataFolderWatch::treeChanged(const FolderFollower &follower) const
{
    for (const QString &path : m_changedPaths) {
        const QString folder = path.endsWith(u'/') ? path.chopped(1) : path;
        const auto seen = follower.subfolders.constFind(folder);
        if (seen != follower.subfolders.cend() && subfoldersOf(folder) != *seen)
            return true;
    }
    return false;
}

void DataFolderWatch::lookNow()
{
    std::erase_if(m_fileFollowers, [](const FileFollower &f) { return !f.owner; });
    std::erase_if(m_folderFollowers, [](const FolderFollower &f) { return !f.owner; });
    // A follower may follow others or change the lists while it is told.
    const std::vector<FileFollower> fileFollowers = m_fileFollowers;
    for (const FileFollower &follower : fileFollowers) {
        for (const QString &file : follower.files()) {
            if (!follower.owner || !m_files.changedOutside(file) || m_files.hasUnwrittenChange(file))
                continue;
            if (follower.ownWriteReplaced == OwnWriteReplaced::KeepCopy)
                m_files.keepOwnWriteReplacedUnseen(file);
            follower.changed(file);
        }
    }
    // Folders on a notice only (listing a large tree every second would
    // cost), and then only when a folder named changed its subfolders; a
    // look asked for directly reads every tree again.
    const bool polled = sender() == &m_poll;
    for (FolderFollower &follower : m_folderFollowers) {
        if (polled || (!m_changedPaths.isEmpty() && !treeChanged(follower)))
            continue;
        QHash<QString, QStringList> now;
        for (const QString &folder : follower.folders())
            readTree(folder, follower.depth, now);
        if (now != follower.subfolders) {
            follower.subfolders = now;
            if (follower.owner)
                follower.changed();
        }
    }
    if (!polled)
        m_changedPaths.clear();
    rearm();
}

void DataFolderWatch::rearm()
{
    QStringList paths;
    for (const FileFollower &follower : m_fileFollowers) {
        for (const QString &file : follower.files())
            paths << file << folderOf(file);
    }
    for (const FolderFollower &follower : m_folderFollowers)
        paths += follower.subfolders.keys();
    paths.removeDuplicates();
    m_watcher->watch(paths);
}

} // namespace veltrano

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
    connect(m_watcher, &FolderWatcher::changed, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_settle, &QTimer::timeout, this, &DataFolderWatch::lookNow);
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &DataFolderWatch::lookNow);
    m_poll.start();
}

DataFolderWatch::~DataFolderWatch() = default;

void DataFolderWatch::followFiles(QObject *owner, std::function<QStringList()> files,
                                  std::function<void(const QString &)> changed)
{
    m_fileFollowers.push_back({owner, std::move(files), std::move(changed)});
    rearm();
}

void DataFolderWatch::followFolders(QObject *owner, std::function<QStringList()> folders, int depth,
                                    std::function<void()> changed)
{
    FolderFollower follower{owner, std::move(folders), depth, std::move(changed), {}};
    for (const QString &folder : follower.folders())
        follower.lastSeen += folderTree(folder, depth);
    m_folderFollowers.push_back(std::move(follower));
    rearm();
}

QStringList DataFolderWatch::folderTree(const QString &folder, int depth) const
{
    QStringList tree{folder};
    if (depth <= 0)
        return tree;
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    for (const FolderEntry &entry : m_files.listFolder(prefix)) {
        if (entry.kind == FolderEntry::Kind::Folder)
            tree += folderTree(prefix + entry.name, depth - 1);
    }
    return tree;
}

void DataFolderWatch::lookNow()
{
    std::erase_if(m_fileFollowers, [](const FileFollower &f) { return !f.owner; });
    std::erase_if(m_folderFollowers, [](const FolderFollower &f) { return !f.owner; });
    // A follower may follow others or change the lists while it is told.
    const std::vector<FileFollower> fileFollowers = m_fileFollowers;
    for (const FileFollower &follower : fileFollowers) {
        for (const QString &file : follower.files()) {
            if (follower.owner && m_files.changedOutside(file) && !m_files.hasUnwrittenChange(file))
                follower.changed(file);
        }
    }
    // Only on a notice: listing a large tree every second would cost.
    if (sender() != &m_poll) {
        for (FolderFollower &follower : m_folderFollowers) {
            QStringList seen;
            for (const QString &folder : follower.folders())
                seen += folderTree(folder, follower.depth);
            if (seen != follower.lastSeen) {
                follower.lastSeen = seen;
                if (follower.owner)
                    follower.changed();
            }
        }
    }
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
        paths += follower.lastSeen;
    paths.removeDuplicates();
    m_watcher->watch(paths);
}

} // namespace veltrano

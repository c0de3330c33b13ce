#include "platform/linux/LinuxSingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrano {
namespace {

class LockMarker final : public InstanceMarker {
public:
    explicit LockMarker(std::unique_ptr<QLockFile> lock) : m_lock(std::move(lock)) {}

private:
    std::unique_ptr<QLockFile> m_lock;
};

// Used when the lock folder itself is unusable: refusing would keep the user out
// of the program for good, so the start goes ahead unguarded.
class NoMarker final : public InstanceMarker {};

// The data folder's lock: a kernel lock on an open file, which the system lets
// go of when the process ends however it ends, so a killed holder never
// blocks. The file is removed on release while still locked, and only while
// its name still leads to it: a copy that starts meanwhile finds either no
// file or a new one, never this one unlocked.
class FolderLockMarker final : public InstanceMarker {
public:
    FolderLockMarker(int fd, QByteArray path, bool ours) : m_fd(fd), m_path(std::move(path)), m_ours(ours) {}
    ~FolderLockMarker() override
    {
        if (m_ours && namesThisFile(m_fd, m_path))
            ::unlink(m_path.constData());
        ::close(m_fd);
    }

    static bool namesThisFile(int fd, const QByteArray &path)
    {
        struct stat held;
        struct stat named;
        return ::fstat(fd, &held) == 0 && ::lstat(path.constData(), &named) == 0 && held.st_dev == named.st_dev
               && held.st_ino == named.st_ino;
    }

private:
    int m_fd;
    QByteArray m_path;
    bool m_ours;
};

QString defaultLockFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

// The host's name as a file name may hold it.
QString hostForFileName(QString host)
{
    for (QChar &c : host) {
        const char16_t u = c.unicode();
        const bool plain = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9')
                           || u == u'-' || u == u'.' || u == u'_';
        if (!plain)
            c = u'_';
    }
    return host.isEmpty() ? QStringLiteral("localhost") : host;
}

bool writeHolder(int fd, const QString &host)
{
    const QByteArray text = QByteArray::number(qint64(::getpid())) + "\nVeltrano\n" + host.toUtf8() + '\n';
    return ::ftruncate(fd, 0) == 0 && ::pwrite(fd, text.constData(), size_t(text.size()), 0) == text.size();
}

} // namespace

LinuxSingleInstance::LinuxSingleInstance(QString lockFolder, QString hostName)
    : m_lockFolder(lockFolder.isEmpty() ? defaultLockFolder() : std::move(lockFolder)),
      m_hostName(hostName.isEmpty() ? QSysInfo::machineHostName() : std::move(hostName))
{
}

std::unique_ptr<InstanceMarker> LinuxSingleInstance::acquire(const QString &name)
{
    const QString path = m_lockFolder + u'/' + name + u'-' + QString::number(::getuid()) + u".lock";
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0); // only a dead holder makes the lock stale, never its age
    if (lock->tryLock(0))
        return std::make_unique<LockMarker>(std::move(lock));
    if (lock->error() == QLockFile::LockFailedError)
        return nullptr;
    return std::make_unique<NoMarker>();
}

QString LinuxSingleInstance::folderLockPath(const QString &folder) const
{
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    return prefix + QStringView(kFolderLockPrefix) + hostForFileName(m_hostName) + u'#';
}

std::unique_ptr<InstanceMarker> LinuxSingleInstance::acquireFolder(const QString &folder)
{
    // A first start may come before the folder exists; it is made here so
    // that even two first starts meet at the lock.
    QDir().mkpath(folder);
    const QByteArray path = QFile::encodeName(folderLockPath(folder));
    // O_CLOEXEC above all: a program started from the console would otherwise
    // inherit the lock and hold it after this copy has ended.
    constexpr int kFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    for (int attempt = 0; attempt < 16; ++attempt) {
        bool ours = true;
        int fd = ::open(path.constData(), O_RDWR | O_CREAT | kFlags, 0644);
        if (fd < 0 && (errno == EACCES || errno == EROFS)) {
            // A folder that cannot be written: a lock another copy left
            // there still counts, though this copy cannot make one.
            ours = false;
            fd = ::open(path.constData(), O_RDONLY | kFlags);
        }
        if (fd < 0)
            return std::make_unique<NoMarker>();
        struct stat st;
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return std::make_unique<NoMarker>();
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK)
                return nullptr;
            return std::make_unique<NoMarker>(); // a file system without locks
        }
        // The holder before may have let go and removed the file between the
        // open and the lock: then the lock is on a file no one else will see.
        if (!FolderLockMarker::namesThisFile(fd, path)) {
            ::close(fd);
            continue;
        }
        if (ours)
            writeHolder(fd, m_hostName);
        return std::make_unique<FolderLockMarker>(fd, path, ours);
    }
    return std::make_unique<NoMarker>();
}

} // namespace veltrano

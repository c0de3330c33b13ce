#include "platform/linux/LinuxSingleInstance.h"

#include <QAbstractEventDispatcher>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace veltrano {
namespace {

// The abstract-namespace address of the holder's socket: the lock's path,
// or its digest where the path is longer than an address may be.
sockaddr_un socketAddress(const QString &lockPath, socklen_t &length)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    QByteArray name = QFile::encodeName(lockPath) + ".socket";
    const std::size_t room = sizeof(address.sun_path) - 1; // the leading NUL marks the abstract namespace
    if (std::size_t(name.size()) > room)
        name = "veltrano-" + QCryptographicHash::hash(name, QCryptographicHash::Sha256).toHex();
    std::memcpy(address.sun_path + 1, name.constData(), std::size_t(name.size()));
    length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + std::size_t(name.size()));
    return address;
}

bool sameUser(int connection)
{
    ucred peer{};
    socklen_t size = sizeof(peer);
    return ::getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

class LockMarker final : public InstanceMarker {
public:
    LockMarker(std::unique_ptr<QLockFile> lock, const QString &lockPath) : m_lock(std::move(lock))
    {
        listen(lockPath);
    }
    ~LockMarker() override
    {
        m_notifier.reset();
        if (m_socket >= 0)
            ::close(m_socket);
    }

private:
    // Without a socket the program runs on; a later start just cannot call it
    // forward. A holder without an event loop could never answer.
    void listen(const QString &lockPath)
    {
        if (!QAbstractEventDispatcher::instance())
            return;
        socklen_t length = 0;
        const sockaddr_un address = socketAddress(lockPath, length);
        m_socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (m_socket < 0)
            return;
        if (::bind(m_socket, reinterpret_cast<const sockaddr *>(&address), length) != 0
            || ::listen(m_socket, 4) != 0) {
            ::close(m_socket);
            m_socket = -1;
            return;
        }
        m_notifier = std::make_unique<QSocketNotifier>(m_socket, QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] { answer(); });
    }

    void answer()
    {
        bool called = false;
        for (int connection; (connection = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
            called = called || sameUser(connection);
            ::close(connection);
        }
        if (called)
            emit activationRequested();
    }

    std::unique_ptr<QLockFile> m_lock;
    int m_socket = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
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

QString LinuxSingleInstance::lockPath(const QString &name) const
{
    return m_lockFolder + u'/' + name + u'-' + QString::number(::getuid()) + u".lock";
}

std::unique_ptr<InstanceMarker> LinuxSingleInstance::acquire(const QString &name)
{
    const QString path = lockPath(name);
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0); // only a dead holder makes the lock stale, never its age
    if (lock->tryLock(0))
        return std::make_unique<LockMarker>(std::move(lock), path);
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

// A connection is the whole request; it never waits, not even on a holder
// too busy to take it.
bool LinuxSingleInstance::activateHolder(const QString &name)
{
    socklen_t length = 0;
    const sockaddr_un address = socketAddress(lockPath(name), length);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0)
        return false;
    const bool reached = ::connect(socket, reinterpret_cast<const sockaddr *>(&address), length) == 0;
    ::close(socket);
    return reached;
}

} // namespace veltrano

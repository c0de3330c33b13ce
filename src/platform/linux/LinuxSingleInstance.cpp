#include "platform/linux/LinuxSingleInstance.h"

#include <QAbstractEventDispatcher>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>
#include <QStandardPaths>

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

QString defaultLockFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

} // namespace

LinuxSingleInstance::LinuxSingleInstance(QString lockFolder)
    : m_lockFolder(lockFolder.isEmpty() ? defaultLockFolder() : std::move(lockFolder))
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

#include "platform/linux/LinuxSingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

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

} // namespace veltrano

#pragma once
#include "platform/SingleInstance.h"

namespace veltrano {

// A per-user lock file in the runtime folder, and a lock file per host in the
// data folder. Each names its holder's process, so a holder that crashed or
// was killed does not block the next start. The per-user holder listens on a
// local socket named after its lock (in the abstract namespace, so nothing is
// left on disk however the holder ends) and answers only connections of its
// own user.
class LinuxSingleInstance final : public SingleInstance {
public:
    // The defaults: the session's runtime folder, this machine's name.
    explicit LinuxSingleInstance(QString lockFolder = {}, QString hostName = {});
    std::unique_ptr<InstanceMarker> acquire(const QString &name) override;
    std::unique_ptr<InstanceMarker> acquireFolder(const QString &folder) override;

    QString folderLockPath(const QString &folder) const;
    bool activateHolder(const QString &name) override;

private:
    QString lockPath(const QString &name) const;

    QString m_lockFolder;
    QString m_hostName;
};

} // namespace veltrano

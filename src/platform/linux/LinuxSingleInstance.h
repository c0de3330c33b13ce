#pragma once
#include "platform/SingleInstance.h"

namespace veltrano {

// A per-user lock file in the runtime folder, and a lock file per host in the
// data folder. Each names its holder's process, so a holder that crashed or
// was killed does not block the next start.
class LinuxSingleInstance final : public SingleInstance {
public:
    // The defaults: the session's runtime folder, this machine's name.
    explicit LinuxSingleInstance(QString lockFolder = {}, QString hostName = {});
    std::unique_ptr<InstanceMarker> acquire(const QString &name) override;
    std::unique_ptr<InstanceMarker> acquireFolder(const QString &folder) override;

    QString folderLockPath(const QString &folder) const;

private:
    QString m_lockFolder;
    QString m_hostName;
};

} // namespace veltrano

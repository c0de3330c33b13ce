#pragma once
#include "platform/SingleInstance.h"

namespace veltrano {

// The named file mapping: Windows keeps it while any process holds a handle,
// and closes that handle however the process ends, so a crashed holder never
// blocks. Beside it a named auto-reset event the holder waits on, which a
// later start sets to call it forward. The data folder's lock is a file the
// holder keeps open with no sharing at all, removed by the system when the
// handle closes.
class WindowsSingleInstance final : public SingleInstance {
public:
    // The default host name is this machine's.
    explicit WindowsSingleInstance(QString hostName = {});
    std::unique_ptr<InstanceMarker> acquire(const QString &name) override;
    std::unique_ptr<InstanceMarker> acquireFolder(const QString &folder) override;
    bool activateHolder(const QString &name) override;

    QString folderLockPath(const QString &folder) const;

private:
    QString m_hostName;
};

} // namespace veltrano

#pragma once
#include "platform/SingleInstance.h"

namespace veltrano {

// A per-user lock file in the runtime folder. The lock names the holder's
// process, so a holder that crashed or was killed does not block the next start.
class LinuxSingleInstance final : public SingleInstance {
public:
    explicit LinuxSingleInstance(QString lockFolder = {});
    std::unique_ptr<InstanceMarker> acquire(const QString &name) override;

private:
    QString m_lockFolder;
};

} // namespace veltrano

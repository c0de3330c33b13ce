#pragma once
#include "platform/SingleInstance.h"

namespace veltrano {

// A per-user lock file in the runtime folder. The lock names the holder's
// process, so a holder that crashed or was killed does not block the next
// start. The holder listens on a local socket named after the lock (in the
// abstract namespace, so nothing is left on disk however the holder ends) and
// answers only connections of its own user.
class LinuxSingleInstance final : public SingleInstance {
public:
    explicit LinuxSingleInstance(QString lockFolder = {});
    std::unique_ptr<InstanceMarker> acquire(const QString &name) override;
    bool activateHolder(const QString &name) override;

private:
    QString lockPath(const QString &name) const;

    QString m_lockFolder;
};

} // namespace veltrano

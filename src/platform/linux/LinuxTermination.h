#pragma once
#include "platform/Termination.h"

class QSocketNotifier;

namespace veltrano {

// Turns SIGTERM, SIGINT and SIGHUP, and the desktop session's request to end,
// into terminationRequested on the GUI thread.
class LinuxTermination final : public Termination {
    Q_OBJECT
public:
    using Termination::Termination;
    ~LinuxTermination() override;
    void watch() override;

private:
    void drainSignalPipe();
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace veltrano

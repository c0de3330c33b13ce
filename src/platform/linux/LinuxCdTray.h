#pragma once
#include "platform/CdTray.h"

#include <QStringList>

namespace veltrano {

// The tray of the first optical drive found, moved with the CD-ROM ioctls.
// Each call blocks until the drive is done: run it off the GUI thread.
class LinuxCdTray final : public CdTray {
public:
    explicit LinuxCdTray(QStringList devices = {QStringLiteral("/dev/cdrom"), QStringLiteral("/dev/sr0")});
    bool open() override;
    bool close() override;

private:
    bool moveTray(unsigned long request) const;

    QStringList m_devices;
};

} // namespace veltrano

#include "platform/linux/LinuxCdTray.h"

#include <QFile>

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace veltrano {

LinuxCdTray::LinuxCdTray(QStringList devices) : m_devices(std::move(devices)) {}

bool LinuxCdTray::open()
{
    return moveTray(CDROMEJECT);
}

bool LinuxCdTray::close()
{
    return moveTray(CDROMCLOSETRAY);
}

bool LinuxCdTray::moveTray(unsigned long request) const
{
    for (const QString &device : m_devices) {
        // Without O_NONBLOCK opening a drive with no disc in it fails.
        const int fd = ::open(QFile::encodeName(device).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        // A mounted disc locks the door; the user asked for it to open.
        if (request == CDROMEJECT)
            ::ioctl(fd, CDROM_LOCKDOOR, 0);
        const bool moved = ::ioctl(fd, request, 0) == 0;
        ::close(fd);
        return moved;
    }
    return false;
}

} // namespace veltrano

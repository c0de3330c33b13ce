#include "platform/linux/LinuxNotifications.h"

#include "platform/linux/DesktopBalloons.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <cstdio>

namespace veltrano {
namespace {

// Long enough for a notification service that is there to answer; short
// enough not to hold a log-out up when it has already gone.
constexpr int kNotifyWaitMs = 500;

} // namespace

void LinuxNotifications::notify(const QString &title, const QString &text)
{
    std::fprintf(stderr, "veltrano: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
        bus.call(DesktopNotification(title, text, NotificationUrgency::Critical, -1), QDBus::Block, kNotifyWaitMs);
}

} // namespace veltrano

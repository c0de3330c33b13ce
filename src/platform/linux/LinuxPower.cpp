#include "platform/linux/LinuxPower.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace veltrano {
namespace {

constexpr int kQuestionTimeoutMs = 5000;

QDBusMessage loginManagerCall(const QString &method)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
                                          QStringLiteral("/org/freedesktop/login1"),
                                          QStringLiteral("org.freedesktop.login1.Manager"), method);
}

} // namespace

bool LinuxPower::suspend()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    const QDBusMessage answer = bus.call(loginManagerCall(QStringLiteral("CanSuspend")), QDBus::Block,
                                         kQuestionTimeoutMs);
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty())
        return false;
    const QString can = answer.arguments().constFirst().toString();
    if (can != QStringLiteral("yes") && can != QStringLiteral("challenge"))
        return false;
    // "challenge": the desktop's authentication agent asks the user first,
    // which may take a while, so the request is sent without waiting.
    QDBusMessage request = loginManagerCall(QStringLiteral("Suspend"));
    request << (can == QStringLiteral("challenge"));
    return bus.send(request);
}

} // namespace veltrano

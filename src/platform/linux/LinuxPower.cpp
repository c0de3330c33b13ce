#include "platform/linux/LinuxPower.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace veltrano {
namespace {

// The login manager answers at once when it is there; one that hangs must not
// leave a question open for ever.
constexpr int kQuestionTimeoutMs = 5000;

QDBusMessage loginManagerCall(const QString &method)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
                                          QStringLiteral("/org/freedesktop/login1"),
                                          QStringLiteral("org.freedesktop.login1.Manager"), method);
}

} // namespace

LinuxPower::LinuxPower(QObject *parent) : QObject(parent) {}

// The question whether the machine may suspend is asked without waiting for
// the answer: a login manager that is slow or hangs would otherwise freeze
// every window for as long as the call may take.
bool LinuxPower::suspend()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    const QDBusPendingCall question =
        bus.asyncCall(loginManagerCall(QStringLiteral("CanSuspend")), kQuestionTimeoutMs);
    auto *watcher = new QDBusPendingCallWatcher(question, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [](QDBusPendingCallWatcher *answered) {
        answered->deleteLater();
        const QDBusPendingReply<QString> reply = *answered;
        if (reply.isError())
            return;
        const QString can = reply.value();
        if (can != QStringLiteral("yes") && can != QStringLiteral("challenge"))
            return;
        // "challenge": the desktop's authentication agent asks the user first,
        // which may take a while, so the request is sent without waiting.
        QDBusMessage request = loginManagerCall(QStringLiteral("Suspend"));
        request << (can == QStringLiteral("challenge"));
        QDBusConnection::systemBus().send(request);
    });
    return true;
}

} // namespace veltrano

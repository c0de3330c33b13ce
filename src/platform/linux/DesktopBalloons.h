#pragma once
#include <QDBusMessage>
#include <QFrame>
#include <QObject>

namespace veltrano {

enum class NotificationUrgency : uchar { Low, Normal, Critical };

// The request that shows a desktop notification (org.freedesktop.Notifications);
// `msecs` of -1 leaves the time it stays to the desktop.
QDBusMessage DesktopNotification(const QString &title, const QString &text, NotificationUrgency urgency, int msecs);

// A small frameless note that closes itself after its time, wherever the
// pointer rests, or at a click: beside the tray icon `nearIcon` when there is
// one, otherwise near the bottom-right corner of the screen. The balloon of a
// tray host that shows none of its own, and the one of last resort on a
// desktop with neither a tray nor a notification service.
class BalloonPopup final : public QFrame {
    Q_OBJECT
public:
    BalloonPopup(const QString &title, const QString &text, int msecs, const QRect &nearIcon = {});

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

// Balloons for a desktop without a tray: a desktop notification over D-Bus,
// or our own popup when no notification service answers.
class DesktopBalloons final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void show(const QString &title, const QString &text, int msecs);
    // Our own balloon beside the tray icon at `icon` (global coordinates).
    static void showBesideIcon(const QString &title, const QString &text, int msecs, const QRect &icon);
    // Tests turn the D-Bus route off to see the popup whatever session they run in.
    void setNotificationServiceAllowed(bool allowed) { m_useNotifications = allowed; }

private:
    static void showPopup(const QString &title, const QString &text, int msecs);
    bool m_useNotifications = true;
};

} // namespace veltrano

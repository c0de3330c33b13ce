#pragma once
#include <QFrame>
#include <QObject>

namespace veltrano {

// A small frameless note near the bottom-right corner of the screen that
// closes itself: the balloon of last resort on a desktop with neither a tray
// nor a notification service.
class BalloonPopup final : public QFrame {
    Q_OBJECT
public:
    BalloonPopup(const QString &title, const QString &text, int msecs);

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
    // Tests turn the D-Bus route off to see the popup whatever session they run in.
    void setNotificationServiceAllowed(bool allowed) { m_useNotifications = allowed; }

private:
    static void showPopup(const QString &title, const QString &text, int msecs);
    bool m_useNotifications = true;
};

} // namespace veltrano

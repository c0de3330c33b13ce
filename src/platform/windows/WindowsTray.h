#pragma once
#include "platform/Notifications.h"
#include "platform/Tray.h"

class QSystemTrayIcon;

namespace veltrano {

// The notification-area icon through QSystemTrayIcon (Shell_NotifyIcon),
// its balloons Windows' own.
class WindowsTray final : public Tray {
    Q_OBJECT
public:
    using Tray::Tray;
    ~WindowsTray() override;
    bool isAvailable() const override;
    void show(const QIcon &icon, const QString &toolTip, QMenu *menu) override;
    void setIcon(const QIcon &icon) override;
    void showBalloon(const QString &title, const QString &text, int msecs) override;

private:
    QSystemTrayIcon &icon();
    QSystemTrayIcon *m_icon = nullptr;
};

// What is told while the program ends: on standard error, to a debugger
// listening (DebugView), and in a message box the session shows on our
// behalf (WTSSendMessage): it stays after we are gone, and we do not wait
// for anyone to read it.
class WindowsNotifications final : public Notifications {
public:
    void notify(const QString &title, const QString &text) override;
};

} // namespace veltrano

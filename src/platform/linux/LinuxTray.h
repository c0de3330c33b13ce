#pragma once
#include "platform/Tray.h"
#include "platform/linux/DesktopBalloons.h"

class QSystemTrayIcon;

namespace veltrano {

// The tray icon through QSystemTrayIcon (StatusNotifier or XEmbed, whichever
// the desktop offers). Without a tray its balloons become desktop
// notifications.
class LinuxTray final : public Tray {
    Q_OBJECT
public:
    using Tray::Tray;
    ~LinuxTray() override;
    bool isAvailable() const override;
    void show(const QIcon &icon, const QString &toolTip, QMenu *menu) override;
    void setIcon(const QIcon &icon) override;
    void showBalloon(const QString &title, const QString &text, int msecs) override;
    DesktopBalloons &desktopBalloons() { return m_balloons; }

private:
    QSystemTrayIcon &icon();
    void showWhenPlaced(const QString &title, const QString &text, int msecs, int waitedMs);
    QSystemTrayIcon *m_icon = nullptr;
    DesktopBalloons m_balloons;
};

} // namespace veltrano

#include "platform/linux/LinuxTray.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QSystemTrayIcon>
#include <QTimer>

namespace veltrano {
namespace {

constexpr int kPlacePollMs = 25;
constexpr int kPlaceWaitMs = 2000;

// Trays that speak the StatusNotifier protocol (KDE, GNOME's AppIndicator)
// report any activation as a single click and never a double click, so there
// a click is what brings the window back.
bool trayReportsOnlyClicks()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface()
           && bus.interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

} // namespace

LinuxTray::~LinuxTray()
{
    delete m_icon;
}

// Made on first use: the platform object exists before the application has
// its windows, and a tray icon needs them.
QSystemTrayIcon &LinuxTray::icon()
{
    if (!m_icon) {
        m_icon = new QSystemTrayIcon();
        m_icon->setObjectName(QStringLiteral("TrayIcon"));
        connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::DoubleClick
                || (reason == QSystemTrayIcon::Trigger && trayReportsOnlyClicks()))
                emit doubleClicked();
        });
    }
    return *m_icon;
}

// Asked afresh each time: a tray host may come or go while we run.
bool LinuxTray::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void LinuxTray::show(const QIcon &picture, const QString &toolTip, QMenu *menu)
{
    icon().setIcon(picture);
    icon().setToolTip(toolTip);
    icon().setContextMenu(menu);
    icon().show();
}

void LinuxTray::setIcon(const QIcon &picture)
{
    icon().setIcon(picture);
}

void LinuxTray::showBalloon(const QString &title, const QString &message, int msecs)
{
    // Texts made for Windows balloons break lines with CR and LF in either
    // order; a lone CR would show here as a stray blank.
    QString text = message;
    text.replace(QLatin1String("\n\r"), QLatin1String("\n")).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (m_icon && m_icon->isVisible() && isAvailable() && QSystemTrayIcon::supportsMessages())
        showWhenPlaced(title, text, msecs, 0);
    else
        m_balloons.show(title, text, msecs);
}

// A tray host of the XEmbed kind (trayer, stalonetray, older panels) takes a
// new icon in when it gets to it, a busy one a good while after the icon was
// shown; until then the icon reports its place as the screen's top-left
// corner, and a balloon shown then points there. The balloon waits for the
// icon's place; should that not come, it shows the way it does without a
// tray. Such hosts show no balloons of their own, and the one Qt draws in
// their stead stays for as long as the pointer rests on it: ours, beside the
// icon, goes after its time. StatusNotifier trays report no place at all:
// their balloons are desktop notifications, placed by the notification
// service.
void LinuxTray::showWhenPlaced(const QString &title, const QString &text, int msecs, int waitedMs)
{
    if (!m_icon)
        return;
    const QRect place = m_icon->geometry();
    if (place.isValid() && place.topLeft() == QPoint(0, 0)) {
        if (waitedMs >= kPlaceWaitMs)
            m_balloons.show(title, text, msecs);
        else
            QTimer::singleShot(kPlacePollMs, this,
                               [=, this] { showWhenPlaced(title, text, msecs, waitedMs + kPlacePollMs); });
        return;
    }
    if (place.isValid() && !trayReportsOnlyClicks())
        DesktopBalloons::showBesideIcon(title, text, msecs, place);
    else
        m_icon->showMessage(title, text, QSystemTrayIcon::Information, msecs);
}

} // namespace veltrano

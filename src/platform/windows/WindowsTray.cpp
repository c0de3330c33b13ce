#include "platform/windows/WindowsTray.h"

#include "platform/win32/Win32Text.h"

#include <QApplication>
#include <QStyle>
#include <QSystemTrayIcon>

#include <cstdio>

#include <windows.h>

#include <wtsapi32.h>

namespace veltrano {

WindowsTray::~WindowsTray()
{
    delete m_icon;
}

// Made on first use: the platform object exists before the application.
QSystemTrayIcon &WindowsTray::icon()
{
    if (!m_icon) {
        m_icon = new QSystemTrayIcon();
        m_icon->setObjectName(QStringLiteral("TrayIcon"));
        connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::DoubleClick)
                emit doubleClicked();
        });
    }
    return *m_icon;
}

bool WindowsTray::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void WindowsTray::show(const QIcon &picture, const QString &toolTip, QMenu *menu)
{
    icon().setIcon(picture);
    icon().setToolTip(toolTip);
    icon().setContextMenu(menu);
    icon().show();
}

void WindowsTray::setIcon(const QIcon &picture)
{
    icon().setIcon(picture);
}

void WindowsTray::showBalloon(const QString &title, const QString &text, int msecs)
{
    // A balloon needs the icon it comes from; before the icon is shown (or
    // with no notification area) it gets one of its own for the time.
    if (!m_icon || !m_icon->isVisible()) {
        icon().setIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation));
        icon().show();
    }
    m_icon->showMessage(title, text, QSystemTrayIcon::Information, msecs);
}

void WindowsNotifications::notify(const QString &title, const QString &text)
{
    std::fprintf(stderr, "veltrano: %s\n", text.toUtf8().constData());
    std::fflush(stderr);
    OutputDebugStringW(wide(QStringLiteral("veltrano: ") + text + u'\n'));
    DWORD response = 0;
    WTSSendMessageW(WTS_CURRENT_SERVER_HANDLE, WTS_CURRENT_SESSION, const_cast<wchar_t *>(wide(title)),
                    DWORD(title.size() * sizeof(wchar_t)), const_cast<wchar_t *>(wide(text)),
                    DWORD(text.size() * sizeof(wchar_t)), MB_OK | MB_ICONWARNING, 0, &response, FALSE);
}

} // namespace veltrano

#include "common/ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace veltrano {

void SetStaysOnTop(QWidget &window, bool onTop)
{
    window.overrideWindowFlags(onTop ? window.windowFlags() | Qt::WindowStaysOnTopHint
                                     : window.windowFlags() & ~Qt::WindowStaysOnTopHint);
    if (QWindow *handle = window.windowHandle())
        handle->setFlag(Qt::WindowStaysOnTopHint, onTop);
}

void CentreOnDesktop(QWidget &window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(), window.frameGeometry().size());
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace veltrano

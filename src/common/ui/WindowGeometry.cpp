#include "common/ui/WindowGeometry.h"

#include "common/logic/ScreenPlacement.h"
#include "common/logic/SnapToWorkArea.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
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

QList<QRect> AvailableScreenAreas()
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

QRect AvailableAreaNear(const QWidget &window)
{
    return NearestArea(window.frameGeometry(), AvailableScreenAreas());
}

void FitWholeOnScreen(QWidget &window, QSize designedClient)
{
    const QRect area = AvailableAreaNear(window);
    const QSize least = window.layout() ? window.layout()->minimumSize() : designedClient;
    const QSize frameExtra = window.frameGeometry().size() - window.size();
    const ClientFit fit = FitClientToArea(designedClient, least, least, frameExtra, area.size());
    if (fit.size != window.size())
        window.setFixedSize(fit.size);
    const QPoint whole = PlaceWholeInside(QRect(window.frameGeometry().topLeft(), fit.size + frameExtra), area);
    if (whole != window.frameGeometry().topLeft())
        window.move(whole);
}

void KeepOnScreen(QWidget &window)
{
    const QRect frame = window.frameGeometry();
    const QPoint kept = KeepFrameOnScreens(frame, AvailableScreenAreas());
    if (kept != frame.topLeft())
        window.move(kept);
}

SnapAfterDrag::SnapAfterDrag(QWidget &window, std::function<void()> afterSnap)
    : QObject(&window), m_window(window), m_afterSnap(std::move(afterSnap))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &SnapAfterDrag::snap);
    window.installEventFilter(this);
}

bool SnapAfterDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        && m_window.isVisible())
        m_settle.start();
    return QObject::eventFilter(watched, event);
}

void SnapAfterDrag::snap()
{
    if (!m_window.isVisible() || m_window.isMinimized() || !m_window.screen())
        return;
    const QRect frame = m_window.frameGeometry();
    const QPoint snapped = SnapToWorkArea(frame, m_window.screen()->availableGeometry());
    if (snapped != frame.topLeft())
        m_window.move(snapped);
    if (m_afterSnap)
        m_afterSnap();
}

} // namespace veltrano

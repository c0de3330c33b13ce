#include "todo/ui/ToDoDocking.h"

#include "common/ui/WindowGeometry.h"
#include "todo/logic/ToDoDocking.h"
#include "todo/ui/ToDoWindow.h"
#include "todo/ui/ToDoWindowState.h"

#include <QEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace veltrano {

ToDoDocking::ToDoDocking(QWidget &window, QWidget &mainWindow, ToDoWindowState &state, SettingsStore &settings,
                         std::function<ToDoBlend()> blendSource)
    : QObject(&window), m_window(window), m_mainWindow(mainWindow), m_state(state), m_settings(settings),
      m_blendSource(std::move(blendSource))
{
    window.installEventFilter(this);
    mainWindow.installEventFilter(this);
    new SnapAfterDrag(window);
    if (state.placement) {
        setOuterGeometry(*state.placement);
    } else {
        // No remembered place: its designed size in the middle of the desktop.
        window.resize(kToDoDesignClientSize);
        CentreOnDesktop(window);
        keepPlacement();
    }
    // As the options have set it so far; each show then takes its own step.
    const ToDoBlend blend = m_blendSource ? m_blendSource() : ToDoBlend{};
    m_blending = blend.enabled;
    m_blendValue = std::clamp(blend.value, 0, 255);
    applyOpacity();
}

QRect ToDoDocking::placement() const
{
    return m_pendingOuter ? *m_pendingOuter : m_window.frameGeometry();
}

// Until the window manager has put a frame round the window its outer size
// is unknown; the geometry asked for is then kept and given again, frame
// taken off, as soon as the frame is known, so the window neither grows by
// its frame at every start nor docks a frame's width off the main window.
void ToDoDocking::setOuterGeometry(const QRect &outer)
{
    const std::optional<QSize> frame = frameExtra();
    if (!frame)
        m_pendingOuter = outer;
    else
        m_pendingOuter.reset();
    const QScopedValueRollback placing(m_placing, true);
    m_window.move(outer.topLeft());
    m_window.resize(outer.size() - frame.value_or(QSize(0, 0)));
    keepPlacement();
}

std::optional<QSize> ToDoDocking::frameExtra() const
{
    return FrameAroundWindow(m_window.frameGeometry().size(), m_window.size());
}

void ToDoDocking::settleOuterGeometry()
{
    if (!m_pendingOuter || !m_window.isVisible() || m_placing)
        return;
    if (m_window.size() != m_pendingOuter->size()) {
        m_pendingOuter.reset(); // resized since: the user's size holds
        return;
    }
    if (!frameExtra())
        return; // no frame yet
    const QRect outer = *m_pendingOuter;
    m_pendingOuter.reset();
    setOuterGeometry(outer);
}

void ToDoDocking::keepPlacement()
{
    m_state.placement = placement();
}

void ToDoDocking::dockToMainWindow()
{
    if (!m_mainWindow.isVisible() || m_mainWindow.isMinimized() || !m_window.isVisible())
        return;
    const QScreen *screen = m_mainWindow.screen();
    const QRect workArea = screen ? screen->availableGeometry() : QRect();
    // A click inside the main window raises it too, and reaches it through
    // its window before any of its controls sees it.
    if (QWindow *mainHandle = m_mainWindow.windowHandle())
        mainHandle->installEventFilter(this);
    m_dockedAt = DockBesideMainWindow(m_mainWindow.frameGeometry(), placement().width(), workArea);
    setOuterGeometry(*m_dockedAt);
    keepInFrontOfMainWindow();
}

// Docked over a main window that leaves no room beside it (maximised, or as
// wide as the screen), the list would vanish behind it whenever the main
// window comes to the front: a window manager stacks a window shown without
// the keyboard below the active one, and a click in the main window raises
// it. The list is kept above it, without taking the keyboard, for as long
// as it stays where it was docked (one the user has dragged elsewhere is
// stacked as the user has it).
void ToDoDocking::keepInFrontOfMainWindow()
{
    if (!m_window.isVisible() || !m_mainWindow.isVisible() || m_mainWindow.isMinimized())
        return;
    if (m_dockedAt && placement() == *m_dockedAt && m_dockedAt->intersects(m_mainWindow.frameGeometry()))
        m_window.raise();
}

void ToDoDocking::onShow()
{
    const ToDoBlend blend = m_blendSource ? m_blendSource() : ToDoBlend{};
    setBlending(blend.enabled);
    setBlendValue(BlendOnShow(blend.value));
    KeepOnScreen(m_window);
    dockToMainWindow();
    // Both windows have their frames once they are on screen: dock again
    // with the sizes the frames give.
    QTimer::singleShot(0, this, [this] { settleAfterShow(kFrameLooks); });
}

// A window manager can finish the frame a moment after the window is on
// screen, without moving the window (so no event says so), and can give a
// newly framed window the size it was mapped with once more: until the frame
// is known and the window lies where it was docked, look again now and then
// for a little while.
void ToDoDocking::settleAfterShow(int looksLeft)
{
    settleOuterGeometry();
    dockToMainWindow();
    if (looksLeft <= 0 || !m_window.isVisible())
        return;
    // The widget takes its copy of the frame at moves and resizes only: when
    // the window system has the frame and the widget still has none, a
    // pixel's move brings the copy up to date, and the window then settles
    // where it was asked to go.
    const QWindow *handle = m_window.windowHandle();
    if (m_pendingOuter && handle && !handle->frameMargins().isNull())
        m_window.move(m_window.pos() + QPoint(0, 1));
    const bool docked = m_mainWindow.isVisible() && !m_mainWindow.isMinimized() && m_dockedAt;
    if (m_pendingOuter || (docked && placement() != *m_dockedAt))
        QTimer::singleShot(kFrameLookMs, this, [this, looksLeft] { settleAfterShow(looksLeft - 1); });
}

// Written at every deactivation, so the settings file knows where the
// window is even if the program is killed; an unchanged placement is not
// written again.
void ToDoDocking::onDeactivate()
{
    keepPlacement();
    const QRect current = *m_state.placement;
    if (m_writtenPlacement == current)
        return;
    if (WriteToDoPlacement(m_settings, current))
        m_writtenPlacement = current;
}

void ToDoDocking::setBlending(bool on)
{
    m_blending = on;
    applyOpacity();
}

void ToDoDocking::setBlendValue(int value)
{
    m_blendValue = std::clamp(value, 0, 255);
    applyOpacity();
}

void ToDoDocking::applyOpacity()
{
    const qreal opacity = m_blending ? m_blendValue / 255.0 : 1.0;
    if (!qFuzzyCompare(m_window.windowOpacity(), opacity))
        m_window.setWindowOpacity(opacity);
}

// Over the window or the list it shows the configured opacity, a little
// clearer once the mouse has gone.
void ToDoDocking::onMouseOver()
{
    const ToDoBlend blend = m_blendSource ? m_blendSource() : ToDoBlend{};
    if (blend.enabled)
        setBlendValue(BlendUnderMouse(blend.value));
}

void ToDoDocking::onMouseLeft()
{
    const ToDoBlend blend = m_blendSource ? m_blendSource() : ToDoBlend{};
    if (blend.enabled)
        setBlendValue(BlendAfterMouseLeft(blend.value));
}

bool ToDoDocking::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        settleOuterGeometry();
        if (!m_placing)
            keepPlacement();
    } else if ((watched == &m_mainWindow && event->type() == QEvent::WindowActivate)
               || (event->type() == QEvent::MouseButtonPress && watched == m_mainWindow.windowHandle())) {
        keepInFrontOfMainWindow();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace veltrano

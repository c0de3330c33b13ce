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
#include <algorithm>

namespace veltrano {

ToDoDocking::ToDoDocking(QWidget &window, QWidget &mainWindow, ToDoWindowState &state, SettingsStore &settings,
                         std::function<ToDoBlend()> blendSource)
    : QObject(&window), m_window(window), m_mainWindow(mainWindow), m_state(state), m_settings(settings),
      m_blendSource(std::move(blendSource))
{
    window.installEventFilter(this);
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
    const QSize frameExtra = m_window.frameGeometry().size() - m_window.size();
    if (frameExtra.isNull())
        m_pendingOuter = outer;
    else
        m_pendingOuter.reset();
    const QScopedValueRollback placing(m_placing, true);
    m_window.move(outer.topLeft());
    m_window.resize(outer.size() - frameExtra);
    keepPlacement();
}

void ToDoDocking::settleOuterGeometry()
{
    if (!m_pendingOuter || !m_window.isVisible() || m_placing)
        return;
    if (m_window.size() != m_pendingOuter->size()) {
        m_pendingOuter.reset(); // resized since: the user's size holds
        return;
    }
    if (m_window.frameGeometry().size() == m_window.size())
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
    setOuterGeometry(DockBesideMainWindow(m_mainWindow.frameGeometry(), placement().width(), workArea));
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
    QTimer::singleShot(0, this, [this] {
        settleOuterGeometry();
        dockToMainWindow();
    });
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
    }
    return QObject::eventFilter(watched, event);
}

} // namespace veltrano

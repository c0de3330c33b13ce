#pragma once
#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace veltrano {

// Keeps a top-level window above all normal windows, or lets it go back among
// them, without hiding it: changing the widget's flags the usual way would
// unmap the window and run its show steps again.
void SetStaysOnTop(QWidget &window, bool onTop);

// Places a window, frame included, in the middle of the desktop's work area.
void CentreOnDesktop(QWidget &window);

// Brings a window that shows too little of itself on the screens back onto
// the nearest one (KeepFrameOnScreens); one in view stays where it is.
void KeepOnScreen(QWidget &window);

// The free areas of all screens, as the window manager leaves them.
QList<QRect> AvailableScreenAreas();
// The free area of the screen nearest to the window's frame.
QRect AvailableAreaNear(const QWidget &window);

// For a window of fixed size: as large as designed where the screen nearest
// to it has room, smaller where it has not (down to what its layout cannot do
// without), and moved whole onto that screen.
void FitWholeOnScreen(QWidget &window, QSize designedClient);

// Pulls a top-level window to the edges of its screen's work area once the
// user has stopped moving or resizing it: each edge within 10 pixels of the
// area's edge lands on it. `afterSnap` runs after every settled move (windows
// that keep beside this one follow it from there).
class SnapAfterDrag final : public QObject {
public:
    explicit SnapAfterDrag(QWidget &window, std::function<void()> afterSnap = {});

    // Long enough for a drag to come to rest, so the window manager and we
    // do not pull the window two ways while the mouse still moves it.
    static constexpr int kSettleMs = 120;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void snap();

    QWidget &m_window;
    std::function<void()> m_afterSnap;
    QTimer m_settle;
};

} // namespace veltrano

#pragma once
#include <QRect>
#include <optional>

namespace veltrano {

// Where the to-do window goes beside the main window (outer frames): the main
// window's top and height, the to-do window's own width, inside the work
// area: at the main window's right edge when it fits there, otherwise at its
// left edge, otherwise over the right side of the main window itself; the
// part of the main window's height that lies in the work area.
QRect DockBesideMainWindow(const QRect &mainFrame, int width, const QRect &workArea);

// What a window manager's frame adds to a window of `window` size, once it
// is known: nothing while there is no frame yet, and nothing while the frame
// reads smaller than the window (it is still being put round it).
std::optional<QSize> FrameAroundWindow(QSize frame, QSize window);

} // namespace veltrano

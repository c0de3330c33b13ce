#pragma once
#include <QRect>

namespace veltrano {

// Where the to-do window goes beside the main window (outer frames): the main
// window's top and height, the to-do window's own width, inside the work
// area: at the main window's right edge when it fits there, otherwise at its
// left edge, otherwise over the right side of the main window itself.
QRect DockBesideMainWindow(const QRect &mainFrame, int width, const QRect &workArea);

} // namespace veltrano
